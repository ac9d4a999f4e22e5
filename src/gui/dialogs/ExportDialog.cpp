#include "gui/dialogs/ExportDialog.h"

#include "gui/support/DialogLayout.h"
#include "gui/support/Prompts.h"
#include "gui/support/Text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using cairnly::ExportFormat;

ExportDialog::ExportDialog(const cairnly::ExportChoices& choices, bool mailAvailable,
                           std::vector<std::filesystem::path> listFiles, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts(prompts), listFiles(std::move(listFiles)), accepted(choices)
{
    setObjectName(QStringLiteral("exportDialog"));
    setWindowTitle(tr("Export Gear Data"));
    setModal(true);

    auto* targets = new QGroupBox(tr("Export Gear Data to"), this);
    auto* grid = new QGridLayout(targets);
    const QString textFilter = tr("Text Files (*.TXT)");
    text = addFormatLine(grid, 0, "text", tr("Text File: "), choices.text, choices.path(ExportFormat::Text), textFilter,
                         &lastTextName);
    commaDelimited = addFormatLine(grid, 1, "comma", tr("Comma Delimited File:"), choices.commaDelimited,
                                   choices.path(ExportFormat::CommaDelimited), textFilter, &lastTextName);
    html = addFormatLine(grid, 2, "html", tr("HTML File:"), choices.html, choices.path(ExportFormat::Html),
                         tr("HTML Files (*.HTM)"), &lastHtmlName);
    xml = addFormatLine(grid, 3, "xml", tr("XML File:"), choices.xml, choices.path(ExportFormat::Xml),
                        tr("XML Files (*.XML)"), &lastXmlName);
    sendAsEmail = new QCheckBox(tr("Send as EMail"), targets);
    sendAsEmail->setObjectName(QStringLiteral("sendAsEmailCheckBox"));
    sendAsEmail->setChecked(choices.sendAsEmail && mailAvailable);
    sendAsEmail->setEnabled(mailAvailable);
    grid->addWidget(sendAsEmail, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* options = new QGroupBox(tr("Options"), this);
    allItems = new QRadioButton(tr("Export All Items"), options);
    allItems->setObjectName(QStringLiteral("allItemsRadioButton"));
    onlyChecked = new QRadioButton(tr("Export only Checked Items"), options);
    onlyChecked->setObjectName(QStringLiteral("onlyCheckedRadioButton"));
    (choices.onlyChecked ? onlyChecked : allItems)->setChecked(true);
    includeNotes = new QCheckBox(tr("Include Notes"), options);
    includeNotes->setObjectName(QStringLiteral("includeNotesCheckBox"));
    includeNotes->setChecked(choices.includeNotes);
    auto* optionsLayout = new QVBoxLayout(options);
    optionsLayout->addWidget(allItems);
    optionsLayout->addWidget(onlyChecked);
    optionsLayout->addWidget(includeNotes);

    QHBoxLayout* buttons = okCancelButtons(*this, false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(targets);
    layout->addWidget(options);
    layout->addStretch();
    layout->addLayout(buttons);
    setMinimumWidth(560);
}

ExportDialog::FormatLine ExportDialog::addFormatLine(QGridLayout* grid, int row, const char* role, const QString& label,
                                                     bool wanted, const std::filesystem::path& path,
                                                     const QString& filter, QString* lastName)
{
    QWidget* box = grid->parentWidget();
    FormatLine line;
    line.wanted = new QCheckBox(label, box);
    line.wanted->setObjectName(QStringLiteral("%1CheckBox").arg(QLatin1String(role)));
    line.wanted->setChecked(wanted);
    // Any character a file name may hold, and no length limit: a cut path would export elsewhere.
    line.path = new QLineEdit(fromPath(path), box);
    line.path->setObjectName(QStringLiteral("%1Edit").arg(QLatin1String(role)));
    auto* browseButton = new QPushButton(tr("Browse..."), box);
    browseButton->setObjectName(QStringLiteral("%1BrowseButton").arg(QLatin1String(role)));
    // The check box is the line's label: the edit takes its text as its name, and each Browse button says
    // which file it chooses.
    const QString format = label.trimmed();
    line.path->setAccessibleName(format);
    browseButton->setAccessibleDescription(format);
    browseButton->setAutoDefault(false);
    QLineEdit* edit = line.path;
    connect(browseButton, &QPushButton::clicked, this,
            [this, edit, filter, lastName] { browse(edit, filter, lastName); });
    grid->addWidget(line.wanted, row, 0);
    grid->addWidget(line.path, row, 1);
    grid->addWidget(browseButton, row, 2);
    return line;
}

void ExportDialog::browse(QLineEdit* edit, const QString& filter, QString* lastName)
{
    // Only a file that exists can be chosen here; a new file's name is typed into the edit box.
    FileDialogSpec spec{tr("Save As"), filter, true, *lastName};
    const std::optional<QString> name = prompts.saveFileName(this, spec);
    if (!name)
        return;
    *lastName = *name;
    edit->setText(*name);
}

cairnly::ExportChoices ExportDialog::read() const
{
    cairnly::ExportChoices choices = accepted;
    choices.text = text.wanted->isChecked();
    choices.commaDelimited = commaDelimited.wanted->isChecked();
    choices.html = html.wanted->isChecked();
    choices.xml = xml.wanted->isChecked();
    choices.sendAsEmail = sendAsEmail->isChecked();
    choices.onlyChecked = onlyChecked->isChecked();
    choices.includeNotes = includeNotes->isChecked();
    const FormatLine* lines[] = {&text, &commaDelimited, &html, &xml};
    for (std::size_t i = 0; i < choices.paths.size(); ++i)
        choices.paths[i] = toPath(lines[i]->path->text());
    return choices;
}

void ExportDialog::accept()
{
    const cairnly::ExportChoices choices = read();
    if (const auto problem = cairnly::exportChoicesProblem(choices, listFiles)) {
        prompts.show(this, *problem);
        return;
    }
    accepted = choices;
    QDialog::accept();
}
