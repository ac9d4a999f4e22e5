#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

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

// A path as messages show it, in UTF-8.
inline std::string pathText(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A path from UTF-8 text, whole on every system: a path made from a plain string would take it in the
// ANSI code page on Windows.
inline std::filesystem::path pathFromText(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// The application's name: the frame's title, the first part of every window title and the caption of
// messages that have none of their own.
inline constexpr const char* applicationName = "Cairnly";

// A file that is there but cannot be read.
inline Message unableToOpen(const std::filesystem::path& file)
{
    return {pathText(file), "Unable to Open!", MessageIcon::Exclamation, MessageButtons::Ok};
}

// A file that could not be written, in the system's words or ours.
inline Message writeError(std::string text)
{
    return {std::move(text), "Error", MessageIcon::Exclamation, MessageButtons::Ok};
}

// Something the user should know that is no failure.
inline Message notice(std::string text)
{
    return {std::move(text), applicationName, MessageIcon::Exclamation, MessageButtons::Ok};
}

} // namespace cairnly
