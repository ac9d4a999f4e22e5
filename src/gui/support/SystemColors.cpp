#include "gui/support/SystemColors.h"

#include <QApplication>
#include <QPalette>

namespace {

QPalette::ColorRole roleOf(int index)
{
    // The Windows indexes of the colours a list or a dialog is drawn in.
    switch (index) {
    case 5: // window
        return QPalette::Base;
    case 6:  // window frame
    case 16: // button shadow
        return QPalette::Dark;
    case 8: // window text
        return QPalette::Text;
    case 9:  // caption text
    case 18: // button text
        return QPalette::ButtonText;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 20: // button highlight
        return QPalette::Light;
    case 24: // info background
        return QPalette::ToolTipBase;
    default: // button face and everything else
        return QPalette::Button;
    }
}

} // namespace

cairnly::ColorValue systemColor(int index)
{
    return toColorValue(QApplication::palette().color(roleOf(index)));
}

QColor toQColor(cairnly::ColorValue value, const cairnly::SystemColors& systemColors)
{
    const cairnly::ColorValue rgb = cairnly::resolveColor(value, systemColors);
    return QColor(static_cast<int>(rgb & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                  static_cast<int>((rgb >> 16) & 0xFF));
}

cairnly::ColorValue toColorValue(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<cairnly::ColorValue>(rgb.red()) | (static_cast<cairnly::ColorValue>(rgb.green()) << 8) |
           (static_cast<cairnly::ColorValue>(rgb.blue()) << 16);
}
