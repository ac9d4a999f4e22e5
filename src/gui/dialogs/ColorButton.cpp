#include "gui/dialogs/ColorButton.h"

#include "gui/support/DialogRunner.h"
#include "gui/support/SystemColors.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionFocusRect>

ColorButton::ColorButton(cairnly::ColorValue color, DialogRunner& dialogRunner, QWidget* parent)
    : QPushButton(parent), value(color), runner(dialogRunner)
{
    setAutoDefault(false);
    setMinimumSize(48, 22);
    connect(this, &QPushButton::clicked, this, &ColorButton::chooseColor);
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor color = toQColor(value);
    painter.fillRect(rect(), color);
    if (isDown()) {
        painter.setPen(Qt::white);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        focus.backgroundColor = color;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ColorButton::chooseColor()
{
    QColorDialog dialog(toQColor(value), this);
    dialog.setObjectName(QStringLiteral("colorDialog"));
    // Qt's own dialog: it shows the custom colours, which a desktop's dialog may not.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    // The custom colours are shared by every colour dialog of the program, so all of them are set each time:
    // the current colour, then greys from 0x101010 to 0xF0F0F0.
    QColorDialog::setCustomColor(0, toQColor(value));
    for (int i = 1; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, QColor(0x10 * i, 0x10 * i, 0x10 * i));
    if (runner.run(dialog) != QDialog::Accepted)
        return;
    value = toColorValue(dialog.selectedColor());
    update();
}
