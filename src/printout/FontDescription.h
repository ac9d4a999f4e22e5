#pragma once

#include "core/settings/Settings.h"

#include <QFont>

// The font a printing font description names, at a size in points.
QFont fontOf(const cairnly::LogFont& description, int pointSize);

// The description of a font: face name, weight, italic, underline and strike-out from the font, every
// other field from the base. A family name without a Windows-1252 form keeps the base's face; a longer one
// than the description holds is cut. The height is left to the printing font rules.
cairnly::LogFont descriptionOf(const QFont& font, const cairnly::LogFont& base);
