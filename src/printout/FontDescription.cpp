#include "printout/FontDescription.h"

#include "core/text/Cp1252.h"

#include <algorithm>
#include <cstring>

QFont fontOf(const cairnly::LogFont& description, int pointSize)
{
    QFont font(QString::fromStdString(cairnly::toUtf8(
        std::string_view(description.faceName, strnlen(description.faceName, sizeof description.faceName)))));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize);
    if (description.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 1, 1000)));
    font.setItalic(description.italic != 0);
    font.setUnderline(description.underline != 0);
    font.setStrikeOut(description.strikeOut != 0);
    return font;
}

cairnly::LogFont descriptionOf(const QFont& font, const cairnly::LogFont& base)
{
    cairnly::LogFont description = base;
    if (const auto face = cairnly::fromUtf8(font.family().toStdString())) {
        std::memset(description.faceName, 0, sizeof description.faceName);
        std::memcpy(description.faceName, face->data(), std::min(face->size(), sizeof description.faceName - 1));
    }
    description.weight = font.weight();
    description.italic = font.italic() ? 1 : 0;
    description.underline = font.underline() ? 1 : 0;
    description.strikeOut = font.strikeOut() ? 1 : 0;
    return description;
}
