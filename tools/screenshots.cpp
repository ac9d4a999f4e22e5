// Renders the windows of the program to PNG files, for people to look at:
//   cairnly_screenshots [folder]      (default: screenshots/ in the current folder)

#include "FakeLegacyRegistry.h"
#include "ScratchFolder.h"
#include "TestSupport.h"
#include "core/list/ColumnMarks.h"
#include "core/text/Numbers.h"
#include "gui/app/CairnlyApp.h"
#include "gui/app/MainPanel.h"
#include "gui/app/MainWindow.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/AddColumnDialog.h"
#include "gui/dialogs/CategoriesDialog.h"
#include "gui/dialogs/ConfigureDialog.h"
#include "gui/dialogs/CreateGroupDialog.h"
#include "gui/dialogs/DeleteColumnsDialog.h"
#include "gui/dialogs/ExportDialog.h"
#include "gui/dialogs/ItemEditorDialog.h"
#include "gui/dialogs/ModifyColumnDialog.h"
#include "gui/dialogs/PrintFontDialog.h"
#include "gui/dialogs/TotalsDialog.h"
#include "gui/dialogs/WeightUnitsDialog.h"
#include "gui/listview/GearListView.h"
#include "gui/support/Icons.h"

#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

class Shots
{
public:
    explicit Shots(const QString& folder) : folder(folder) {}

    // Shows the widget as a desktop would, then writes what it draws.
    void take(QWidget& widget, const QString& name)
    {
        widget.show();
        QApplication::processEvents();
        save(widget.grab(), name);
        widget.close();
    }

    void save(const QPixmap& picture, const QString& name)
    {
        const QString file = folder.filePath(name + QStringLiteral(".png"));
        if (picture.save(file)) {
            QTextStream(stdout) << file << '\n';
        } else {
            QTextStream(stderr) << "could not write " << file << '\n';
            failed = true;
        }
    }

    bool failed = false;

private:
    QDir folder;
};

ItemEditorDialog::Fields sampleRecord()
{
    ItemEditorDialog::Fields fields;
    fields.categories = {"Clothing", "Cooking", "Food", "Miscellaneous", "Shelter", "Sleeping"};
    fields.columnHeadings = {"Colour", "Bought at"};
    fields.entry.category = "Clothing";
    fields.entry.columnTexts.resize(fields.columnHeadings.size());
    return fields;
}

ItemEditorDialog::Hooks sampleHooks(cairnly::WeightFieldConverter& converter)
{
    ItemEditorDialog::Hooks hooks;
    hooks.entryProblem = [](const cairnly::ItemEntry&) { return std::optional<cairnly::Message>(); };
    hooks.addNow = [](const cairnly::ItemEntry&) { return std::optional<cairnly::Message>(); };
    hooks.converter = &converter;
    return hooks;
}

void unitsDialog(Shots& shots)
{
    WeightUnitsDialog dialog;
    shots.take(dialog, QStringLiteral("units-dialog"));
}

void itemEditorAdd(Shots& shots)
{
    ScriptedPrompts prompts;
    cairnly::WeightFieldConverter converter;
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Add, sampleRecord(), sampleHooks(converter), prompts);
    shots.take(dialog, QStringLiteral("item-editor-add"));
}

void itemEditorModify(Shots& shots)
{
    ScriptedPrompts prompts;
    cairnly::WeightFieldConverter converter;
    ItemEditorDialog::Fields fields = sampleRecord();
    fields.entry = {"Shelter", "Two-person tent, freestanding", "48.5",
                    "1",       "Poles in the side pocket",      {"Green", "REI"}};
    ItemEditorDialog dialog(ItemEditorDialog::Mode::Modify, fields, sampleHooks(converter), prompts);
    shots.take(dialog, QStringLiteral("item-editor-modify"));
}

void createGroupDialog(Shots& shots)
{
    ScriptedPrompts prompts;
    CreateGroupDialog dialog(
        {"Titanium pot 750 ml", "Canister stove"}, [](const std::string&) { return std::optional<cairnly::Message>(); },
        prompts);
    dialog.findChild<QLineEdit*>(QStringLiteral("groupNameEdit"))->setText(QStringLiteral("Cook kit"));
    shots.take(dialog, QStringLiteral("create-group-dialog"));
}

