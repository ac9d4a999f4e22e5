#include "gui/support/QtPrompts.h"

#include "gui/support/Text.h"

#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QStyle>

namespace {

QMessageBox::Icon iconOf(cairnly::MessageIcon icon)
{
    switch (icon) {
    case cairnly::MessageIcon::Information:
        return QMessageBox::Information;
    case cairnly::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case cairnly::MessageIcon::Question:
        return QMessageBox::Question;
    case cairnly::MessageIcon::Error:
        return QMessageBox::Critical;
    default:
        return QMessageBox::NoIcon;
    }
}

// A window manager shows as much of the caption as the box is wide, beside its icon and buttons. Qt leaves
// room for the caption in a plain font and little more, so a short text under a long caption had the
// caption cut; the box is made wide enough for it in a larger bold font, with the frame's four glyphs.
void makeRoomForCaption(QMessageBox& box)
{
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    QFont title = box.font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.25);
    const int glyphs = 4 * box.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + glyphs;
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

int runBox(QWidget* parent, const cairnly::Message& message, QMessageBox::StandardButtons buttons)
{
    const QString caption = message.caption.empty() ? QString::fromLatin1(cairnly::applicationName)
                                                    : QString::fromStdString(message.caption);
    QMessageBox box(iconOf(message.icon), caption, messageText(message.text), buttons, parent);
    box.setTextFormat(Qt::PlainText); // texts carry item names and paths, never markup
    makeRoomForCaption(box);
    return box.exec();
}

// The extension of a filter such as "Gear Weight Files (*.dat)".
QString suffixOf(const QString& filter)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogSpec& spec, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, spec.title, QString(), spec.filters);
    dialog.setAcceptMode(mode);
    const bool existing = mode == QFileDialog::AcceptOpen || spec.existingOnly;
    dialog.setFileMode(existing ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (spec.existingOnly)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!spec.startFile.isEmpty())
        dialog.selectFile(spec.startFile);
    // A name typed without an extension takes the one of the chosen filter.
    dialog.setDefaultSuffix(suffixOf(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace

void QtPrompts::show(QWidget* parent, const cairnly::Message& message)
{
    runBox(parent, message, QMessageBox::Ok);
}

bool QtPrompts::ask(QWidget* parent, const cairnly::Message& question)
{
    return runBox(parent, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::openFileName(QWidget* parent, const FileDialogSpec& spec)
{
    return runFileDialog(parent, spec, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPrompts::saveFileName(QWidget* parent, const FileDialogSpec& spec)
{
    return runFileDialog(parent, spec, QFileDialog::AcceptSave);
}

std::optional<QString> QtPrompts::inputText(QWidget* parent, const QString& caption, const QString& prompt,
                                            int maxLength)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText); // a prompt may quote a name the user typed
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setMaxLength(maxLength);
        edit->setValidator(new Cp1252Validator(edit));
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

int QtDialogRunner::run(QDialog& dialog)
{
    return dialog.exec();
}
