#include "printout/GearPrintout.h"

#include "core/model/GearRecord.h"
#include "core/model/Message.h"
#include "printout/FontDescription.h"
#include "printout/QtText.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

using cairnly::PlacedText;
using cairnly::PrintLayout;

GearPrintout::GearPrintout(std::vector<cairnly::ReportRow> rows, const cairnly::Settings& settings)
    : rows(std::move(rows)), options(cairnly::printOptions(settings)), description(settings.printFont),
      points(settings.printFontSize)
{}

QFont GearPrintout::printerFont(const cairnly::LogFont& description, int points)
{
    QFont font = fontOf(description, std::max(1, points));
    if (font.family().isEmpty())
        font.setFamily(QStringLiteral("Courier New"));
    font.setFixedPitch(true);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

PrintLayout GearPrintout::layOut(QPagedPaintDevice& device) const
{
    const auto measure = [this, &device](int size) {
        const QFontMetrics metrics(printerFont(description, size), &device);
        return cairnly::FontMeasure{metrics.height(), metrics.leading(), metrics.averageCharWidth()};
    };
    return cairnly::layOutPrintout(rows, options, {device.width(), device.height(), device.logicalDpiY()}, points,
                                   measure);
}

bool GearPrintout::print(QPagedPaintDevice& device, int firstPage, int lastPage, const Progress& progress) const
{
    const PrintLayout layout = layOut(device);
    const int pageCount = static_cast<int>(layout.pages.size());
    const int first = std::max(1, firstPage);
    const int last = lastPage <= 0 ? pageCount : std::min(lastPage, pageCount);
    if (first > last)
        return true; // the pages asked for lie beyond the printout
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QFont font = printerFont(description, layout.fontPoints);
    painter.setFont(font);
    const QFontMetrics metrics(font, &device);
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        for (const PlacedText& placed : layout.pages[page - 1]) {
            const QString text = fromCp1252(placed.text);
            double x = placed.x;
            if (placed.alignment == cairnly::TextAlignment::Centred)
                x -= metrics.horizontalAdvance(text) / 2.0;
            painter.drawText(QPointF(x, placed.y + metrics.ascent()), text);
        }
        if (progress && !progress(page - first + 1, last - first + 1))
            return false;
    }
    return painter.end();
}

std::optional<QByteArray> GearPrintout::pdf(const QPageLayout& pageLayout, int dotsPerInch, int firstPage, int lastPage,
                                            const Progress& progress) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromLatin1(cairnly::applicationName));
        writer.setCreator(QString::fromLatin1(cairnly::applicationName));
        writer.setResolution(dotsPerInch);
        writer.setPageLayout(pageLayout);
        if (!print(writer, firstPage, lastPage, progress))
            return std::nullopt;
    }
    return bytes;
}
