// Printing: the Print command to a PDF file, the preview, the printout's font, and cairnly-data print.
#include "DataTool.h"
#include "MainWindowSupport.h"
#include "RecordSupport.h"

#include "core/files/DataFile.h"
#include "core/text/Numbers.h"
#include "printout/GearPrintout.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <cstring>

using namespace cairnly;
using cairnly::test::ToolRun;
using PrintTool = cairnly::test::DataTool;

namespace {

// The PDF's text as pdftotext lays it out, one page after another.
QString pdfText(const std::filesystem::path& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), QString::fromStdString(file.string()), QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << "pdftotext failed on " << file;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page numbers of the footers, in the order they stand.
QList<int> pageNumbers(const QString& text)
{
    QList<int> numbers;
    QRegularExpressionMatchIterator footers = QRegularExpression(QStringLiteral("- Page +(\\d+) -")).globalMatch(text);
    while (footers.hasNext())
        numbers << footers.next().captured(1).toInt();
    return numbers;
}

QList<int> oneTo(int last)
{
    QList<int> numbers;
    for (int number = 1; number <= last; ++number)
        numbers << number;
    return numbers;
}

// Lines holding the row of this item: its category (or none), the item and its weight.
int rowLines(const QString& text, const QString& item, const QString& weight)
{
    return static_cast<int>(text.count(
        QRegularExpression(QStringLiteral("(?m)^__.* %1 +%2 *$").arg(item, QRegularExpression::escape(weight)))));
}

QString itemName(int number)
{
    return QStringLiteral("Item%1").arg(number, 3, 10, QLatin1Char('0'));
}

} // namespace

TEST_F(MainWindowTest, PrintWritesEveryRowOnceToAPdfChosenInThePrintDialog)
{
    start();
    EXPECT_FALSE(windowCommands().printPreview->isEnabled());
    for (int i = 0; i < 60; ++i) {
        rows().addItem({i < 40 ? "Food" : "Water", itemName(i).toStdString(), "1.5", "1", "note", {}},
                       AddSource::Command);
    }
    EXPECT_TRUE(windowCommands().printPreview->isEnabled());

    const std::filesystem::path pdf = folder / "list.pdf";
    auto printTo = [&](int fromPage, int toPage) {
        runner.steps.push_back([&, fromPage, toPage](QDialog& dialog) {
            auto& print = static_cast<QPrintDialog&>(dialog);
            EXPECT_EQ(print.minPage(), 1);
            EXPECT_EQ(print.maxPage(), 3); // 60 rows / 20
            EXPECT_EQ(print.printer()->docName(), QStringLiteral("Cairnly"));
            print.printer()->setOutputFormat(QPrinter::PdfFormat);
            print.printer()->setOutputFileName(QString::fromStdString(pdf.string()));
            if (fromPage) {
                print.printer()->setPrintRange(QPrinter::PageRange);
                print.printer()->setFromTo(fromPage, toPage);
            }
            return static_cast<int>(QDialog::Accepted);
        });
        windowCommands().print->trigger();
        return pdfText(pdf);
    };

    const QString all = printTo(0, 0);
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(rowLines(all, itemName(i), QStringLiteral("1.50")), 1) << i;
    const QList<int> pages = pageNumbers(all);
    ASSERT_GE(pages.size(), 2);
    EXPECT_EQ(pages, oneTo(pages.size()));
    EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("Total Weight: +90.00\n"))));
    // A category's weight lines, one for its part on each page, add up to its weight.
    double categoryWeights = 0;
    QRegularExpressionMatchIterator lines =
        QRegularExpression(QStringLiteral("\\*\\*\\* Category Weight: +(\\d+\\.\\d\\d)\n")).globalMatch(all);
    while (lines.hasNext())
        categoryWeights += lines.next().captured(1).toDouble();
    EXPECT_DOUBLE_EQ(categoryWeights, 90.0);

    const QString second = printTo(2, 2);
    EXPECT_EQ(pageNumbers(second), QList<int>{2});
    EXPECT_EQ(rowLines(second, itemName(0), QStringLiteral("1.50")), 0);
    EXPECT_TRUE(prompts.shown.empty());
}

// The preview lays the pages out again whenever the page changes: landscape pages hold fewer rows.
TEST_F(MainWindowTest, ThePreviewLaysThePagesOutForEveryPageSetting)
{
    start();
    for (int i = 0; i < 60; ++i)
        rows().addItem({"Food", itemName(i).toStdString(), "2", "1", "", {}}, AddSource::Command);
    runner.steps.push_back([](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), QStringLiteral("printPreviewDialog"));
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->setPortraitOrientation();
        preview->updatePreview();
        const int portraitPages = preview->pageCount();
        EXPECT_GE(portraitPages, 2);
        preview->setLandscapeOrientation();
        preview->updatePreview();
        EXPECT_GT(preview->pageCount(), portraitPages);
        return static_cast<int>(QDialog::Rejected);
    });
    windowCommands().printPreview->trigger();
}

