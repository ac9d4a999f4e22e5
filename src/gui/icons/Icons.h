#pragma once

#include <QIcon>

#include <array>

// The icons of resources/cairnly.qrc are compiled into this static library, where nothing refers to
// them: a program registers them once with initIcons() before it shows any.
void initIcons();

// The names under ":/icons/", each "<name>.xpm": the main window's push buttons and the application.
inline constexpr std::array<const char*, 11> iconNames{"add",       "cairnly", "clearselected", "close",
                                                       "configure", "convert", "delete",        "export",
                                                       "modify",    "print",   "totals"};

// The icon ":/icons/<name>.xpm"; its disabled look comes from QIcon.
QIcon cairnlyIcon(const char* name);
