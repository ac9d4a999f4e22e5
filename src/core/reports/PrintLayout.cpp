#include "core/reports/PrintLayout.h"

#include "core/model/Message.h"
#include "core/text/Cp1252.h"
#include "core/text/Numbers.h"
#include "core/text/Padding.h"

#include <algorithm>
#include <string_view>

namespace cairnly {
namespace {

constexpr int minimumLineCharacters = 69;
constexpr int smallestFontPoints = 2;
constexpr std::string_view heading = "Category              Item                                  Wt. (oz/gm)";
constexpr std::size_t ruleLength = 71;

// "__%-21s%-41s%-10s"
std::string rowLine(std::string_view category, std::string_view item, std::string_view weight)
{
    return "__" + padRight(category, 21) + padRight(item, 41) + padRight(weight, 10);
}

// "%-21s%-40s%7.2f" with a single space
std::string sumLine(std::string_view label, float sum)
{
    return padRight(" ", 21) + padRight(label, 40) + padLeft(formatFixed(static_cast<double>(sum), 2), 7);
}

struct Metrics
{
    int points = 0;
    int lineHeight = 1;
    int characterWidth = 1;
    int lineCharacters = 0; // the page's width in characters
};

Metrics measureAt(int points, const PrintablePage& page, const MeasureFont& measure)
{
    const FontMeasure font = measure(points);
    Metrics metrics;
    metrics.points = points;
    metrics.lineHeight = std::max(1, font.characterHeight + font.externalLeading);
    metrics.characterWidth = std::max(1, font.averageCharacterWidth);
    metrics.lineCharacters = page.width / metrics.characterWidth - 1;
    return metrics;
}

// Shrinks the font until a line of 69 characters fits; a page too narrow even then prints at 2 points.
Metrics fittingMetrics(int points, const PrintablePage& page, const MeasureFont& measure)
{
    Metrics metrics = measureAt(points, page, measure);
    while (metrics.lineCharacters < minimumLineCharacters && metrics.points > smallestFontPoints)
        metrics = measureAt(metrics.points - 1, page, measure);
    return metrics;
}

class Paginator
{
public:
    Paginator(const PrintOptions& options, const PrintablePage& page, const Metrics& metrics)
        : options(options), metrics(metrics), pageHeight(page.height),
          bottomLimit(page.height - page.pixelsPerInch - metrics.lineHeight / 2), rowLines(options.printNotes ? 2 : 1)
    {}

    std::vector<PrintedPage> run(const std::vector<ReportRow>& rows)
    {
        startPage();
        for (const ReportRow& row : rows) {
            // A group row prints its members itself.
            if (row.kind == RowKind::Member)
                continue;
            printRow(*row.record);
            // The page ends once the top of its last line has reached the bottom limit, so a row of one line
            // may stand across the limit; closing lines left for the next page start there.
            if ((line - 1) * metrics.lineHeight >= bottomLimit)
                breakPage();
        }
        printClosingLines();
        endPage();
        return std::move(pages);
    }

private:
    void printRow(const GearRecord& record)
    {
        const std::string_view category = fieldText(record.category);
        // A row with its notes below it, or a group, must fit above the bottom limit with the category
        // weight before it, so that it does not run on into the footer; a row of one line need not.
        const bool oneLine = !record.isGroup() && !options.printNotes;
        const bool hasFirstLine = !record.isGroup() || record.members->count() > 0;
        if (!oneLine && !fits(categoryLinesBefore(category) + (hasFirstLine ? rowLines : 0)))
            breakPage();
        const bool newOnPage = !onPage(category);
        if (categoryLinesBefore(category) > 0)
            printCategoryWeight();
        if (newOnPage)
            pageCategories.push_back(foldText(category));
        anyRowDone = true;

        addWeight(fieldText(record.weight));
        if (!record.isGroup()) {
            printLine(rowLine(newOnPage ? category : " ", fieldText(record.item), fieldText(record.weight)),
                      fieldText(record.notes));
            return;
        }
        bool first = true;
        record.members->forEach([&](const GearRecord& member) {
            if (!first && !fits(rowLines)) {
                // The group's category goes on over the page, so its part so far gets its weight line.
                breakPage();
                if (options.totalEachCategory)
                    printCategoryWeight();
                pageCategories.push_back(foldText(category));
            }
            first = false;
            printLine(rowLine(fieldText(member.category), fieldText(member.item), fieldText(member.weight)),
                      fieldText(member.notes));
            addWeight(fieldText(member.weight));
        });
    }

