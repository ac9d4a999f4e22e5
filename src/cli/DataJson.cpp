#include "cli/DataJson.h"

#include "core/text/Cp1252.h"

#include <algorithm>

namespace cairnly::cli {
namespace {

constexpr std::size_t categoryCapacity = 20;
constexpr std::size_t columnTextCapacity = 50;

// Positions 1 to count: the order of the file.
template <class T>
std::vector<const T*> inFileOrder(const OwningList<T>& list)
{
    std::vector<const T*> elements;
    list.forEach([&](const T& element) { elements.push_back(&element); });
    std::reverse(elements.begin(), elements.end());
    return elements;
}

Json recordToJson(const GearRecord& record)
{
    Json json = Json::object();
    json["category"] = toUtf8(fieldText(record.category));
    json["item"] = toUtf8(fieldText(record.item));
    json["unitWeight"] = toUtf8(fieldText(record.unitWeight));
    json["weight"] = toUtf8(fieldText(record.weight));
    json["notes"] = toUtf8(fieldText(record.notes));
    json["multiplier"] = toUtf8(fieldText(record.multiplier));
    json["groupWeight"] = toUtf8(fieldText(record.groupWeight));
    json["collapsedLabel"] = toUtf8(fieldText(record.collapsedLabel));
    json["expandedLabel"] = toUtf8(fieldText(record.expandedLabel));
    json["checked"] = int{record.checked};
    json["isMember"] = int{record.isMember};
    json["expanded"] = int{record.expanded};
    Json texts = Json::array();
    if (record.columnTexts) {
        for (const std::string* text : inFileOrder(*record.columnTexts))
            texts.push_back(toUtf8(*text));
    }
    json["columnTexts"] = std::move(texts);
    if (record.members) {
        Json members = Json::array();
        for (const GearRecord* member : inFileOrder(*record.members))
            members.push_back(recordToJson(*member));
        json["members"] = std::move(members);
    }
    return json;
}

[[noreturn]] void fail(const std::string& place, const std::string& problem)
{
    throw JsonFormatError(place.empty() ? problem : place + ": " + problem);
}

std::string keyPlace(const std::string& place, const char* key)
{
    return place.empty() ? std::string(key) : place + "." + key;
}

std::string indexed(const std::string& place, std::size_t index)
{
    return place + "[" + std::to_string(index) + "]";
}

const Json& valueOf(const Json& object, const char* key, const std::string& place)
{
    const auto found = object.find(key);
    if (found == object.end())
        fail(place, std::string("missing key \"") + key + "\"");
    return *found;
}

const Json& arrayAt(const Json& object, const char* key, const std::string& place)
{
    const Json& value = valueOf(object, key, place);
    if (!value.is_array())
        fail(keyPlace(place, key), "expected an array");
    return value;
}

// The text in Windows-1252, at most capacity bytes of it.
std::string textOf(const Json& value, std::size_t capacity, const std::string& place)
{
    if (!value.is_string())
        fail(place, "expected a string");
    const auto& utf8 = value.get_ref<const std::string&>();
    if (utf8.find('\0') != std::string::npos)
        fail(place, "holds a NUL character");
    std::optional<std::string> text = fromUtf8(utf8);
    if (!text)
        fail(place, "holds a character that has no Windows-1252 form");
    if (text->size() > capacity)
        fail(place, "longer than " + std::to_string(capacity) + " characters");
    return std::move(*text);
}

// A text the file holds as a line of its own: a line break would split it.
std::string lineTextOf(const Json& value, std::size_t capacity, const std::string& place)
{
    std::string text = textOf(value, capacity, place);
    if (text.find_first_of("\r\n") != std::string::npos)
        fail(place, "holds a line break");
    return text;
}

template <std::size_t N>
void setField(char (&field)[N], const Json& object, const char* key, const std::string& place)
{
    setFieldText(field, textOf(valueOf(object, key, place), N - 1, keyPlace(place, key)));
}

uint8_t flagOf(const Json& object, const char* key, const std::string& place)
{
    const Json& value = valueOf(object, key, place);
    if (!value.is_number_integer() || (value != 0 && value != 1))
        fail(keyPlace(place, key), "expected 0 or 1");
    return value == 1 ? 1 : 0;
}

std::unique_ptr<GearRecord> recordFromJson(const Json& json, const std::string& place, bool inGroup)
{
    if (!json.is_object())
        fail(place, "expected an object");
    auto record = std::make_unique<GearRecord>();
    setField(record->category, json, "category", place);
    setField(record->item, json, "item", place);
    setField(record->unitWeight, json, "unitWeight", place);
    setField(record->weight, json, "weight", place);
    setField(record->notes, json, "notes", place);
    setField(record->multiplier, json, "multiplier", place);
    setField(record->groupWeight, json, "groupWeight", place);
    setField(record->collapsedLabel, json, "collapsedLabel", place);
    setField(record->expandedLabel, json, "expandedLabel", place);
    record->checked = flagOf(json, "checked", place);
    record->isMember = flagOf(json, "isMember", place);
    record->expanded = flagOf(json, "expanded", place);

    const Json& texts = arrayAt(json, "columnTexts", place);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!record->columnTexts)
            record->columnTexts = std::make_unique<OwningList<std::string>>();
        record->columnTexts->add(std::make_unique<std::string>(
            lineTextOf(texts[i], columnTextCapacity, indexed(place + ".columnTexts", i))));
    }