void categoriesDialog(Shots& shots)
{
    ScriptedPrompts prompts;
    CategoriesDialog::Hooks hooks{[](const std::string&) { return false; },
                                  [](const std::string&, const std::string&) {}};
    CategoriesDialog dialog({{"Sleeping", "Shelter", "Clothing", "Cooking", "Food", "Miscellaneous"}}, hooks, prompts);
    shots.take(dialog, QStringLiteral("categories-dialog"));
}

void columnDialogs(Shots& shots)
{
    AddColumnDialog add;
    add.findChild<QLineEdit*>(QStringLiteral("headingEdit"))->setText(QStringLiteral("Carried in"));
    shots.take(add, QStringLiteral("add-column-dialog"));

    DeleteColumnsDialog remove({"Carried in", "Colour", "Bought at"});
    remove.findChild<QListWidget*>(QStringLiteral("columnListWidget"))->item(1)->setSelected(true);
    shots.take(remove, QStringLiteral("delete-columns-dialog"));

    ModifyColumnDialog modify({{"Carried in", cairnly::FormatLeft, 4}, {"Price", cairnly::FormatRight, 5}});
    modify.findChild<QListWidget*>(QStringLiteral("columnListWidget"))->setCurrentRow(1);
    shots.take(modify, QStringLiteral("modify-column-dialog"));
}

void configureDialog(Shots& shots)
{
    ScriptedRunner runner;
    ConfigureDialog dialog(
        {}, [](const cairnly::PrintFont&) {}, runner);
    shots.take(dialog, QStringLiteral("configure-dialog"));
}

void printFontDialog(Shots& shots)
{
    PrintFontDialog dialog(QFont(QStringLiteral("Courier New"), 10, QFont::Bold));
    shots.take(dialog, QStringLiteral("print-font-dialog"));
}

void aboutDialog(Shots& shots)
{
    ScriptedPrompts prompts;
    ScriptedDesktop desktop;
    AboutDialog dialog(QStringLiteral("/usr/share/cairnly/tutorial.html"), desktop, prompts);
    shots.take(dialog, QStringLiteral("about-dialog"));
}

// Totals of a list in four categories, one of them split in two runs by a weight sort, with worn clothes
// and consumable fuel.
void totalsDialog(Shots& shots)
{
    cairnly::CategoryTotals totals;
    totals.runs = {{"Shelter", 52.5f}, {"Cooking", 10.7f}, {"Clothing", 21.4f}, {"Sleeping", 0}, {"Shelter", 4.0f}};
    totals.grandTotal = 88.6f;
    const std::vector<cairnly::WeightSplit> runs = {
        {52.5, 0, 0}, {6.2, 4.5, 0}, {5.8, 0, 15.6}, {0, 0, 0}, {4.0, 0, 0}};
    TotalsDialog dialog(totals, {68.5, 4.5, 15.6}, runs, false,
                        {QColor(255, 255, 224), QColor(255, 255, 196), QColor(255, 153, 0)});
    shots.take(dialog, QStringLiteral("totals-dialog"));

    // Enough categories that the lines and the bars scroll together.
    cairnly::CategoryTotals many;
    for (int i = 0; i < 40; ++i) {
        const float weight = static_cast<float>((i * 37) % 50) / 2.0f;
        many.runs.push_back({"Category " + std::to_string(i + 1), weight});
        many.grandTotal += weight;
    }
    TotalsDialog scrolled(many, {}, {}, false, {QColor(255, 255, 224), QColor(255, 255, 196), QColor(255, 153, 0)});
    shots.take(scrolled, QStringLiteral("totals-dialog-many"));
}

void exportDialog(Shots& shots)
{
    ScriptedPrompts prompts;
    cairnly::ExportChoices choices;
    choices.text = choices.html = true;
    choices.includeNotes = true;
    choices.paths = {"/home/hiker/gear/summer.txt", "", "/home/hiker/gear/summer.htm", ""};
    ExportDialog dialog(choices, true, {}, prompts);
    shots.take(dialog, QStringLiteral("export-dialog"));
}

