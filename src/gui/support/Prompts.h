#pragma once

#include "core/model/Message.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

// A file dialog of the program: its title and the filters, "Name (*.ext)" separated by ";;".
struct FileDialogSpec
{
    QString title;
    QString filters;
    bool existingOnly = false; // a save dialog that accepts only a file that exists, without asking to replace it
    QString startFile = {};    // the name the dialog opens with
};

// Every message box, question, input and file dialog goes through here: the program shows real ones,
// tests give the answers in advance.
class Prompts
{
public:
    virtual ~Prompts() = default;
    virtual void show(QWidget* parent, const cairnly::Message& message) = 0;
    // True for Yes.
    virtual bool ask(QWidget* parent, const cairnly::Message& question) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogSpec& spec) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogSpec& spec) = 0;
    // A one-line input dialog; empty on Cancel.
    virtual std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                             int maxLength) = 0;

    // Shows each message in turn.
    void showAll(QWidget* parent, const std::vector<cairnly::Message>& messages);
    // Shows the refusal, if there is one; true when there was.
    bool refused(QWidget* parent, const std::optional<cairnly::Message>& refusal);
};
