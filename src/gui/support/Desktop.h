#pragma once

class QString;
class QUrl;
class QWidget;

// What the program asks of the desktop: opening a web page, a local file or a mailto: link, and handing
// a file to the mail program. The program uses the desktop's own handlers; tests record the calls and
// script the answers.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // False when no handler could be started.
    virtual bool openUrl(const QUrl& url) = 0;
    // Whether a mail program can be handed a file; "Send as EMail" is offered only then.
    virtual bool canSendMail() const = 0;
    // Opens a new message of the mail program with the file attached under the name. What the mail
    // program makes of it is its own affair: the file is written either way.
    virtual void sendMail(QWidget* owner, const QString& file, const QString& name) = 0;
};
