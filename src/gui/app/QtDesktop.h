#pragma once

#include "app/Desktop.h"

// The desktop's own handlers, through QDesktopServices.
class QtDesktop : public Desktop
{
public:
    bool openUrl(const QUrl& url) override;
};
