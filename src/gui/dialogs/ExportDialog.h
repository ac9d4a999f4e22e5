#pragma once

#include "core/reports/ExportChoices.h"

#include <QDialog>
#include <QString>

class Prompts;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QRadioButton;

// "Export Gear Data": the formats with their files, "Send as EMail", and which rows go out with or
// without notes. OK checks that a mail has a text file to attach and every ticked format a file, and keeps
// the dialog open when not.
class ExportDialog : public QDialog
{
    Q_OBJECT
public:
    // Without a mail program "Send as EMail" is unticked and disabled. No file of listFiles (the open list's)
    // may be chosen.
    ExportDialog(const cairnly::ExportChoices& choices, bool mailAvailable,
                 std::vector<std::filesystem::path> listFiles, Prompts& prompts, QWidget* parent = nullptr);

    const cairnly::ExportChoices& choices() const { return accepted; }

    void accept() override;

private:
    struct FormatLine
    {
        QCheckBox* wanted = nullptr;
        QLineEdit* path = nullptr;
    };

    FormatLine addFormatLine(QGridLayout* grid, int row, const char* role, const QString& label, bool wanted,
                             const std::filesystem::path& path, const QString& filter, QString* lastName);
    void browse(QLineEdit* edit, const QString& filter, QString* lastName);
    cairnly::ExportChoices read() const;

    Prompts& prompts;
    std::vector<std::filesystem::path> listFiles;
    cairnly::ExportChoices accepted;
    FormatLine text;
    FormatLine commaDelimited;
    FormatLine html;
    FormatLine xml;
    QCheckBox* sendAsEmail = nullptr;
    QRadioButton* allItems = nullptr;
    QRadioButton* onlyChecked = nullptr;
    QCheckBox* includeNotes = nullptr;
    // The last name chosen by Browse while the dialog is open: the text and comma-delimited buttons share
    // one, as they share one file-dialog set-up.
    QString lastTextName;
    QString lastHtmlName;
    QString lastXmlName;
};
