#include "gui/support/QtDesktop.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QUrl>
#include <QWidget>

#ifdef _WIN32
#include <windows.h>

namespace {

using SendDocuments = ULONG(WINAPI*)(ULONG_PTR uiParam, LPSTR delimiter, LPSTR filePaths, LPSTR fileNames,
                                     ULONG reserved);

} // namespace

QtDesktop::QtDesktop()
{
    // A missing library must not bring up the system's own error boxes.
    const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE library = LoadLibraryA("mapi32.dll");
    SetErrorMode(oldMode);
    if (!library)
        return;
    FARPROC entry = GetProcAddress(library, "MAPISendDocuments");
    if (!entry) {
        FreeLibrary(library);
        return;
    }
    mapiLibrary = library;
    // Kept as the one function pointer type every other converts to and from without complaint.
    sendDocumentsEntry = reinterpret_cast<void (*)()>(entry);
}

QtDesktop::~QtDesktop()
{
    if (mapiLibrary)
        FreeLibrary(static_cast<HMODULE>(mapiLibrary));
}

bool QtDesktop::canSendMail() const
{
    return sendDocumentsEntry != nullptr;
}

void QtDesktop::sendMail(QWidget* owner, const QString& file, const QString& name)
{
    if (!sendDocumentsEntry)
        return;
    QByteArray delimiter(";");
    QByteArray path = QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()).toLocal8Bit();
    QByteArray fileName = name.toLocal8Bit();
    const auto parent = owner ? static_cast<ULONG_PTR>(owner->window()->winId()) : ULONG_PTR{0};
    reinterpret_cast<SendDocuments>(sendDocumentsEntry)(parent, delimiter.data(), path.data(), fileName.data(), 0);
}
#else
QtDesktop::QtDesktop() : xdgEmail(QStandardPaths::findExecutable(QStringLiteral("xdg-email"))) {}

QtDesktop::~QtDesktop() = default;

bool QtDesktop::canSendMail() const
{
    return !xdgEmail.isEmpty();
}

void QtDesktop::sendMail(QWidget*, const QString& file, const QString&)
{
    // Started without a shell, so nothing in the path is ever interpreted; the attachment keeps its name.
    if (!xdgEmail.isEmpty())
        QProcess::startDetached(xdgEmail, {QStringLiteral("--attach"), QFileInfo(file).absoluteFilePath()});
}
#endif

bool QtDesktop::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}
