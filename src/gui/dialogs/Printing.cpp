#include "gui/dialogs/Printing.h"

#include "core/document/GearDocument.h"
#include "core/files/AtomicFile.h"
#include "core/files/ReportTarget.h"
#include "core/list/ReportRows.h"
#include "gui/support/DialogRunner.h"
#include "gui/support/Text.h"
#include "printout/GearPrintout.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>
#include <string_view>

using cairnly::Message;

namespace {

void nameJob(QPrinter& printer)
{
    printer.setDocName(QString::fromLatin1(cairnly::applicationName));
}

} // namespace

std::optional<Message> printGearList(const cairnly::GearDocument& document, DialogRunner& runner, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    nameJob(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printDialog"));
    // A guess at the page count, offered before any printer is chosen; pages count from 1.
    dialog.setMinMax(1, std::max(1, document.list().rowCount() / 20));
    if (runner.run(dialog) != QDialog::Accepted)
        return std::nullopt;

    int firstPage = 0;
    int lastPage = 0;
    if (printer.printRange() == QPrinter::PageRange) {
        firstPage = printer.fromPage();
        lastPage = printer.toPage();
    }
    QProgressDialog progress(QObject::tr("Printing..."), QObject::tr("Cancel"), 0, 1, parent);
    progress.setObjectName(QStringLiteral("printProgressDialog"));
    progress.setWindowTitle(QString::fromLatin1(cairnly::applicationName));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setValue(0);
    const auto pageDrawn = [&progress](int drawn, int total) {
        progress.setMaximum(total);
        progress.setLabelText(QObject::tr("Printing page %1 of %2").arg(drawn).arg(total));
        progress.setValue(drawn);
        return !progress.wasCanceled();
    };

    const GearPrintout printout(cairnly::reportRows(document.list()), document.settings());
    if (printer.outputFormat() != QPrinter::PdfFormat) {
        printout.print(printer, firstPage, lastPage, [&](int drawn, int total) {
            if (pageDrawn(drawn, total))
                return true;
            printer.abort();
            return false;
        });
        return std::nullopt;
    }
    // A PDF is a report: it is never written over a list.
    if (auto refusal = cairnly::reportTargetRefusal(toPath(printer.outputFileName()), document.listFiles()))
        return refusal;
    const auto pdf = printout.pdf(printer.pageLayout(), printer.resolution(), firstPage, lastPage, pageDrawn);
    if (!pdf || pdf->isEmpty())
        return std::nullopt;
    const QString file = printer.outputFileName();
    if (const auto error = cairnly::writeFileAtomically(toPath(file), std::string_view(pdf->constData(), pdf->size())))
        return Message{file.toStdString() + ": " + *error, "Error", cairnly::MessageIcon::Exclamation};
    return std::nullopt;
}

void previewGearList(const cairnly::GearDocument& document, DialogRunner& runner, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    nameJob(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("printPreviewDialog"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&document](QPrinter* target) {
        GearPrintout(cairnly::reportRows(document.list()), document.settings()).print(*target);
    });
    runner.run(dialog);
}
