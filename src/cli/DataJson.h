#pragma once

#include "core/files/DataFile.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// The JSON form of a data file that cairnly-data prints and takes back.
namespace cairnly::cli {

// Keys stay in the order they are set, so the output reads like the record.
using Json = nlohmann::ordered_json;

// "5.9", "5", "4" or "unversioned".
const char* formatName(DataFormat format);

// {"format", "categories", "rows", "messages"}, texts in UTF-8; members and column texts in file order.
Json contentsToJson(const DataFileContents& contents);

// A list to write: categories and records in Windows-1252, ready for writeDataFile.
struct JsonList
{
    std::vector<std::string> categories;
    std::vector<std::unique_ptr<GearRecord>> records;

    std::vector<const GearRecord*> rows() const;
};

// JSON that does not describe a list. The text names the place first, as in "rows[2].notes: ...".
class JsonFormatError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// JSON text that would take more memory than any list's: more than 8 times its size past the first 32 MB.
class JsonTooLarge : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Parses the text as Json::parse does, but gives up with JsonTooLarge once what it has built passes the
// text's allowance: a file of brackets or empty strings would otherwise take fifty times its size.
Json parseJson(std::string_view text);

// Takes the form contentsToJson gives; "format" and "messages" are not needed. Members are added so
// that the writer writes them in the JSON's order. Throws JsonFormatError.
JsonList listFromJson(const Json& json);

} // namespace cairnly::cli
