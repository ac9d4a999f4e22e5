#pragma once

#include <QIcon>

#include <array>

// The icons of resources/cairnly.qrc are compiled into this static library, where nothing refers to
// them: a program registers them once with initIcons() before it shows any.
void initIcons();

// The names under ":/icons/", each "<name>.xpm": the push buttons of the main window and the dialogs, and
// the application.
inline constexpr std::array<const char*, 14> iconNames{"add",       "cairnly", "cancel", "clearselected", "close",
                                                       "configure", "convert", "delete", "export",        "font",
                                                       "modify",    "ok",      "print",  "totals"};

// The icon ":/icons/<name>.xpm"; its disabled look comes from QIcon.
QIcon cairnlyIcon(const char* name);
