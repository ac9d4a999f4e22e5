#include "core/settings/ProfileFile.h"

#include "core/files/AtomicFile.h"
#include "core/text/Cp1252.h"

namespace cairnly {
namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool hasLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool canBeSectionName(std::string_view name)
{
    return !name.empty() && trimmed(name).size() == name.size() && !hasLineBreakOrNul(name) &&
           name.find(']') == std::string_view::npos;
}

bool canBeKey(std::string_view key)
{
    return !key.empty() && trimmed(key).size() == key.size() && !hasLineBreakOrNul(key) &&
           key.find('=') == std::string_view::npos && key.front() != ';' && key.front() != '[';
}

} // namespace

ProfileFile ProfileFile::load(const std::filesystem::path& file)
{
    const WholeFile whole = readWholeFile(file, profileFileLimit);
    if (whole.read())
        return parse(whole.bytes());
    ProfileFile profile;
    if (whole.status == WholeFile::Status::Unreadable)
        profile.unreadable = whole.error;
    return profile;
}

ProfileFile ProfileFile::parse(std::string_view bytes)
{
    ProfileFile profile;
    if (bytes.starts_with(utf8ByteOrderMark)) {
        profile.byteOrderMark = true;
        bytes.remove_prefix(utf8ByteOrderMark.size());
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = bytes.size();
        profile.lines.push_back(parseLine(std::string(bytes.substr(start, end - start))));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return profile;
}

ProfileFile::Line ProfileFile::parseLine(std::string text)
{
    Line line;
    const std::string_view content = trimmed(text);
    if (content.empty() || content.front() == ';') {
        // blank line or comment
    } else if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.name = trimmed(content.substr(1, close - 1));
        }
    } else if (const std::size_t equals = content.find('='); equals != std::string_view::npos) {
        line.kind = LineKind::Entry;
        line.name = trimmed(content.substr(0, equals));
        line.value = trimmed(content.substr(equals + 1));
    }
    line.text = std::move(text);
    return line;
}

std::size_t ProfileFile::findSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == LineKind::Section && equalsNoCase(lines[i].name, section))
            return i;
    }
    return lines.size();
}

std::size_t ProfileFile::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < lines.size() && lines[i].kind != LineKind::Section)
        ++i;
    return i;
}

std::size_t ProfileFile::findEntry(std::string_view section, std::string_view key) const
{
    const std::size_t header = findSection(section);
    if (header == lines.size())
        return lines.size();
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines[i].kind == LineKind::Entry && equalsNoCase(lines[i].name, key))
            return i;
    }
    return lines.size();
}

std::optional<std::string> ProfileFile::readString(std::string_view section, std::string_view key) const
{
    const std::size_t entry = findEntry(section, key);
    if (entry == lines.size())
        return std::nullopt;
    std::string_view value = lines[entry].value;
    // A NUL ends the text, as it ends a C string.
    value = trimmed(value.substr(0, value.find('\0')));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    std::optional<std::string> value = readString(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

std::optional<std::vector<uint8_t>> ProfileFile::readStruct(std::string_view section, std::string_view key,
                                                            std::size_t size) const
{
    const std::size_t entry = findEntry(section, key);
    if (entry == lines.size())
        return std::nullopt;
    const std::string_view value = lines[entry].value;
    if (value.size() != 2 * (size + 1))
        return std::nullopt;
    std::vector<uint8_t> bytes(size + 1);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const int high = hexDigit(value[2 * i]);
        const int low = hexDigit(value[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    const uint8_t stored = bytes.back();
    bytes.pop_back();
    uint8_t sum = 0;
    for (uint8_t byte : bytes)
        sum = static_cast<uint8_t>(sum + byte);
    if (sum != stored)
        return std::nullopt;
    return bytes;
}

bool ProfileFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    if (!canBeSectionName(section) || !canBeKey(key) || !readsBackExactly(value))
        return false;
    if (const std::size_t entry = findEntry(section, key); entry != lines.size()) {
        // The key keeps the spelling it has in the file.
        lines[entry] = parseLine(lines[entry].name + "=" + std::string(value));
        return true;
    }
    const std::string entryText = std::string(key) + "=" + std::string(value);
    const std::size_t header = findSection(section);
    if (header == lines.size()) {
        lines.push_back(parseLine("[" + std::string(section) + "]"));
        lines.push_back(parseLine(entryText));
        return true;
    }
    // After the section's last line that is not blank, so blank lines before the next section stay there.
    std::size_t insertAt = sectionEnd(header);
    while (insertAt > header + 1 && trimmed(lines[insertAt - 1].text).empty())
        --insertAt;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), parseLine(entryText));
    return true;
}

bool ProfileFile::writeStruct(std::string_view section, std::string_view key, std::span<const uint8_t> bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(2 * (bytes.size() + 1));
    uint8_t sum = 0;
    auto append = [&](uint8_t byte) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    };
    for (uint8_t byte : bytes) {
        append(byte);
        sum = static_cast<uint8_t>(sum + byte);
    }
    append(sum);
    return writeString(section, key, text);
}

std::optional<int32_t> ProfileFile::readStructInt32(std::string_view section, std::string_view key) const
{
    const std::optional<std::vector<uint8_t>> bytes = readStruct(section, key, 4);
    if (!bytes)
        return std::nullopt;
    const auto& b = *bytes;
    return static_cast<int32_t>(uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24);
}

bool ProfileFile::writeStructInt32(std::string_view section, std::string_view key, int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                              static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)};
    return writeStruct(section, key, bytes);
}

bool ProfileFile::removeKey(std::string_view section, std::string_view key)
{
    const std::size_t entry = findEntry(section, key);
    if (entry == lines.size())
        return false;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(entry));
    return true;
}

std::string ProfileFile::serialize() const
{
    std::string bytes;
    if (byteOrderMark)
        bytes += utf8ByteOrderMark;
    for (const Line& line : lines) {
        bytes += line.text;
        bytes += "\r\n";
    }
    return bytes;
}

std::optional<std::string> ProfileFile::save(const std::filesystem::path& file) const
{
    if (unreadable)
        return unreadable;
    return writeFileAtomically(file, serialize());
}

bool ProfileFile::readsBackExactly(std::string_view value)
{
    if (hasLineBreakOrNul(value) || trimmed(value).size() != value.size())
        return false;
    const bool quoted =
        value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
    return !quoted;
}

} // namespace cairnly
