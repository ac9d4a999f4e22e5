#include "core/files/DataFile.h"

#include "core/files/AtomicFile.h"

#include <algorithm>
#include <cstring>

namespace cairnly {
namespace {

constexpr std::string_view currentHeader = dataFileHeader;
constexpr std::string_view lineEnd = "\r\n";

// Only the start of the header line decides; the rest of a longer line is skipped.
constexpr std::size_t headerLimit = 54;
constexpr std::size_t categoryLimit = 20;
constexpr std::size_t columnTextLimit = 50;

constexpr std::size_t countSize = 4;
constexpr std::size_t expandedOffset = 236;

// Which blocks of the versioned formats carry column texts.
struct BlockLayout
{
    bool memberTexts;
    bool rowTexts;
};

// A cursor over the file's bytes. A read that finds too few bytes uses up the rest, as a short read at
// the end of a file does.
class ByteReader
{
public:
    explicit ByteReader(std::string_view bytes) : bytes(bytes) {}

    bool atEnd() const { return position >= bytes.size(); }
    std::size_t left() const { return bytes.size() - position; }

    // The next line without its LF and without a CR that ends it. The last line may lack a line end.
    std::string_view line()
    {
        const char* start = bytes.data() + position;
        const std::size_t rest = bytes.size() - position;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', rest));
        const std::size_t length = lf ? static_cast<std::size_t>(lf - start) : rest;
        position += lf ? length + 1 : length;
        std::string_view text(start, length);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        return text;
    }

    // The next n bytes, or null when fewer are left.
    const unsigned char* take(std::size_t n)
    {
        if (bytes.size() - position < n) {
            position = bytes.size();
            return nullptr;
        }
        const auto* start = reinterpret_cast<const unsigned char*>(bytes.data() + position);
        position += n;
        return start;
    }

    // Reading stops here: the rest is passed over as if the file ended.
    void stop() { position = bytes.size(); }