// The main window's push buttons with their icons, each enabled and as Qt greys it when disabled.
void buttonIcons(Shots& shots)
{
    const std::vector<std::pair<const char*, const char*>> buttons{{"add", "&Add..."},
                                                                   {"delete", "&Delete"},
                                                                   {"modify", "&Modify..."},
                                                                   {"configure", "&Configure..."},
                                                                   {"totals", "&Totals..."},
                                                                   {"print", "&Print..."},
                                                                   {"export", "&Export to..."},
                                                                   {"convert", "Convert..."},
                                                                   {"close", "Close"},
                                                                   {"clearselected", "Clear &Selected"},
                                                                   {"ok", "OK"},
                                                                   {"cancel", "Cancel"},
                                                                   {"font", "Select Printing Font..."},
                                                                   {"cairnly", "Cairnly"}};
    QWidget sheet;
    auto* layout = new QGridLayout(&sheet);
    int row = 0;
    for (const auto& [icon, caption] : buttons) {
        for (const bool enabled : {true, false}) {
            auto* button = new QPushButton(cairnlyIcon(icon), QString::fromLatin1(caption), &sheet);
            button->setIconSize(QSize(24, 24));
            button->setEnabled(enabled);
            layout->addWidget(button, row, enabled ? 0 : 1);
        }
        ++row;
    }
    shots.take(sheet, QStringLiteral("button-icons"));
}

// The program in a scratch folder of its own, started once before (in ounces), its dialogs scripted.
struct SampleApp
{
    SampleApp()
    {
        registry.exists = false;
        runner.steps.push_back([](QDialog& dialog) { return press(dialog, "okButton"); }); // ounces
        app = std::make_unique<CairnlyApp>(folder.path(), prompts, runner, desktop, registry);
    }

    ScratchFolder folder;
    ScriptedPrompts prompts;
    ScriptedRunner runner;
    ScriptedDesktop desktop;
    FakeLegacyRegistry registry;
    std::unique_ptr<CairnlyApp> app;
};

// The row whose item column shows the text, or -1.
int rowShowing(const cairnly::GearList& rows, const char* shown)
{
    for (int i = 0; i < rows.rowCount(); ++i) {
        if (rows.cellText(i, 1) == shown)
            return i;
    }
    return -1;
}

// The main window on a sample list: two categories, a ticked item, a ticked collapsed group, an expanded
// group with its member rows and a user column; then the same list sorted by weight.
void mainWindow(Shots& shots)
{
    SampleApp sample;
    CairnlyApp& app = *sample.app;
    cairnly::GearList& rows = app.document().list();
    rows.addColumn("Carried in", cairnly::FormatLeft);
    auto add = [&rows](const char* category, const char* item, const char* weight, const char* multiplier,
                       const char* where) {
        rows.addItem(cairnly::ItemEntry{category, item, weight, multiplier, "", {where}}, cairnly::AddSource::Command);
    };
    add("Shelter", "Tent, two-person", "48.5", "1", "pack");
    add("Shelter", "Stakes", "0.5", "8", "side pocket");
    add("Cooking", "Titanium pot", "4.6", "1", "pack");
    add("Cooking", "Canister stove", "3.1", "1", "pack");
    add("Cooking", "Mug", "2.4", "1", "hip belt");
    add("Cooking", "Spork", "0.6", "1", "hip belt");
    auto row = [&rows](const char* shown) { return rowShowing(rows, shown); };
    rows.createGroup(row("Canister stove"), row("Titanium pot"), "Cook kit", "Fuel bought on the way");
    rows.createGroup(row("Spork"), row("Mug"), "Drinking", "");
    rows.setChecked(row("+ Cook kit"), true);
    rows.setChecked(row("Tent, two-person"), true);
    rows.toggleGroup(row("+ Drinking"));
    app.show();
    QApplication::processEvents();
    shots.save(app.mainWindow().grab(), QStringLiteral("main-window"));
    rows.sortByColumn(2);
    QApplication::processEvents();
    shots.save(app.mainWindow().grab(), QStringLiteral("main-window-by-weight"));
    app.mainWindow().hide();
}

