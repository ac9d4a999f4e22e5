#pragma once

class QUrl;

// What the program asks of the desktop: opening a web page, a local file or a mailto: link. The program
// uses the desktop's own handlers; tests record the calls and script the answers.
class Desktop
{
public:
    virtual ~Desktop() = default;
    // False when no handler could be started.
    virtual bool openUrl(const QUrl& url) = 0;
};
