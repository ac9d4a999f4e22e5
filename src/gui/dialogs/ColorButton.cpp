#include "gui/dialogs/ColorButton.h"

#include "gui/support/DialogRunner.h"
#include "gui/support/SystemColors.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// The colour as a person would name it, for the common ones; otherwise its hexadecimal value.
QString spokenName(const QColor& color)
{
    static const struct
    {
        QRgb rgb;
        const char* name;
    } names[] = {
        {qRgb(0, 0, 0), QT_TRANSLATE_NOOP("ColorButton", "black")},
        {qRgb(255, 255, 255), QT_TRANSLATE_NOOP("ColorButton", "white")},
        {qRgb(128, 128, 128), QT_TRANSLATE_NOOP("ColorButton", "grey")},
        {qRgb(192, 192, 192), QT_TRANSLATE_NOOP("ColorButton", "silver")},
        {qRgb(211, 211, 211), QT_TRANSLATE_NOOP("ColorButton", "light grey")},
        {qRgb(169, 169, 169), QT_TRANSLATE_NOOP("ColorButton", "dark grey")},
        {qRgb(255, 0, 0), QT_TRANSLATE_NOOP("ColorButton", "red")},
        {qRgb(128, 0, 0), QT_TRANSLATE_NOOP("ColorButton", "maroon")},
        {qRgb(255, 192, 203), QT_TRANSLATE_NOOP("ColorButton", "pink")},
        {qRgb(165, 42, 42), QT_TRANSLATE_NOOP("ColorButton", "brown")},
        {qRgb(255, 165, 0), QT_TRANSLATE_NOOP("ColorButton", "orange")},
        {qRgb(255, 255, 0), QT_TRANSLATE_NOOP("ColorButton", "yellow")},
        {qRgb(255, 255, 224), QT_TRANSLATE_NOOP("ColorButton", "light yellow")},
        {qRgb(128, 128, 0), QT_TRANSLATE_NOOP("ColorButton", "olive")},
        {qRgb(0, 255, 0), QT_TRANSLATE_NOOP("ColorButton", "lime")},
        {qRgb(0, 128, 0), QT_TRANSLATE_NOOP("ColorButton", "green")},
        {qRgb(144, 238, 144), QT_TRANSLATE_NOOP("ColorButton", "light green")},
        {qRgb(0, 128, 128), QT_TRANSLATE_NOOP("ColorButton", "teal")},
        {qRgb(0, 255, 255), QT_TRANSLATE_NOOP("ColorButton", "cyan")},
        {qRgb(173, 216, 230), QT_TRANSLATE_NOOP("ColorButton", "light blue")},
        {qRgb(0, 0, 255), QT_TRANSLATE_NOOP("ColorButton", "blue")},
        {qRgb(0, 0, 128), QT_TRANSLATE_NOOP("ColorButton", "navy")},
        {qRgb(128, 0, 128), QT_TRANSLATE_NOOP("ColorButton", "purple")},
        {qRgb(255, 0, 255), QT_TRANSLATE_NOOP("ColorButton", "magenta")},
    };
    for (const auto& known : names) {
        if ((known.rgb & RGB_MASK) == (color.rgb() & RGB_MASK))
            return ColorButton::tr(known.name);
    }
    return color.name(QColor::HexRgb).toUpper();
}

} // namespace

ColorButton::ColorButton(cairnly::ColorValue color, DialogRunner& dialogRunner, QWidget* parent)
    : QPushButton(parent), value(color), runner(dialogRunner)
{
    setAutoDefault(false);
    setMinimumSize(48, 22);
    connect(this, &QPushButton::clicked, this, &ColorButton::chooseColor);
    updateName();
}

void ColorButton::setLabelText(const QString& text)
{
    labelText = text;
    updateName();
}

void ColorButton::updateName()
{
    const QString colorName = spokenName(toQColor(value));
    setAccessibleName(labelText.isEmpty() ? colorName : tr("%1: %2").arg(labelText, colorName));
}

void ColorButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor color = toQColor(value);
    painter.fillRect(rect(), color);
    if (framed || isDown()) {
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
    // Chosen anew or kept, the colour now has its frame.
    framed = true;
    if (runner.run(dialog) == QDialog::Accepted) {
        value = toColorValue(dialog.selectedColor());
        updateName();
    }
    update();
}