// The printed size is the chosen size in points, at the printer's resolution, whatever screen the stored
// description's height came from; underline and strike-out are never printed.
TEST(GearPrintout, PrintsInTheChosenSizeAndTheDescriptionsFaceWeightAndSlant)
{
    Settings settings;
    settings.printFontSize = 10;
    settings.printFont.height = -26; // 10 points on a 192 dpi screen
    settings.printFont.weight = 700;
    settings.printFont.italic = 1;
    settings.printFont.underline = 1;
    settings.printFont.strikeOut = 1;
    std::strcpy(settings.printFont.faceName, "Liberation Mono");
    const QFont font = GearPrintout::printerFont(settings.printFont, settings.printFontSize);
    EXPECT_EQ(font.family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(font.pointSize(), 10);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.fixedPitch());
    EXPECT_FALSE(font.underline());
    EXPECT_FALSE(font.strikeOut());
    EXPECT_EQ(GearPrintout::printerFont(LogFont{}, 8).family(), QStringLiteral("Courier New"));

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    const GearPrintout printout({}, settings);
    EXPECT_EQ(printout.layOut(writer).fontPoints, 10);

    // Stopping after the first page gives no document.
    auto item = itemRecord("Food", "Bar", "1");
    std::vector<ReportRow> many(200, ReportRow{item.get(), RowKind::Item, false});
    int drawn = 0;
    const auto stopped = GearPrintout(many, settings).pdf(writer.pageLayout(), 300, 0, 0, [&drawn](int done, int) {
        drawn = done;
        return false;
    });
    EXPECT_FALSE(stopped.has_value());
    EXPECT_EQ(drawn, 1);
}

namespace {

// A list of count items in categories of 200, weighing 0.25 to 96.25, with its settings file.
void writeList(const std::filesystem::path& file, int count, const std::string& settings)
{
    std::vector<std::unique_ptr<GearRecord>> records;
    std::vector<const GearRecord*> rows;
    std::vector<std::string> categories;
    for (int i = 0; i < count; ++i) {
        const std::string category = "Category " + std::to_string(i / 200);
        if (i % 200 == 0)
            categories.push_back(category);
        records.push_back(itemRecord(category.c_str(), ("Item" + std::to_string(100000 + i)).c_str(),
                                     formatFixed(i % 97 + 0.25, 2).c_str()));
        setFieldText(records.back()->notes, "note " + std::to_string(i));
        rows.push_back(records.back().get());
    }
    ASSERT_EQ(writeDataFile(file, categories, rows), std::nullopt);
    std::ofstream(std::filesystem::path(file).replace_extension(".ini"), std::ios::binary) << settings;
}

} // namespace

TEST_F(PrintTool, PrintWritesAPdfWithTheOptionsOfTheSettingsFile)
{
    // Neither category weights nor notes.
    writeList(folder / "list.dat", 5, "[MISC]\r\nTOTALCATS=0000000000\r\nPRINTNOTES=0000000000\r\n");
    ToolRun r = run("print list.dat list.pdf --page-size Letter");
    EXPECT_EQ(r.status, 0) << r.err;
    const QString text = pdfText(folder / "list.pdf");
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(rowLines(text, QStringLiteral("Item10000%1").arg(i), QStringLiteral("%1.25").arg(i)), 1) << i;
    EXPECT_EQ(pageNumbers(text), QList<int>{1});
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Total Weight: +11.25\n"))));
    EXPECT_FALSE(text.contains(QStringLiteral("Category Weight")));
    EXPECT_FALSE(text.contains(QStringLiteral("note")));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QString::fromStdString((folder / "list.pdf").string())});
    info.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("612 x 792 pts (letter)")));

    for (const char* wrong : {"print list.dat out.pdf --page-size A3", "print missing.dat out.pdf"}) {
        r = run(wrong);
        EXPECT_EQ(r.status, std::string(wrong).find("A3") != std::string::npos ? 2 : 1) << wrong;
        EXPECT_FALSE(exists("out.pdf")) << wrong;
    }
    EXPECT_TRUE(r.err.find("cairnly-data: cannot open missing.dat: No such file or directory") != std::string::npos)
        << r.err;
}

TEST_F(PrintTool, PrintsATenThousandRowListWithNotesAndCategoryWeights)
{
    writeList(folder / "big.dat", 10000, "");
    const ToolRun r = run("print big.dat big.pdf");
    ASSERT_EQ(r.status, 0) << r.err;
    const QString text = pdfText(folder / "big.pdf");
    int itemLines = 0;
    int noteLines = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        itemLines += line.startsWith(u"__");
        noteLines += line.startsWith(u"note ");
    }
    EXPECT_EQ(itemLines, 10000);
    EXPECT_EQ(noteLines, 10000);
    const QList<int> pages = pageNumbers(text);
    EXPECT_GT(pages.size(), 100);
    EXPECT_EQ(pages, oneTo(pages.size()));
    // 0.25 to 96.25 in runs of 97, summed exactly in single precision.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("Total Weight: +482104.00\n"))));
}
