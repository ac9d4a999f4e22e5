#pragma once

#include <string>

namespace cairnly {

enum class MessageIcon
{
    None,
    Information,
    Exclamation,
    Question,
    Error
};

enum class MessageButtons
{
    Ok,
    YesNo
};

// A message box the GUI shows for the core: text and caption in UTF-8.
struct Message
{
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;

    bool operator==(const Message&) const = default;
};

// The application's name: the frame's title, the first part of every window title and the caption of
// messages that have none of their own.
inline constexpr const char* applicationName = "Cairnly";

} // namespace cairnly
