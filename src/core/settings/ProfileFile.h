#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cairnly {

// An INI file read and written as the Win32 profile calls do, so that a file written on either platform
// reads the same on the other. It is loaded once, changed in memory and saved whole; every line that is
// not changed is written back as it was, each ending in CR LF.
//
// Reading: section and key names match without regard to case; the first matching section and, in it,
// the first matching key count; values are trimmed of surrounding white space. Lines starting with ';'
// are comments. A line break is CR LF, CR or LF.
// The most a settings file is read: a hundred times what any holds. Each line takes some hundred bytes
// apart from its text, so a larger file of short lines would take more memory than a list ever does.
inline constexpr std::size_t profileFileLimit = std::size_t{256} << 10;

class ProfileFile
{
public:
    ProfileFile() = default;

    // The file's contents; an empty profile when the file is missing. A file that is there but cannot be
    // read (or is above profileFileLimit) also gives an empty profile, which keeps the system's text
    // (loadError) and is never saved.
    static ProfileFile load(const std::filesystem::path& file);
    static ProfileFile parse(std::string_view bytes);

    // The value as GetPrivateProfileStringA gives it: trimmed, a value enclosed in matching quotes (" or
    // ') without them, cut at a NUL byte. Empty when the section or the key is absent.
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;

    // A struct entry of exactly `size` bytes: two hexadecimal digits per byte (either case) and two for
    // the checksum, the sum of the bytes modulo 256. Empty when the entry is missing, has another length,
    // a digit that is not hexadecimal or a wrong checksum.
    std::optional<std::vector<uint8_t>> readStruct(std::string_view section, std::string_view key,
                                                   std::size_t size) const;

    // Sets the value: an existing key's line is replaced where it stands, a new key goes after the last
    // line of its section, a new section at the end of the file. Refused, changing nothing, when the
    // value would not read back exactly (see readsBackExactly) or the names cannot be stored.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    // Writes the bytes in uppercase hexadecimal followed by the checksum byte ("00" for no bytes).
    bool writeStruct(std::string_view section, std::string_view key, std::span<const uint8_t> bytes);
    // A 32-bit integer as a 4-byte little-endian struct entry.
    std::optional<int32_t> readStructInt32(std::string_view section, std::string_view key) const;
    bool writeStructInt32(std::string_view section, std::string_view key, int32_t value);
    // Removes the key's line; false when there was none.
    bool removeKey(std::string_view section, std::string_view key);

    // The whole file as it would be saved.
    std::string serialize() const;
    // Writes the file whole and atomically; the system's error text on failure. A profile whose file
    // could not be read is not written, so what the file holds is never lost: its loadError is returned.
    std::optional<std::string> save(const std::filesystem::path& file) const;
    const std::optional<std::string>& loadError() const { return unreadable; }

    // False for a value that reading would change: one holding a line break or a NUL, one beginning or
    // ending with white space, or one enclosed in matching quotes.
    static bool readsBackExactly(std::string_view value);

private:
    enum class LineKind
    {
        Other, // blank, comment or anything else that is not an entry
        Section,
        Entry
    };

    struct Line
    {
        std::string text;
        LineKind kind = LineKind::Other;
        std::string name;  // the section name or the key, trimmed
        std::string value; // an entry's value, trimmed
    };

    static Line parseLine(std::string text);
    // The index of the first section header of that name, or lines.size().
    std::size_t findSection(std::string_view section) const;
    // One past the last line of the section whose header is at the index.
    std::size_t sectionEnd(std::size_t header) const;
    // The index of the first entry of that key in the section, or lines.size().
    std::size_t findEntry(std::string_view section, std::string_view key) const;

    std::vector<Line> lines;
    bool byteOrderMark = false; // a UTF-8 byte-order mark that an editor put in front of the first line
    std::optional<std::string> unreadable;
};

} // namespace cairnly