    if (json.contains("members")) {
        if (inGroup)
            fail(place + ".members", "a member cannot hold members");
        const Json& members = arrayAt(json, "members", place);
        std::vector<std::unique_ptr<GearRecord>> inOrder;
        for (std::size_t i = 0; i < members.size(); ++i)
            inOrder.push_back(recordFromJson(members[i], indexed(place + ".members", i), true));
        // The writer walks from the element added last.
        record->members = std::make_unique<OwningList<GearRecord>>();
        for (auto it = inOrder.rbegin(); it != inOrder.rend(); ++it) {
            (*it)->parent = record.get();
            record->members->add(std::move(*it));
        }
    }
    return record;
}

} // namespace

const char* formatName(DataFormat format)
{
    switch (format) {
    case DataFormat::Current:
        return "5.9";
    case DataFormat::Version5:
        return "5";
    case DataFormat::Version4:
        return "4";
    case DataFormat::Unversioned:
        break;
    }
    return "unversioned";
}

Json contentsToJson(const DataFileContents& contents)
{
    Json json = Json::object();
    json["format"] = formatName(contents.format);
    Json categories = Json::array();
    for (const std::string& category : contents.categories)
        categories.push_back(toUtf8(category));
    json["categories"] = std::move(categories);
    Json rows = Json::array();
    for (const auto& record : contents.records)
        rows.push_back(recordToJson(*record));
    json["rows"] = std::move(rows);
    Json messages = Json::array();
    for (const Message& message : contents.messages)
        messages.push_back({{"text", message.text}, {"caption", message.caption}});
    json["messages"] = std::move(messages);
    return json;
}

std::vector<const GearRecord*> JsonList::rows() const
{
    std::vector<const GearRecord*> pointers;
    pointers.reserve(records.size());
    for (const auto& record : records)
        pointers.push_back(record.get());
    return pointers;
}

Json parseJson(std::string_view text)
{
    // What a value takes in memory at most: the value itself, its place in an object or array with room to
    // grow and the copy while that grows; a string or key longer than fits in place takes its characters
    // besides.
    constexpr std::size_t valueCost = 96;
    constexpr std::size_t inPlaceLength = 15;
    const std::size_t allowance = (std::size_t{32} << 20) + 8 * text.size();
    std::size_t used = 0;
    return Json::parse(text, [&](int, Json::parse_event_t event, const Json& parsed) {
        if (event == Json::parse_event_t::object_end || event == Json::parse_event_t::array_end)
            return true;
        used += valueCost;
        if (parsed.is_string() && parsed.get_ref<const std::string&>().size() > inPlaceLength)
            used += parsed.get_ref<const std::string&>().size() + 1;
        if (used > allowance)
            throw JsonTooLarge("too large");
        return true;
    });
}

JsonList listFromJson(const Json& json)
{
    if (!json.is_object())
        throw JsonFormatError("expected an object with \"categories\" and \"rows\"");
    JsonList list;
    const Json& categories = arrayAt(json, "categories", "");
    for (std::size_t i = 0; i < categories.size(); ++i) {
        const std::string place = indexed("categories", i);
        std::string category = lineTextOf(categories[i], categoryCapacity, place);
        // An empty line ends the categories in the file.
        if (category.empty())
            fail(place, "empty");
        list.categories.push_back(std::move(category));
    }
    const Json& rows = arrayAt(json, "rows", "");
    for (std::size_t i = 0; i < rows.size(); ++i)
        list.records.push_back(recordFromJson(rows[i], indexed("rows", i), false));
    return list;
}

} // namespace cairnly::cli
