#pragma once

#include "core/files/DataFile.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <stdexcept>
#include <string>
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

// Takes the form contentsToJson gives; "format" and "messages" are not needed. Members are added so
// that the writer writes them in the JSON's order. Throws JsonFormatError.
JsonList listFromJson(const Json& json);

} // namespace cairnly::cli
