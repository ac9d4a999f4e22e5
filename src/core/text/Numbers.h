#pragma once

#include <string>
#include <string_view>

// Numbers held as text, read and written the same way whatever the process locale is.
namespace cairnly {

// The longest leading decimal number of the text, read as the C library's strtod reads decimal numbers
// (leading white space, optional sign, digits, optional fraction, optional exponent); hexadecimal,
// "inf" and "nan" are not numbers here. A text with no number reads as 0.
double readNumber(std::string_view text);

// As readNumber, rounded to single precision: weights are summed and compared in float.
inline float readWeight(std::string_view text)
{
    return static_cast<float>(readNumber(text));
}

// printf's "%.<decimals>f" in the C locale.
std::string formatFixed(double value, int decimals);
std::string formatFixed(long double value, int decimals);

} // namespace cairnly
