#pragma once

#include <string>
#include <string_view>

namespace cairnly {

// A field as spreadsheets read it: quoted, with every double quote doubled, when it holds a comma, a
// double quote or a line break; otherwise as it is.
std::string csvField(std::string_view text);

} // namespace cairnly
