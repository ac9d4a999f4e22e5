// The print command: the list printed to a PDF file as the window prints it.
#include "cli/Command.h"

#include "core/document/GearDocument.h"
#include "core/files/AtomicFile.h"
#include "core/list/ReportRows.h"
#include "printout/GearPrintout.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace cairnly::cli {
namespace {

constexpr int dotsPerInch = 300;
// What a printer commonly cannot reach at the paper's edges.
constexpr double marginPoints = 18;

int print(const Invocation& invocation)
{
    const std::string& file = invocation.arguments[0];
    const std::string& target = invocation.arguments[1];
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    if (invocation.has("--page-size")) {
        const std::string& name = invocation.options.at("--page-size");
        if (name == "Letter")
            pageSize = QPageSize::Letter;
        else if (name != "A4")
            return 2;
    }
    const auto document = openList(file);
    if (!document)
        return 1;
    if (const auto refusal = reportRefusal(*document, target))
        return fail(*refusal);

    // Fonts need the application object; the offscreen platform needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "cairnly-data";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    const QPageLayout layout(QPageSize(pageSize), QPageLayout::Portrait,
                             QMarginsF(marginPoints, marginPoints, marginPoints, marginPoints), QPageLayout::Point);
    const auto pdf = GearPrintout(reportRows(document->list()), document->settings()).pdf(layout, dotsPerInch);
    if (!pdf)
        return fail("cannot print " + file);
    if (const auto error = writeFileAtomically(pathFromText(target), std::string_view(pdf->constData(), pdf->size())))
        return fail(cannotWrite(target, *error));
    return 0;
}

constexpr const char* printSummary = "print FILE OUT [--page-size A4|Letter]  Print FILE to the PDF file OUT.\n";

constexpr const char* printDetails = R"(print reads FILE as list does; its settings file gives the printing options
(the category weights, the grand total, the notes) and the printing font. The
pages are A4 unless --page-size says Letter, with margins of a quarter inch, at
300 dots per inch. It needs no display.
)";

} // namespace

std::span<const Command> printCommands()
{
    static const Command commands[] = {
        {"print", 2, {{"--page-size", true}}, print, printSummary, printDetails},
    };
    return commands;
}

} // namespace cairnly::cli
