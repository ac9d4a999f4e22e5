#pragma once

#include "settings/Settings.h"

// The colour a Windows system colour index stands for here, taken from the application's palette, as a
// COLORREF 0x00BBGGRR.
cairnly::ColorValue systemColor(int index);