    // A little-endian 32-bit count, or none when the file ends before it.
    std::optional<int32_t> count()
    {
        const unsigned char* p = take(countSize);
        if (!p)
            return std::nullopt;
        const uint32_t value = uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
        return static_cast<int32_t>(value);
    }

private:
    std::string_view bytes;
    std::size_t position = 0;
};

// Texts are C strings in the program, so a NUL ends one; a text longer than its field is cut.
std::string lineText(std::string_view line, std::size_t limit)
{
    return std::string(line.substr(0, std::min(line.find('\0'), limit)));
}

bool contains(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

DataFormat formatOf(std::string_view header)
{
    if (contains(header, "5.7") || contains(header, "5.8") || contains(header, "5.9"))
        return DataFormat::Current;
    if (contains(header, "Version 5"))
        return DataFormat::Version5;
    if (contains(header, "Version 4"))
        return DataFormat::Version4;
    return DataFormat::Unversioned;
}

BlockLayout layoutOf(DataFormat format)
{
    return {format == DataFormat::Current, format != DataFormat::Version4};
}

// Each text costs a list node and a string, some 80 bytes however short its line, so a file of empty
// lines would take a hundred times its size. This many texts are more than any real list holds, and keep
// what a file's texts take within 3 times its size past the first 20 MB.
std::size_t textAllowance(std::size_t fileSize)
{
    return 250000 + fileSize / 32;
}

// False when there are more categories than any list has: the file is damaged.
bool readCategories(ByteReader& in, std::vector<std::string>& categories)
{
    while (!in.atEnd()) {
        const std::string_view line = in.line();
        // An empty line ends the list; so does a NUL, which makes an empty C string.
        if (line.empty() || line.front() == '\r' || line.front() == '\0')
            return true;
        if (categories.size() == maxCategories)
            return false;
        categories.push_back(lineText(line, categoryLimit));
    }
    return true;
}

// Reads the count's lines into a new list, adding them in file order. A count cut off by the end of
// the file reads as 0, and a count beyond the file's end reads the lines there are; either marks the
// file damaged, and so do more texts than the file's allowance leaves, which end the reading as the end
// of the file would. False for a negative count, which only a damaged file holds.
bool readTexts(ByteReader& in, std::unique_ptr<OwningList<std::string>>& texts, std::size_t& textsLeft, bool& damaged)
{
    const std::optional<int32_t> count = in.count();
    if (!count || *count < 0) {
        damaged = true;
        return !count;
    }
    if (*count == 0)
        return true;
    texts = std::make_unique<OwningList<std::string>>();
    for (int32_t i = 0; i < *count; ++i) {
        if (in.atEnd()) {
            damaged = true;
            break;
        }
        if (textsLeft == 0) {
            damaged = true;
            in.stop();
            break;
        }
        --textsLeft;
        texts->add(std::make_unique<std::string>(lineText(in.line(), columnTextLimit)));
    }
    return true;
}

// One row block. False when reading ends: at the end of the file, or at a record image cut short or a
// negative count, which mark the file damaged; the record being built is then dropped.
bool readBlock(ByteReader& in, BlockLayout layout, std::size_t& textsLeft, DataFileContents& contents)
{
    if (in.atEnd())
        return false;
    const unsigned char* image = in.take(topLevelImageSize);
    if (!image) {
        contents.damaged = true;
        return false;
    }
    std::unique_ptr<GearRecord> record = readImage(image);

    // A member count cut off by the end of the file reads as 0: the record stands.
    const std::optional<int32_t> memberCount = in.count();
    if (!memberCount || *memberCount < 0) {
        contents.damaged = true;
        if (memberCount)
            return false;
    } else if (*memberCount != 0) {
        record->members = std::make_unique<OwningList<GearRecord>>();
        // Each member needs bytes, so a huge count stops at the end of the file. A member cut short by
        // it is dropped.
        for (int32_t i = 0; i < *memberCount; ++i) {
            const unsigned char* memberImage = in.take(memberImageSize);
            if (!memberImage) {
                contents.damaged = true;
                break;
            }
            std::unique_ptr<GearRecord> member = readImage(memberImage);
            if (layout.memberTexts && !readTexts(in, member->columnTexts, textsLeft, contents.damaged))
                return false;
            member->parent = record.get();
            record->members->add(std::move(member));
        }
    }
    if (layout.rowTexts && !readTexts(in, record->columnTexts, textsLeft, contents.damaged))
        return false;

    if (record->isGroup())
        contents.groupNames.emplace_back(fieldText(record->item));
    contents.records.push_back(std::move(record));
    return true;
}

void appendCount(std::string& out, int32_t count)
{
    const auto value = static_cast<uint32_t>(count);
    const char bytes[countSize] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                                   static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 24) & 0xFF)};
    out.append(bytes, countSize);
}

// A text line as "%s\r\n" writes it: up to the first NUL.
void appendLine(std::string& out, const std::string& text)
{
    out.append(text.data(), std::min(text.find('\0'), text.size()));
    out += lineEnd;
}

class BlockWriter
{
public:
    explicit BlockWriter(std::string& out) : out(out) {}

    void row(const GearRecord& record)
    {
        const std::size_t at = appendImage(record, topLevelImageSize);
        // The file holds every group collapsed; the record keeps its state.
        if (record.isGroup())
            out[at + expandedOffset] = 0;
        if (!record.members) {
            appendCount(out, 0);
        } else {
            const OwningList<GearRecord>& members = *record.members;
            appendCount(out, members.count());
            members.forEach([this](const GearRecord& member) {
                appendImage(member, memberImageSize);
                texts(member);
            });
        }
        texts(record);
    }

private:
    std::size_t appendImage(const GearRecord& record, std::size_t size)
    {
        const std::size_t at = out.size();
        out.resize(at + size);
        writeImage(record, reinterpret_cast<unsigned char*>(out.data() + at), size);
        return at;
    }

    // The count, then the texts at positions 1 to count: the reverse of the walk.
    void texts(const GearRecord& record)
    {
        if (!record.columnTexts) {
            appendCount(out, 0);
            return;
        }
        const OwningList<std::string>& list = *record.columnTexts;
        walk.clear();
        list.forEach([this](const std::string& text) { walk.push_back(&text); });
        appendCount(out, list.count());
        for (auto it = walk.rbegin(); it != walk.rend(); ++it)
            appendLine(out, **it);
    }

