#pragma once

#include "gui/support/DialogRunner.h"
#include "gui/support/Prompts.h"

// The program's real message boxes and file dialogs.
class QtPrompts : public Prompts
{
public:
    void show(QWidget* parent, const cairnly::Message& message) override;
    bool ask(QWidget* parent, const cairnly::Message& question) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSpec& spec) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSpec& spec) override;
    std::optional<QString> inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                     int maxLength) override;
};

// Runs a dialog in its own modal loop.
class QtDialogRunner : public DialogRunner
{
public:
    int run(QDialog& dialog) override;
};
