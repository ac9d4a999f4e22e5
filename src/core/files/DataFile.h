#pragma once

#include "core/model/GearRecord.h"
#include "core/model/Message.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cairnly {

enum class DataFormat
{
    Current,    // "5.7", "5.8" or "5.9" in the header
    Version5,   // member blocks without texts
    Version4,   // no texts at all
    Unversioned // bare 124-byte records
};

// What reading a data file gives: the caller turns the records into rows.
struct DataFileContents
{
    enum class Outcome
    {
        Read,       // the file was read (only in part when it is damaged)
        Missing,    // there is no such file: the default categories, no records, no message
        Unreadable, // it is there but cannot be read: the default categories, no records, "Unable to Open!"
        Refused     // not a Cairnly file, or a Version 3 file: nothing read, one message
    };

    Outcome outcome = Outcome::Read;
    bool damaged = false;  // reading stopped at damage (a bad count, a cut record): some rows may be lost
    bool tooLarge = false; // unreadable as larger than any list: its message says so
    std::string readError; // the system's text, when missing or unreadable
    DataFormat format = DataFormat::Current;
    std::vector<std::string> categories;
    std::vector<std::unique_ptr<GearRecord>> records; // top-level records in file order
    std::vector<std::string> groupNames;              // the name of every group met, in file order
    std::vector<Message> messages;
};

// No real list has more than a few dozen categories: a file with more names than this is damaged, and
// reading stops there.
inline constexpr std::size_t maxCategories = 10000;

// The header of a current-format data file, which begins every file the program writes.
inline constexpr std::string_view dataFileHeader = "Cairnly data file. Version 5.9\r\n";

// "NAME is too large to be a Cairnly list": for a file above wholeFileLimit.
std::string tooLargeText(const std::filesystem::path& file);

// The categories a list starts with when there is no data file.
const std::vector<std::string>& defaultCategories();

// Reads at most wholeFileLimit bytes. What the reader builds stays within a small multiple of the file's
// size: a file whose texts would take more is damaged, and reading stops there.
DataFileContents readDataFile(const std::filesystem::path& file);
DataFileContents parseDataFile(std::string_view bytes);

// The bytes of a current-format data file: the categories, then one block per top-level record in the
// given order. A group record is written with expanded 0, the record's checked byte as it stands.
std::string formatDataFile(const std::vector<std::string>& categories, const std::vector<const GearRecord*>& rows);

// Writes the bytes of formatDataFile safely; returns the system's error text on failure.
std::optional<std::string> writeDataFile(const std::filesystem::path& file, const std::vector<std::string>& categories,
                                         const std::vector<const GearRecord*>& rows);

} // namespace cairnly