    std::string& out;
    std::vector<const std::string*> walk;
};

// Enough for a typical block (image, counts and two short texts), so the output rarely grows.
constexpr std::size_t typicalBlockSize = topLevelImageSize + 2 * countSize + 2 * 16;

} // namespace

const std::vector<std::string>& defaultCategories()
{
    static const std::vector<std::string> categories = {"Sleeping",      "Tent",      "Clothes", "Rain Gear",
                                                        "Miscellaneous", "First Aid", "Cooking", "Backpacks"};
    return categories;
}

std::string tooLargeText(const std::filesystem::path& file)
{
    return pathText(file) + " is too large to be a Cairnly list";
}

DataFileContents readDataFile(const std::filesystem::path& file)
{
    const WholeFile whole = readWholeFile(file);
    if (whole.read())
        return parseDataFile(whole.bytes());
    DataFileContents contents;
    contents.categories = defaultCategories();
    contents.readError = whole.error;
    contents.tooLarge = whole.tooLarge;
    if (whole.status == WholeFile::Status::Missing) {
        contents.outcome = DataFileContents::Outcome::Missing;
    } else if (whole.tooLarge) {
        contents.outcome = DataFileContents::Outcome::Unreadable;
        // The reason, not just the name: nothing else tells a huge file from one that cannot be opened.
        contents.messages.push_back({tooLargeText(file), "Unable to Open!", MessageIcon::Exclamation});
    } else {
        contents.outcome = DataFileContents::Outcome::Unreadable;
        contents.messages.push_back(unableToOpen(file));
    }
    return contents;
}

DataFileContents parseDataFile(std::string_view bytes)
{
    DataFileContents contents;
    ByteReader in(bytes);

    const std::string header = lineText(in.line(), headerLimit);
    if (!contains(header, "Cairnly")) {
        contents.outcome = DataFileContents::Outcome::Refused;
        contents.messages.push_back({"Not a Cairnly data file", "GearData.dat", MessageIcon::Error});
        return contents;
    }
    if (contains(header, "Version 3")) {
        contents.outcome = DataFileContents::Outcome::Refused;
        contents.messages.push_back(
            {"Version 5 requires a GearData.dat file in version 4 or 5 format", applicationName, MessageIcon::Error});
        return contents;
    }
    contents.format = formatOf(header);

    if (!readCategories(in, contents.categories)) {
        contents.damaged = true;
        return contents;
    }

    // Room for as many records as the rest of the file could hold, so the list never grows by copying.
    if (contents.format == DataFormat::Unversioned) {
        contents.records.reserve(in.left() / unversionedImageSize);
        while (!in.atEnd()) {
            const unsigned char* image = in.take(unversionedImageSize);
            if (!image) {
                contents.damaged = true;
                break;
            }
            contents.records.push_back(fromUnversioned(readUnversionedImage(image)));
        }
        return contents;
    }
    const BlockLayout layout = layoutOf(contents.format);
    contents.records.reserve(in.left() / (topLevelImageSize + countSize));
    std::size_t textsLeft = textAllowance(bytes.size());
    while (readBlock(in, layout, textsLeft, contents)) {
    }
    return contents;
}

std::string formatDataFile(const std::vector<std::string>& categories, const std::vector<const GearRecord*>& rows)
{
    std::string out;
    out.reserve(currentHeader.size() + categories.size() * 24 + lineEnd.size() + rows.size() * typicalBlockSize);
    out += currentHeader;
    for (const std::string& category : categories)
        appendLine(out, category);
    out += lineEnd;
    BlockWriter writer(out);
    for (const GearRecord* row : rows)
        writer.row(*row);
    return out;
}

std::optional<std::string> writeDataFile(const std::filesystem::path& file, const std::vector<std::string>& categories,
                                         const std::vector<const GearRecord*>& rows)
{
    return writeFileAtomically(file, formatDataFile(categories, rows));
}

} // namespace cairnly
