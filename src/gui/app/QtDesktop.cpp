#include "QtDesktop.h"

#include <QDesktopServices>
#include <QUrl>

bool QtDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
