#include "core/text/Numbers.h"

#include <charconv>
#include <cstdlib>
#include <vector>

#include <clocale>
#include <locale.h>

namespace cairnly {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The length of the decimal number at the start of s (0 when there is none).
std::size_t decimalNumberLength(std::string_view s)
{
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

#ifdef _WIN32
double strtodC(const char* text)
{
    static const _locale_t c = _create_locale(LC_ALL, "C");
    return _strtod_l(text, nullptr, c);
}
#else
double strtodC(const char* text)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(text, nullptr, c);
}
#endif

template <class Real>
std::string formatWith(Real value, int decimals)
{
    char small[64];
    auto result = std::to_chars(small, small + sizeof small, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc{})
        return std::string(small, result.ptr);
    std::vector<char> large(5000 + static_cast<std::size_t>(decimals));
    result = std::to_chars(large.data(), large.data() + large.size(), value, std::chars_format::fixed, decimals);
    return std::string(large.data(), result.ptr);
}

#ifdef _WIN32
// MinGW's C++ library writes a long double through printf, which takes the decimal point of the locale.
std::string withDecimalDot(std::string text)
{
    const std::string point = std::localeconv()->decimal_point;
    if (const std::size_t at = text.find(point); point != "." && !point.empty() && at != std::string::npos)
        text.replace(at, point.size(), ".");
    return text;
}
#endif

} // namespace

double readNumber(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isSpace(text[start]))
        ++start;
    const std::string_view rest = text.substr(start);
    const std::size_t length = decimalNumberLength(rest);
    if (length == 0)
        return 0.0;
    // Only the validated span reaches strtod, so it can never take hexadecimal, "inf" or "nan".
    const std::string number(rest.substr(0, length));
    return strtodC(number.c_str());
}

std::string formatFixed(double value, int decimals)
{
    return formatWith(value, decimals);
}

std::string formatFixed(long double value, int decimals)
{
#ifdef _WIN32
    return withDecimalDot(formatWith(value, decimals));
#else
    return formatWith(value, decimals);
#endif
}

} // namespace cairnly
