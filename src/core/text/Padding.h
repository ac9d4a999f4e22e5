#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The fixed-width lines of the reports: "%-Ns" and "%Ns", in bytes of the 8-bit code page.
namespace cairnly {

// The text followed by spaces up to the width; a longer text stays whole.
inline std::string padRight(std::string_view text, std::size_t width)
{
    std::string padded(text);
    if (padded.size() < width)
        padded.append(width - padded.size(), ' ');
    return padded;
}

// Spaces up to the width followed by the text; a longer text stays whole.
inline std::string padLeft(std::string_view text, std::size_t width)
{
    std::string padded(text.size() < width ? width - text.size() : 0, ' ');
    padded += text;
    return padded;
}

} // namespace cairnly
