#include "core/list/ColumnMarks.h"

#include "core/text/Cp1252.h"

namespace cairnly {
namespace {

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

const char* markText(Mark mark)
{
    return mark == Mark::Worn ? "Worn" : "Consumable";
}

int columnHeaded(const std::vector<UserColumn>& columns, std::string_view heading)
{
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (equalsNoCase(trimmed(columns[k].heading), trimmed(heading)))
            return static_cast<int>(k);
    }
    return -1;
}

bool isMarkText(std::string_view text)
{
    for (const char* none : {"", "0", "no", "n", "false", "-"}) {
        if (equalsNoCase(text, none))
            return false;
    }
    return true;
}

std::string_view columnText(const GearRecord& record, int column)
{
    if (!record.columnTexts || column < 0)
        return {};
    // The const get: reading a text must not move the list's cursor.
    const OwningList<std::string>& texts = *record.columnTexts;
    const std::string* text = texts.get(column + 1);
    return text ? std::string_view(*text) : std::string_view();
}

void setColumnText(GearRecord& record, int column, std::string text)
{
    if (!record.columnTexts)
        record.columnTexts = std::make_unique<OwningList<std::string>>();
    while (record.columnTexts->count() < column + 1)
        record.columnTexts->add(std::make_unique<std::string>());
    auto replacement = std::make_unique<std::string>(std::move(text));
    record.columnTexts->replaceAt(column + 1, replacement);
}

} // namespace cairnly
