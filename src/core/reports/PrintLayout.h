#pragma once

#include "core/list/ReportRows.h"
#include "core/settings/Settings.h"

#include <functional>
#include <string>
#include <vector>

namespace cairnly {

struct PrintOptions
{
    bool totalEachCategory = true;
    bool showGrandTotal = true;
    bool printNotes = true;
};

PrintOptions printOptions(const Settings& settings);

// What the printer reports of its font at one size, in device pixels.
struct FontMeasure
{
    int characterHeight = 0;
    int externalLeading = 0;
    int averageCharacterWidth = 0;
};

// Measures the printing font at a size in whole points, at the printer's resolution.
using MeasureFont = std::function<FontMeasure(int points)>;

// The printable area of a page in device pixels, and the printer's vertical pixels per inch.
struct PrintablePage
{
    int width = 0;
    int height = 0;
    int pixelsPerInch = 0;
};

enum class TextAlignment
{
    Left,   // x is the left edge
    Centred // x is the middle
};

// One text of a page, Windows-1252; y is the top of its line.
struct PlacedText
{
    std::string text;
    int x = 0;
    int y = 0;
    TextAlignment alignment = TextAlignment::Left;

    bool operator==(const PlacedText&) const = default;
};

using PrintedPage = std::vector<PlacedText>;

struct PrintLayout
{
    int fontPoints = 0; // the size the pages are laid out for, after shrinking to fit
    std::vector<PrintedPage> pages;
};

// Lays the list out as pages of fixed-width text lines: title, heading, one line per item and group
// member (with its notes below when asked), category weight lines, the grand total and page numbers.
// The font starts at fontPoints and shrinks a point at a time, down to 2 points, until 69 characters
// fit across the page. The bottom limit is the printable height less an inch and half a line: a page ends
// after the row whose last line's top has reached it, while a row with its notes, a group's member and
// the closing lines go to the next page rather than end below it.
PrintLayout layOutPrintout(const std::vector<ReportRow>& rows, const PrintOptions& options, const PrintablePage& page,
                           int fontPoints, const MeasureFont& measure);

} // namespace cairnly
