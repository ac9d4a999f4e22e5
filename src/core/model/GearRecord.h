#pragma once

#include "core/model/OwningList.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace cairnly {

// One line of the gear list: an item, a group row, a group member or the row showing a member under an
// expanded group. The texts are NUL-terminated Windows-1252 in fixed fields, because the first 241 or
// 249 bytes of the record are the data file's record image.
struct GearRecord
{
    char category[21] = {};
    char item[41] = {};
    char unitWeight[10] = {};
    char weight[10] = {};
    char notes[51] = {};
    uint8_t checked = 0;
    char multiplier[5] = {'1'};
    char groupWeight[10] = {};
    char collapsedLabel[43] = {};
    char expandedLabel[43] = {};
    uint8_t isMember = 0;
    uint8_t expanded = 0;
    GearRecord* parent = nullptr; // the group of a member record or member row; not owned
    std::unique_ptr<OwningList<GearRecord>> members;
    std::unique_ptr<OwningList<std::string>> columnTexts;

    GearRecord() = default;
    // A copy gets its own lists: copies of the members (whose group becomes the copy) and of the texts.
    GearRecord(const GearRecord& source);
    GearRecord& operator=(const GearRecord&) = delete;

    // category, item, unitWeight, weight, notes, groupWeight, checked and parent take part; nothing else.
    bool operator==(const GearRecord& other) const;
    // By the number in weight, in single precision.
    bool operator<(const GearRecord& other) const;

    bool isGroup() const { return members != nullptr; }

private:
    void copyFields(const GearRecord& source);
    void appendListsOf(const GearRecord& source);
};

// The record of unversioned data files.
struct UnversionedRecord
{
    char category[21] = {};
    char item[41] = {};
    char weight[10] = {};
    char notes[51] = {};
    uint8_t checked = 0;
};

template <std::size_t N>
std::string_view fieldText(const char (&field)[N])
{
    return std::string_view(field, strnlen(field, N));
}

// Cuts the text to the field's width less one and clears the rest of the field.
template <std::size_t N>
void setFieldText(char (&field)[N], std::string_view text)
{
    const std::size_t length = text.size() < N ? text.size() : N - 1;
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

template <std::size_t N>
constexpr std::size_t fieldCapacity(const char (&)[N])
{
    return N - 1;
}

inline constexpr std::size_t topLevelImageSize = 241;
inline constexpr std::size_t memberImageSize = 249;
inline constexpr std::size_t unversionedImageSize = 124;
// The longest weight text: the weight fields hold 9 characters.
inline constexpr std::size_t weightTextCapacity = 9;
// The longest user-column text, as the data file holds it.
inline constexpr std::size_t columnTextCapacity = 50;

// Writes the record image of imageSize bytes (241 or 249); the pointer slots are written as zeros.
void writeImage(const GearRecord& record, unsigned char* out, std::size_t imageSize);
// A new record from an image (at least 237 bytes); pointer slots are ignored, every text is cut to its
// field and the three flag bytes are read as 0 or 1.
std::unique_ptr<GearRecord> readImage(const unsigned char* image);

UnversionedRecord readUnversionedImage(const unsigned char* image);
std::unique_ptr<GearRecord> fromUnversioned(const UnversionedRecord& old);

// weight := unitWeight x multiplier with "%.2f". Refused, changing nothing, when the text would not fit.
bool computeWeight(GearRecord& record);
// The group's own weight plus every member's weight, in single precision.
float groupSum(const GearRecord& group);
// groupWeight := groupSum with "%.2f". Refused, changing nothing, when the text would not fit.
bool updateGroupWeight(GearRecord& group);

} // namespace cairnly
