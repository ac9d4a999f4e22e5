#pragma once

// Pieces for writing out the expected bytes of data files in tests.
#include <string>
#include <string_view>

namespace cairnly::test {

inline const std::string header = "Cairnly data file. Version 5.9\r\n";

inline std::string zeros(std::size_t n)
{
    return std::string(n, '\0');
}

// A text in a NUL-padded field of the given width.
inline std::string field(std::string_view text, std::size_t width)
{
    std::string f(text);
    f.resize(width, '\0');
    return f;
}

// The fields of a record image as the file lays them out.
struct Image
{
    std::string category{}, item{}, unitWeight{}, weight{}, notes{};
    char checked = 0;
    std::string multiplier = "1", groupWeight{}, collapsedLabel{}, expandedLabel{};
    char isMember = 0, expanded = 0;

    std::string top() const
    {
        return field(category, 21) + field(item, 41) + field(unitWeight, 10) + field(weight, 10) + field(notes, 51) +
               checked + field(multiplier, 5) + field(groupWeight, 10) + field(collapsedLabel, 43) +
               field(expandedLabel, 43) + isMember + expanded + zeros(4);
    }
    std::string member() const { return top() + zeros(8); }
};

// An item as the list writes it: weight is the unit weight times 1.
inline Image itemImage(const std::string& category, const std::string& name, const std::string& weight,
                       char checked = 0)
{
    Image image;
    image.category = category;
    image.item = name;
    image.unitWeight = weight;
    image.weight = weight + ".00";
    image.checked = checked;
    return image;
}

// The default categories, as a new list writes them, and after an editor read them back sorted.
inline const std::string defaultCategoryLines = "Sleeping\r\nTent\r\nClothes\r\nRain Gear\r\nMiscellaneous\r\n"
                                                "First Aid\r\nCooking\r\nBackpacks\r\n\r\n";
inline const std::string sortedCategoryLines = "Backpacks\r\nClothes\r\nCooking\r\nFirst Aid\r\nMiscellaneous\r\n"
                                               "Rain Gear\r\nSleeping\r\nTent\r\n\r\n";

inline const std::string count0("\0\0\0\0", 4);
inline const std::string count1("\1\0\0\0", 4);
inline const std::string count2("\2\0\0\0", 4);
inline const std::string countMinus1("\xFF\xFF\xFF\xFF", 4);
inline const std::string countHuge("\xFF\xFF\xFF\x7F", 4);

} // namespace cairnly::test
