#include "TestSupport.h"

#include <QAbstractButton>
#include <QUrl>

#include <gtest/gtest.h>

void ScriptedPrompts::show(QWidget*, const cairnly::Message& message)
{
    shown.push_back(message);
}

bool ScriptedPrompts::ask(QWidget*, const cairnly::Message& question)
{
    shown.push_back(question);
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << question.text;
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::openFileName(QWidget*, const FileDialogSpec& spec)
{
    fileDialogs.push_back(spec);
    if (fileNames.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << spec.title.toStdString();
        return std::nullopt;
    }
    auto name = fileNames.front();
    fileNames.pop_front();
    return name;
}

std::optional<QString> ScriptedPrompts::saveFileName(QWidget* parent, const FileDialogSpec& spec)
{
    return openFileName(parent, spec);
}

std::optional<QString> ScriptedPrompts::inputText(QWidget*, const QString& caption, const QString& prompt,
                                                  int maxLength)
{
    inputDialogs.push_back({caption, prompt, QString::number(maxLength)});
    if (inputs.empty()) {
        ADD_FAILURE() << "unexpected input dialog: " << caption.toStdString();
        return std::nullopt;
    }
    auto text = inputs.front();
    inputs.pop_front();
    return text;
}

int ScriptedRunner::run(QDialog& dialog)
{
    ran.push_back(dialog.objectName());
    if (steps.empty()) {
        ADD_FAILURE() << "unexpected dialog: " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    Step step = std::move(steps.front());
    steps.pop_front();
    return step(dialog);
}

int press(QDialog& dialog, const char* buttonName)
{
    auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(buttonName));
    if (!button) {
        ADD_FAILURE() << "no button " << buttonName << " in " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    button->click(); // works on a dialog that was never shown, as under the scripted runner
    return dialog.result();
}

bool ScriptedDesktop::openUrl(const QUrl& url)
{
    openedUrls.push_back(url.toString());
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected open of " << url.toString().toStdString();
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDesktop::sendMail(QWidget*, const QString& file, const QString& name)
{
    if (!mailAvailable)
        ADD_FAILURE() << "mail handed over although it is not available";
    mails.emplace_back(file, name);
}