    // The category weight line and its separator go before a row whose category is new on the page,
    // except before the very first row.
    int categoryLinesBefore(std::string_view category) const
    {
        return options.totalEachCategory && anyRowDone && !onPage(category) ? 2 : 0;
    }

    void printClosingLines()
    {
        line += 2;
        if (options.totalEachCategory) {
            if (!fits(2))
                breakPage();
            printCategoryWeight();
        }
        if (options.showGrandTotal) {
            if (!fits(1))
                breakPage();
            print(sumLine("Total Weight:", grandSum));
            categorySum = 0;
            grandSum = 0;
        }
    }

    void printCategoryWeight()
    {
        print(sumLine("*** Category Weight: ", categorySum));
        print(padRight(" ", 21) + padRight("------------------------------------- ", 40));
        categorySum = 0;
    }

    // With notes printed every row takes two lines, an empty note too.
    void printLine(std::string text, std::string_view notes)
    {
        print(std::move(text));
        if (options.printNotes)
            print(std::string(notes));
    }

    void addWeight(std::string_view weight)
    {
        const float value = readWeight(weight);
        categorySum += value;
        grandSum += value;
    }

    bool onPage(std::string_view category) const
    {
        return std::find(pageCategories.begin(), pageCategories.end(), foldText(category)) != pageCategories.end();
    }

    // Lines fit when the bottom of the last is at or above the bottom limit. A page takes at least one
    // row or closing line, however small it is, so the printout always ends.
    bool fits(int lines) const { return bodyEmpty || (line + lines) * metrics.lineHeight <= bottomLimit; }

    void print(std::string text)
    {
        if (!text.empty())
            pages.back().push_back({std::move(text), metrics.characterWidth, line * metrics.lineHeight});
        ++line;
        bodyEmpty = false;
    }

    void startPage()
    {
        pages.emplace_back();
        pageCategories.clear();
        const int nameLength = static_cast<int>(std::string_view(applicationName).size());
        pages.back().push_back(
            {applicationName, std::max(0, metrics.characterWidth * ((metrics.lineCharacters - nameLength) / 2)), 0});
        line = 2;
        print(std::string(heading));
        print(std::string(ruleLength, '-'));
        bodyEmpty = true;
    }

    void endPage()
    {
        pages.back().push_back({"- Page " + padLeft(std::to_string(pages.size()), 2) + " -",
                                metrics.characterWidth * metrics.lineCharacters / 2, pageHeight - metrics.lineHeight,
                                TextAlignment::Centred});
    }

    void breakPage()
    {
        endPage();
        startPage();
    }

    const PrintOptions options;
    const Metrics metrics;
    const int pageHeight;
    const int bottomLimit;
    const int rowLines;

    std::vector<PrintedPage> pages;
    std::vector<std::string> pageCategories; // folded
    int line = 0;
    bool bodyEmpty = true; // nothing below the heading yet
    bool anyRowDone = false;
    float categorySum = 0;
    float grandSum = 0;
};

} // namespace

PrintOptions printOptions(const Settings& settings)
{
    return {settings.totalCategories, settings.showGrandTotal, settings.printNotes};
}

PrintLayout layOutPrintout(const std::vector<ReportRow>& rows, const PrintOptions& options, const PrintablePage& page,
                           int fontPoints, const MeasureFont& measure)
{
    const Metrics metrics = fittingMetrics(fontPoints, page, measure);
    return {metrics.points, Paginator(options, page, metrics).run(rows)};
}

} // namespace cairnly
