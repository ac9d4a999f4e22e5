#include "core/text/CsvField.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using cairnly::csvField;

TEST(CsvField, QuotesOnlyWhatASpreadsheetWouldMisread)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", ""},
        {"Tent", "Tent"},
        {"Caf\xE9 <&> 'x'", "Caf\xE9 <&> 'x'"},
        {"Stakes, 6", "\"Stakes, 6\""},
        {"12\" pad", "\"12\"\" pad\""},
        {"\"", "\"\"\"\""},
        {"line\nbreak", "\"line\nbreak\""},
        {"cr\rlf", "\"cr\rlf\""},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(csvField(text), expected) << text;
}
