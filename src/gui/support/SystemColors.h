#pragma once

#include "core/settings/SettingsStore.h"

#include <QColor>

// The colour a Windows system colour index stands for here, taken from the application's palette, as a
// COLORREF 0x00BBGGRR.
cairnly::ColorValue systemColor(int index);

// A colour value as Qt draws it; a system colour is looked up in the table, the application's palette
// unless another is given.
QColor toQColor(cairnly::ColorValue value, const cairnly::SystemColors& systemColors = systemColor);
// The COLORREF of a Qt colour (its alpha is dropped).
cairnly::ColorValue toColorValue(const QColor& color);
