#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Texts of records and files are 8-bit Windows-1252; the GUI and the command-line tool speak UTF-8.
namespace cairnly {

// The Unicode code point of a byte; the five bytes Windows-1252 leaves undefined give the C1 controls of
// the same value.
char32_t codePointOf(unsigned char byte);

// Every byte has a UTF-8 form; the five bytes Windows-1252 leaves undefined map to the C1 controls of
// the same value, so a round trip keeps every byte.
std::string toUtf8(std::string_view cp1252);

// Empty when the text is not valid UTF-8 or holds a character with no Windows-1252 form (NUL included,
// since record texts end at a NUL).
std::optional<std::string> fromUtf8(std::string_view utf8);

// For text from outside that must be taken whatever it holds: a character with no Windows-1252 form or
// a byte that is not UTF-8 becomes "?", a line break or other control character a space. changed is set
// when anything was replaced.
std::string fromUtf8Replacing(std::string_view utf8, bool& changed);

// True when the Unicode code point has a Windows-1252 form other than NUL.
bool hasCp1252Form(char32_t codePoint);

// Letters of Windows-1252 folded to small letters: A-Z and the accented capitals.
unsigned char foldCase(unsigned char c);

// The text with every letter folded: comparing folded texts byte by byte is comparing without regard
// to case, so sort keys can be folded once.
std::string foldText(std::string_view text);

// Compares without regard to case: both texts folded, then compared byte by byte (-1, 0 or 1).
int compareNoCase(std::string_view a, std::string_view b);

inline bool equalsNoCase(std::string_view a, std::string_view b)
{
    return compareNoCase(a, b) == 0;
}

// Sorts names as a sorted list box shows them: alphabetically without regard to case, names that
// compare equal keeping their order.
void sortInBoxOrder(std::vector<std::string>& names);

} // namespace cairnly