// A trip's list with the worn clothes and the consumable food and fuel marked, every row ticked.
void markedList(Shots& shots)
{
    SampleApp sample;
    CairnlyApp& app = *sample.app;
    cairnly::GearList& rows = app.document().list();
    const std::vector<std::vector<const char*>> items = {
        {"Clothes", "Rain jacket", "7.2", "1"},    {"Clothes", "Fleece", "10.5", "1"},
        {"Clothes", "Hiking socks", "2.1", "2"},   {"Clothes", "Trail runners", "21.6", "1"},
        {"Cooking", "Canister stove", "3.1", "1"}, {"Cooking", "Fuel canister", "7.6", "1"},
        {"Cooking", "Titanium pot", "4.6", "1"},   {"Food", "Dinner", "5.5", "3"},
        {"Food", "Trail mix", "8", "2"},           {"Tent", "Tent, two-person", "48.5", "1"}};
    for (const auto& item : items)
        rows.addItem(cairnly::ItemEntry{item[0], item[1], item[2], item[3], "", {}}, cairnly::AddSource::Command);
    auto row = [&rows](const char* shown) { return rowShowing(rows, shown); };
    rows.toggleMark({row("Hiking socks"), row("Trail runners"), row("Rain jacket")}, cairnly::Mark::Worn);
    rows.toggleMark({row("Fuel canister"), row("Dinner"), row("Trail mix")}, cairnly::Mark::Consumable);
    rows.selectAll();
    app.show();
    // Narrower columns, as a user would drag them, so the two new ones show beside the others.
    QHeaderView* header = app.mainPanel().listView()->horizontalHeader();
    const int widths[] = {80, 104, 72, 34, 44, 84};
    for (int column = 0; column < header->count(); ++column)
        header->resizeSection(column, widths[column]);
    QApplication::processEvents();
    shots.save(app.mainWindow().grab(), QStringLiteral("main-window-marks"));
    app.mainWindow().hide();
}

// The print preview of a list two pages long, both pages side by side.
void printPreview(Shots& shots)
{
    SampleApp sample;
    CairnlyApp& app = *sample.app;
    cairnly::GearList& rows = app.document().list();
    const std::vector<std::pair<const char*, std::vector<const char*>>> list{
        {"Clothing", {"Rain jacket", "Fleece", "Wool socks", "Sun hat", "Gloves", "Buff", "Camp shoes"}},
        {"Cooking", {"Titanium pot", "Canister stove", "Fuel canister", "Spork", "Mug", "Lighter"}},
        {"Food", {"Breakfast x3", "Lunch x3", "Dinner x3", "Snacks", "Coffee", "Electrolytes"}},
        {"Miscellaneous", {"Headlamp", "First aid kit", "Map", "Compass", "Knife", "Sunscreen", "Phone"}},
        {"Shelter", {"Tent, two-person", "Stakes", "Footprint", "Guy lines"}},
        {"Sleeping", {"Quilt", "Sleeping pad", "Pillow", "Sleep socks"}},
        {"Water", {"Filter", "Bottle 1 l", "Bladder 2 l"}},
    };
    int n = 0;
    for (const auto& [category, items] : list) {
        for (const char* item : items) {
            const std::string weight = cairnly::formatFixed(0.8 + (n * 37 % 50) / 2.0, 2);
            rows.addItem(cairnly::ItemEntry{category, item, weight, "1", n % 3 ? "" : "Packed in the top lid", {}},
                         cairnly::AddSource::Command);
            ++n;
        }
    }
    sample.runner.steps.push_back([&shots](QDialog& dialog) {
        dialog.resize(1100, 800);
        dialog.show();
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        preview->setViewMode(QPrintPreviewWidget::AllPagesView);
        QApplication::processEvents();
        preview->fitInView();
        shots.take(dialog, QStringLiteral("print-preview"));
        return static_cast<int>(QDialog::Rejected);
    });
    app.mainWindow().commands().printPreview->trigger();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "could not make the folder %s\n", qPrintable(folder));
        return 1;
    }
    initIcons();
    Shots shots(folder);
    unitsDialog(shots);
    itemEditorAdd(shots);
    itemEditorModify(shots);
    createGroupDialog(shots);
    categoriesDialog(shots);
    columnDialogs(shots);
    configureDialog(shots);
    printFontDialog(shots);
    aboutDialog(shots);
    totalsDialog(shots);
    exportDialog(shots);
    buttonIcons(shots);
    mainWindow(shots);
    markedList(shots);
    printPreview(shots);
    return shots.failed ? 1 : 0;
}
