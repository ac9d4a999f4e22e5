#include "core/model/GearRecord.h"

#include "core/text/Numbers.h"

#include <vector>

namespace cairnly {
namespace {

// Field offsets of the record image.
constexpr std::size_t checkedOffset = 133;
constexpr std::size_t isMemberOffset = 235;
constexpr std::size_t expandedOffset = 236;
constexpr std::size_t pointerSlotsOffset = 237;

template <std::size_t N>
void putField(unsigned char* out, std::size_t& offset, const char (&field)[N])
{
    std::memcpy(out + offset, field, N);
    offset += N;
}

// The field's text up to its first NUL, cut to the field less one; the rest of the field is cleared.
template <std::size_t N>
void takeField(const unsigned char* in, std::size_t& offset, char (&field)[N])
{
    std::memcpy(field, in + offset, N - 1);
    const std::size_t length = strnlen(field, N - 1);
    std::memset(field + length, 0, N - length);
    offset += N;
}

// Adds copies of the source's elements to the target, keeping the source's order.
template <class T, class MakeCopy>
void appendCopies(OwningList<T>& target, const OwningList<T>& source, MakeCopy makeCopy)
{
    std::vector<const T*> walk;
    source.forEach([&](const T& element) { walk.push_back(&element); });
    for (auto it = walk.rbegin(); it != walk.rend(); ++it)
        target.add(makeCopy(**it));
}

void appendMemberCopies(OwningList<GearRecord>& target, const OwningList<GearRecord>& source, GearRecord* group)
{
    appendCopies(target, source, [group](const GearRecord& member) {
        auto copy = std::make_unique<GearRecord>(member);
        copy->parent = group;
        return copy;
    });
}

bool fitsWeightField(const std::string& text)
{
    return text.size() <= weightTextCapacity;
}

} // namespace

GearRecord::GearRecord(const GearRecord& source)
{
    copyFields(source);
    appendListsOf(source);
}

void GearRecord::copyFields(const GearRecord& source)
{
    std::memcpy(category, source.category, sizeof category);
    std::memcpy(item, source.item, sizeof item);
    std::memcpy(unitWeight, source.unitWeight, sizeof unitWeight);
    std::memcpy(weight, source.weight, sizeof weight);
    std::memcpy(notes, source.notes, sizeof notes);
    std::memcpy(multiplier, source.multiplier, sizeof multiplier);
    std::memcpy(groupWeight, source.groupWeight, sizeof groupWeight);
    std::memcpy(collapsedLabel, source.collapsedLabel, sizeof collapsedLabel);
    std::memcpy(expandedLabel, source.expandedLabel, sizeof expandedLabel);
    checked = source.checked;
    isMember = source.isMember;
    expanded = source.expanded;
    parent = source.parent;
}

void GearRecord::appendListsOf(const GearRecord& source)
{
    if (source.members) {
        if (!members)
            members = std::make_unique<OwningList<GearRecord>>();
        appendMemberCopies(*members, *source.members, this);
    }
    if (source.columnTexts) {
        if (!columnTexts)
            columnTexts = std::make_unique<OwningList<std::string>>();
        appendCopies(*columnTexts, *source.columnTexts,
                     [](const std::string& text) { return std::make_unique<std::string>(text); });
    }
}

bool GearRecord::operator==(const GearRecord& other) const
{
    return fieldText(category) == fieldText(other.category) && fieldText(item) == fieldText(other.item) &&
           fieldText(unitWeight) == fieldText(other.unitWeight) && fieldText(weight) == fieldText(other.weight) &&
           fieldText(notes) == fieldText(other.notes) && fieldText(groupWeight) == fieldText(other.groupWeight) &&
           checked == other.checked && parent == other.parent;
}

bool GearRecord::operator<(const GearRecord& other) const
{
    return readWeight(fieldText(weight)) < readWeight(fieldText(other.weight));
}

void writeImage(const GearRecord& record, unsigned char* out, std::size_t imageSize)
{
    std::size_t offset = 0;
    putField(out, offset, record.category);
    putField(out, offset, record.item);
    putField(out, offset, record.unitWeight);
    putField(out, offset, record.weight);
    putField(out, offset, record.notes);
    out[offset++] = record.checked;
    putField(out, offset, record.multiplier);
    putField(out, offset, record.groupWeight);
    putField(out, offset, record.collapsedLabel);
    putField(out, offset, record.expandedLabel);
    out[offset++] = record.isMember;
    out[offset++] = record.expanded;
    std::memset(out + pointerSlotsOffset, 0, imageSize - pointerSlotsOffset);
}

std::unique_ptr<GearRecord> readImage(const unsigned char* image)
{
    auto record = std::make_unique<GearRecord>();
    std::size_t offset = 0;
    takeField(image, offset, record->category);
    takeField(image, offset, record->item);
    takeField(image, offset, record->unitWeight);
    takeField(image, offset, record->weight);
    takeField(image, offset, record->notes);
    record->checked = image[checkedOffset] != 0;
    ++offset;
    takeField(image, offset, record->multiplier);
    takeField(image, offset, record->groupWeight);
    takeField(image, offset, record->collapsedLabel);
    takeField(image, offset, record->expandedLabel);
    record->isMember = image[isMemberOffset] != 0;
    record->expanded = image[expandedOffset] != 0;
    return record;
}

UnversionedRecord readUnversionedImage(const unsigned char* image)
{
    UnversionedRecord old;
    std::size_t offset = 0;
    takeField(image, offset, old.category);
    takeField(image, offset, old.item);
    takeField(image, offset, old.weight);
    takeField(image, offset, old.notes);
    old.checked = image[offset] != 0;
    return old;
}

std::unique_ptr<GearRecord> fromUnversioned(const UnversionedRecord& old)
{
    auto record = std::make_unique<GearRecord>();
    setFieldText(record->category, fieldText(old.category));
    setFieldText(record->item, fieldText(old.item));
    setFieldText(record->unitWeight, fieldText(old.weight));
    setFieldText(record->weight, fieldText(old.weight));
    setFieldText(record->notes, fieldText(old.notes));
    record->checked = old.checked;
    return record;
}

bool computeWeight(GearRecord& record)
{
    const double product = readNumber(fieldText(record.unitWeight)) * readNumber(fieldText(record.multiplier));
    const std::string text = formatFixed(product, 2);
    if (!fitsWeightField(text))
        return false;
    setFieldText(record.weight, text);
    return true;
}

float groupSum(const GearRecord& group)
{
    float sum = readWeight(fieldText(group.weight));
    if (group.members)
        group.members->forEach([&](const GearRecord& member) { sum += readWeight(fieldText(member.weight)); });
    return sum;
}

bool updateGroupWeight(GearRecord& group)
{
    const std::string text = formatFixed(static_cast<double>(groupSum(group)), 2);
    if (!fitsWeightField(text))
        return false;
    setFieldText(group.groupWeight, text);
    return true;
}

} // namespace cairnly
