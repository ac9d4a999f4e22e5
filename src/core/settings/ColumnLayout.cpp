#include "core/settings/ColumnLayout.h"

#include "core/settings/SettingsStore.h"

#include <algorithm>

namespace cairnly {
namespace {

ColumnFormat formatOf(int32_t format)
{
    return format == FormatRight || format == FormatCenter ? static_cast<ColumnFormat>(format) : FormatLeft;
}

} // namespace

const char* weightHeading(bool metric)
{
    return metric ? "Weight (gm)" : "Weight (oz)";
}

ColumnLayout columnLayout(const Settings& settings, int clientWidth)
{
    const int quarter = std::max(clientWidth, 0) / 4;
    ColumnLayout layout;
    layout.columns = {{"Category", FormatLeft, quarter},
                      {"Item", FormatCenter, quarter},
                      {weightHeading(settings.metric), FormatCenter, quarter},
                      {"Notes", FormatLeft, quarter}};
    const std::size_t userCount = std::min<std::size_t>(settings.userColumns.size(), maxUserColumns);
    for (std::size_t k = 0; k < userCount; ++k) {
        const UserColumn& column = settings.userColumns[k];
        layout.columns.push_back({column.heading, formatOf(column.format), quarter});
    }
    if (settings.columnWidthsRead && settings.columnWidths[0] != 0) {
        for (std::size_t i = 0; i < layout.columns.size(); ++i)
            layout.columns[i].width = settings.columnWidths[i] & 0xFFFF;
    }
    if (settings.columnOrder && isColumnPermutation(*settings.columnOrder, layout.columns.size()))
        layout.order.assign(settings.columnOrder->begin(), settings.columnOrder->end());
    return layout;
}

} // namespace cairnly
