#pragma once

#include "gui/support/Desktop.h"

#include <QString>

// The desktop's own handlers: QDesktopServices for links; for mail the system's Simple MAPI
// (MAPISendDocuments of mapi32.dll) on Windows, xdg-email elsewhere.
class QtDesktop : public Desktop
{
public:
    QtDesktop();
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    bool openUrl(const QUrl& url) override;
    bool canSendMail() const override;
    void sendMail(QWidget* owner, const QString& file, const QString& name) override;

private:
#ifdef _WIN32
    void* mapiLibrary = nullptr;            // the loaded mapi32.dll
    void (*sendDocumentsEntry)() = nullptr; // its MAPISendDocuments
#else
    QString xdgEmail; // the program's path, empty when it is not on the PATH
#endif
};
