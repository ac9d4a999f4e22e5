#pragma once

#include "core/list/ReportRows.h"
#include "core/reports/PrintLayout.h"
#include "core/settings/Settings.h"

#include <QByteArray>
#include <QFont>

#include <functional>
#include <optional>
#include <vector>

class QPageLayout;
class QPagedPaintDevice;

// The gear list printed on a paged device (a printer, the print preview or a PDF writer): the core lays
// the pages out with this device's font measures, and this draws them. It needs Qt Gui alone, so the
// command-line tool prints with it too.
class GearPrintout
{
public:
    // Told after each page drawn, with the pages drawn and the pages to draw; false stops the job.
    using Progress = std::function<bool(int drawn, int total)>;

    // The rows' records stay the list's: the printout lives no longer than the list as it is now.
    GearPrintout(std::vector<cairnly::ReportRow> rows, const cairnly::Settings& settings);

    // The printing font at a size: the stored description's face, weight and italic, fixed pitch.
    static QFont printerFont(const cairnly::LogFont& description, int points);

    // The pages as this device's page size, margins and resolution make them.
    cairnly::PrintLayout layOut(QPagedPaintDevice& device) const;
    // Lays the pages out afresh and draws pages firstPage to lastPage (counted from 1; 0 and 0 for all).
    // False when the device could not be drawn on or progress stopped the job.
    bool print(QPagedPaintDevice& device, int firstPage = 0, int lastPage = 0, const Progress& progress = {}) const;
    // The printout as a PDF document titled "Cairnly"; nothing when progress stopped the job.
    std::optional<QByteArray> pdf(const QPageLayout& pageLayout, int dotsPerInch, int firstPage = 0, int lastPage = 0,
                                  const Progress& progress = {}) const;

private:
    std::vector<cairnly::ReportRow> rows;
    cairnly::PrintOptions options;
    cairnly::LogFont description;
    int points;
};
