#pragma once

#include "gui/support/Desktop.h"
#include "gui/support/DialogRunner.h"
#include "gui/support/Prompts.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// Prompts that answer from a script and remember what was shown. A question or file dialog without a
// scripted answer fails the test and answers No or Cancel.
class ScriptedPrompts : public Prompts
{
public:
    std::vector<cairnly::Message> shown; // messages and questions, in order
    std::deque<bool> answers;
    std::deque<std::optional<QString>> fileNames;
    std::deque<std::optional<QString>> inputs;
    std::vector<FileDialogSpec> fileDialogs;
    std::vector<QStringList> inputDialogs; // caption, prompt and length limit of each input dialog

    void show(QWidget* parent, const cairnly::Message& message) override;
    bool ask(QWidget* parent, const cairnly::Message& question) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSpec& spec) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSpec& spec) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     int maxLength) override;
};

// Records what the program asks the desktop to open and answers from a script; a call without a scripted
// answer fails the test and answers false. Mail is available unless a test says otherwise.
class ScriptedDesktop : public Desktop
{
public:
    std::vector<QString> openedUrls; // as QUrl::toString gives them, in order
    std::deque<bool> answers;
    bool mailAvailable = true;
    std::vector<std::pair<QString, QString>> mails; // file and attachment name of each hand-over, in order

    bool openUrl(const QUrl& url) override;
    bool canSendMail() const override { return mailAvailable; }
    void sendMail(QWidget* owner, const QString& file, const QString& name) override;
};

// Runs each dialog through the next scripted step instead of a modal loop. A step fills the dialog,
// presses its buttons and returns the dialog's result; a dialog without a step fails the test.
class ScriptedRunner : public DialogRunner
{
public:
    using Step = std::function<int(QDialog&)>;
    std::deque<Step> steps;
    std::vector<QString> ran; // object names of the dialogs run, in order

    int run(QDialog& dialog) override;
};

// Presses the dialog's button with this object name and returns the dialog's result then.
int press(QDialog& dialog, const char* buttonName);
