#include "gui/dialogs/AlignmentBox.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* radioButton(const QString& text, const char* objectName, QWidget* parent)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

} // namespace

AlignmentBox::AlignmentBox(QWidget* parent) : QGroupBox(tr("Alignment:"), parent)
{
    setObjectName(QStringLiteral("alignmentGroupBox"));
    left = radioButton(tr("Left"), "leftRadioButton", this);
    center = radioButton(tr("Center"), "centerRadioButton", this);
    right = radioButton(tr("Right"), "rightRadioButton", this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(left);
    layout->addWidget(center);
    layout->addWidget(right);
    for (QRadioButton* button : {left, center, right})
        connect(button, &QRadioButton::toggled, this, &AlignmentBox::updateTabStop);
    left->setChecked(true);
}

void AlignmentBox::updateTabStop()
{
    // Tab reaches the checked button only, so the arrow keys then move the choice itself.
    for (QRadioButton* button : {left, center, right})
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

cairnly::ColumnFormat AlignmentBox::format() const
{
    if (center->isChecked())
        return cairnly::FormatCenter;
    return right->isChecked() ? cairnly::FormatRight : cairnly::FormatLeft;
}

void AlignmentBox::setFormat(cairnly::ColumnFormat format)
{
    (format == cairnly::FormatCenter ? center : format == cairnly::FormatRight ? right : left)->setChecked(true);
}
