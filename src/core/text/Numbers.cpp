#include "core/text/Numbers.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
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

// A number of at most 15 digits without exponent, as every weight text is: its digits make an integer a
// double holds exactly, and so does the power of ten it is divided by, so the correctly rounded quotient
// is the double nearest the number, exactly what strtod gives, without strtod's cost.
std::optional<double> shortDecimal(std::string_view number)
{
    constexpr double powersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = number[0] == '+' || number[0] == '-' ? 1 : 0;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1;
    for (; i < number.size(); ++i) {
        if (number[i] == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (!isDigit(number[i]) || ++count > 15)
            return std::nullopt;
        digits = digits * 10 + static_cast<std::uint64_t>(number[i] - '0');
        if (decimals >= 0)
            ++decimals;
    }
    const double value = static_cast<double>(digits) / powersOfTen[decimals < 0 ? 0 : decimals];
    return number[0] == '-' ? -value : value;
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
    if (const std::optional<double> value = shortDecimal(rest.substr(0, length)))
        return *value;
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
