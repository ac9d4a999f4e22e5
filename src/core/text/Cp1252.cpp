#include "core/text/Cp1252.h"

#include <algorithm>
#include <array>

namespace cairnly {
namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> highControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                   0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<unsigned char> byteFor(char32_t cp)
{
    if (cp == 0)
        return std::nullopt;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<unsigned char>(cp);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == cp)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one code point of strict UTF-8 (no overlong forms, no surrogates); empty on a bad sequence.
std::optional<char32_t> decodeUtf8(std::string_view s, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t cp = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (i + extra >= s.size())
        return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += extra + 1;
    return cp;
}

} // namespace

char32_t codePointOf(unsigned char byte)
{
    return (byte >= 0x80 && byte < 0xA0) ? highControls[byte - 0x80] : char32_t{byte};
}

std::string toUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (char ch : cp1252)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(ch)));
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = decodeUtf8(utf8, i);
        if (!cp)
            return std::nullopt;
        const auto byte = byteFor(*cp);
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string fromUtf8Replacing(std::string_view utf8, bool& changed)
{
    std::string out;
    out.reserve(utf8.size());
    changed = false;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto cp = decodeUtf8(utf8, i);
        if (!cp)
            ++i;
        const bool control = cp && (*cp < 0x20 || (*cp >= 0x7F && *cp < 0xA0));
        const auto byte = cp && !control ? byteFor(*cp) : std::nullopt;
        if (byte) {
            out += static_cast<char>(*byte);
        } else {
            out += control ? ' ' : '?';
            changed = true;
        }
    }
    return out;
}

bool hasCp1252Form(char32_t codePoint)
{
    return byteFor(codePoint).has_value();
}

unsigned char foldCase(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    if (c == 0x8A || c == 0x8C || c == 0x8E) // S, OE and Z with caron or ligature
        return static_cast<unsigned char>(c + 0x10);
    if (c == 0x9F) // Y with diaeresis
        return 0xFF;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // accented capitals, but not the multiplication sign
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

std::string foldText(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(foldCase(static_cast<unsigned char>(c)));
    return out;
}

int compareNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = foldCase(static_cast<unsigned char>(a[i]));
        const unsigned char y = foldCase(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void sortInBoxOrder(std::vector<std::string>& names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return compareNoCase(a, b) < 0; });
}

} // namespace cairnly
