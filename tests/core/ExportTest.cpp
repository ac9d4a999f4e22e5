// The four export writers, byte for byte, and the export run with its files, failures and mail.
#include "ListSupport.h"
#include "ReportRowsSupport.h"
#include "core/files/ReportTarget.h"
#include "core/reports/ExportChoices.h"
#include "core/reports/ExportWriters.h"
#include "core/settings/ProfileFile.h"

using namespace cairnly;
using namespace cairnly::testing;

namespace {

class ExportTest : public ListTest
{
protected:
    void addWithNotes(const std::string& category, const std::string& item, const std::string& weight,
                      const std::string& notes)
    {
        ItemEntry entry;
        entry.category = category;
        entry.item = item;
        entry.unitWeight = weight;
        entry.notes = notes;
        ASSERT_EQ(list->addItem(entry, AddSource::Command), std::nullopt);
    }

    // Clothing: an unticked jacket; Cooking: the ticked group "Kit" of a pot and a stove; Tent: a ticked
    // fly; Water: the unticked group "Drink" of a cup and a mug. Texts with a comma, quotes, markup, an
    // accent, the euro sign and a control character.
    void makeSampleList()
    {
        addWithNotes("Clothing", "Caf\xE9 jacket", "10", "");
        addWithNotes("Cooking", "Pot, 1 l", "4.6", "12\" <lid>");
        addWithNotes("Cooking", "Stove", "3.1", "gas & lighter");
        addWithNotes("Tent", "Fly", "20", "green, 5\x80\x01");
        addWithNotes("Water", "Cup", "1", "");
        addWithNotes("Water", "Mug", "2", "");
        group("Stove", "Pot, 1 l", "Kit");
        group("Mug", "Cup", "Drink");
        ASSERT_EQ(list->setChecked(rowOf("+ Kit"), true), std::nullopt);
        ASSERT_EQ(list->setChecked(rowOf("Fly"), true), std::nullopt);
    }

    std::string bytes(ExportFormat format, const ExportOptions& options)
    {
        return exportBytes(format, reportRows(*list), options);
    }
};

const std::string htmlHead =
    "<html>\r\n<head>\r\n<title>Gear List</title>\r\n</head>\r\n<body>\r\n<table border=1 width=100%>\r\n";

} // namespace

TEST_F(ExportTest, AnEmptyListGivesTheHeadersAndTheZeroTotal)
{
    const ExportOptions options;
    EXPECT_EQ(bytes(ExportFormat::Text, options),
              "Category              Item                                  Weight     \r\n" + std::string(71, '-') +
                  "\r\n\r\n                     Total Weight of Selected Items             0.00\r\n");
    EXPECT_EQ(bytes(ExportFormat::CommaDelimited, options),
              "Category,Item,Weight\r\n,Total Weight of Selected Items,   0.00,\r\n");
    EXPECT_EQ(bytes(ExportFormat::Html, options),
              htmlHead + "<tr><td width=25% align=left bgcolor=#ffffe0><font face=Arial>Category</font></td>"
                         "<td width=25% align=center bgcolor=#ffffe0><font face=Arial>Item</font></td>"
                         "<td width=10% align=center bgcolor=#ffffe0><font face=Arial>Weight</font></td></tr>"
                         "</table></body></html>\r\n");
    EXPECT_EQ(bytes(ExportFormat::Xml, options), "<xml>\r\n<Backpacking_Gear>\r\n</Backpacking_Gear></xml>\r\n");
}

TEST_F(ExportTest, AllItemsWithNotesWriteEachGroupAsItsMembersAndEscapeMarkup)
{
    makeSampleList();
    ExportOptions options;
    options.includeNotes = true;
    options.encoding = ExportEncoding::CodePage;
    // The unticked Drink's members are written but not selected: 7.70 of the Kit and 20.00 of the fly.
    EXPECT_EQ(bytes(ExportFormat::Text, options),
              "Category              Item                                  Weight     Notes\r\n" +
                  std::string(79, '-') +
                  "\r\n"
                  "Clothing             Caf\xE9 jacket                              10.00    \r\n"
                  "Cooking              Pot, 1 l                                 4.60     * 12\" <lid>\r\n"
                  "Cooking              Stove                                    3.10     * gas & lighter\r\n"
                  "Tent                 Fly                                      20.00    green, 5\x80\x01\r\n"
                  "Water                Cup                                      1.00     * \r\n"
                  "Water                Mug                                      2.00     * \r\n"
                  "\r\n                     Total Weight of Selected Items            27.70\r\n");
    EXPECT_EQ(bytes(ExportFormat::CommaDelimited, options), "Category,Item,Weight,Notes\r\n"
                                                            "Clothing,Caf\xE9 jacket,10.00,\r\n"
                                                            "Cooking,\"Pot, 1 l\",4.60,\"12\"\" <lid>\"\r\n"
                                                            "Cooking,Stove,3.10,gas & lighter\r\n"
                                                            "Tent,Fly,20.00,\"green, 5\x80\x01\"\r\n"
                                                            "Water,Cup,1.00,\r\n"
                                                            "Water,Mug,2.00,\r\n"
                                                            ",Total Weight of Selected Items,  27.70,\r\n");
    // Rows take the colour of their place in the list: the fly is row 2, so the background's.
    EXPECT_EQ(bytes(ExportFormat::Html, options),
              htmlHead +
                  "<tr><td width=25% align=left bgcolor=#ffffe0><font face=Arial>Category</font></td>"
                  "<td width=25% align=center bgcolor=#ffffe0><font face=Arial>Item</font></td>"
                  "<td width=10% align=center bgcolor=#ffffe0><font face=Arial>Weight</font></td>"
                  "<td width=40% align=left bgcolor=#ffffe0><font face=Arial>Notes</font></td></tr>"
                  "<tr><td width=25% align=left bgcolor=#ffffe0><font face=Arial>Clothing</font></td>"
                  "<td width=25% align=center bgcolor=#ffffe0><font face=Arial>Caf&#233; jacket</font></td>"
                  "<td width=10% align=center bgcolor=#ffffe0><font face=Arial>10.00</font></td>"
                  "<td width=40% align=left bgcolor=#ffffe0><font face=Arial>&nbsp;</font></td></tr>\r\n"
                  "<tr><td width=25% align=left bgcolor=#ff9900><font face=Arial>Cooking</font></td>"
                  "<td width=25% align=center bgcolor=#ff9900><font face=Arial>Pot, 1 l</font></td>"
                  "<td width=10% align=center bgcolor=#ff9900><font face=Arial>4.60</font></td>"
                  "<td width=40% align=left bgcolor=#ff9900><font face=Arial>12&quot; &lt;lid&gt;</font></td></tr>\r\n"
                  "<tr><td width=25% align=left bgcolor=#ff9900><font face=Arial>Cooking</font></td>"
                  "<td width=25% align=center bgcolor=#ff9900><font face=Arial>Stove</font></td>"
                  "<td width=10% align=center bgcolor=#ff9900><font face=Arial>3.10</font></td>"
                  "<td width=40% align=left bgcolor=#ff9900><font face=Arial>gas &amp; lighter</font></td></tr>\r\n"
                  "<tr><td width=25% align=left bgcolor=#ffffe0><font face=Arial>Tent</font></td>"
                  "<td width=25% align=center bgcolor=#ffffe0><font face=Arial>Fly</font></td>"
                  "<td width=10% align=center bgcolor=#ffffe0><font face=Arial>20.00</font></td>"
                  "<td width=40% align=left bgcolor=#ffffe0><font face=Arial>green, 5&#8364;\x01</font></td></tr>\r\n"
                  "<tr><td width=25% align=left bgcolor=#ff9900><font face=Arial>Water</font></td>"
                  "<td width=25% align=center bgcolor=#ff9900><font face=Arial>Cup</font></td>"
                  "<td width=10% align=center bgcolor=#ff9900><font face=Arial>1.00</font></td>"
                  "<td width=40% align=left bgcolor=#ff9900><font face=Arial>&nbsp;</font></td></tr>\r\n"
                  "<tr><td width=25% align=left bgcolor=#ff9900><font face=Arial>Water</font></td>"
                  "<td width=25% align=center bgcolor=#ff9900><font face=Arial>Mug</font></td>"
                  "<td width=10% align=center bgcolor=#ff9900><font face=Arial>2.00</font></td>"
                  "<td width=40% align=left bgcolor=#ff9900><font face=Arial>&nbsp;</font></td></tr>\r\n"
                  "</table></body></html>\r\n");
    EXPECT_EQ(bytes(ExportFormat::Xml, options),
              "<xml>\r\n<Backpacking_Gear>\r\n"
              "<category attribute=\"Clothing\">\r\n\t<Item>Caf&#233; jacket</Item>\r\n\t<Weight>10.00</Weight>\r\n"
              "<Notes></Notes>\r\n</category>\r\n"
              "<category attribute=\"Cooking\">\r\n\t<Item>Pot, 1 l</Item>\r\n\t<Weight>4.60</Weight>\r\n"
              "<Notes>12&quot; &lt;lid&gt;</Notes>\r\n</category>\r\n"
              "<category attribute=\"Cooking\">\r\n\t<Item>Stove</Item>\r\n\t<Weight>3.10</Weight>\r\n"
              "<Notes>gas &amp; lighter</Notes>\r\n</category>\r\n"
              "<category attribute=\"Tent\">\r\n\t<Item>Fly</Item>\r\n\t<Weight>20.00</Weight>\r\n"
              "<Notes>green, 5&#8364;</Notes>\r\n</category>\r\n"
              "<category attribute=\"Water\">\r\n\t<Item>Cup</Item>\r\n\t<Weight>1.00</Weight>\r\n"
              "<Notes></Notes>\r\n</category>\r\n"
              "<category attribute=\"Water\">\r\n\t<Item>Mug</Item>\r\n\t<Weight>2.00</Weight>\r\n"
              "<Notes></Notes>\r\n</category>\r\n"
              "</Backpacking_Gear></xml>\r\n");
}

TEST_F(ExportTest, OnlyCheckedItemsWithoutNotesWriteAnExpandedGroupOnce)
{
    makeSampleList();
    list->toggleGroup(rowOf("+ Kit"));
    ASSERT_EQ(rowOf("Fly"), 4);
    ExportOptions options;
    options.onlyChecked = true;
    options.backColor = 0x00FFFF0A; // red below 16 still takes two digits
    options.groupColor = 0x00FF9900;
    EXPECT_EQ(bytes(ExportFormat::Text, options),
              "Category              Item                                  Weight     \r\n" + std::string(71, '-') +
                  "\r\n"
                  "Cooking              Pot, 1 l                                 4.60     * \r\n"
                  "Cooking              Stove                                    3.10     * \r\n"
                  "Tent                 Fly                                      20.00    \r\n"
                  "\r\n                     Total Weight of Selected Items            27.70\r\n");
    EXPECT_EQ(bytes(ExportFormat::CommaDelimited, options), "Category,Item,Weight\r\n"
                                                            "Cooking,\"Pot, 1 l\",4.60\r\n"
                                                            "Cooking,Stove,3.10\r\n"
                                                            "Tent,Fly,20.00\r\n"
                                                            ",Total Weight of Selected Items,  27.70,\r\n");
    EXPECT_EQ(bytes(ExportFormat::Html, options),
              htmlHead + "<tr><td width=25% align=left bgcolor=#0affff><font face=Arial>Category</font></td>"
                         "<td width=25% align=center bgcolor=#0affff><font face=Arial>Item</font></td>"
                         "<td width=10% align=center bgcolor=#0affff><font face=Arial>Weight</font></td></tr>"
                         "<tr><td width=25% align=left bgcolor=#0099ff><font face=Arial>Cooking</font></td>"
                         "<td width=25% align=center bgcolor=#0099ff><font face=Arial>Pot, 1 l</font></td>"
                         "<td width=10% align=center bgcolor=#0099ff><font face=Arial>4.60</font></td></tr>\r\n"
                         "<tr><td width=25% align=left bgcolor=#0099ff><font face=Arial>Cooking</font></td>"
                         "<td width=25% align=center bgcolor=#0099ff><font face=Arial>Stove</font></td>"
                         "<td width=10% align=center bgcolor=#0099ff><font face=Arial>3.10</font></td></tr>\r\n"
                         "<tr><td width=25% align=left bgcolor=#0affff><font face=Arial>Tent</font></td>"
                         "<td width=25% align=center bgcolor=#0affff><font face=Arial>Fly</font></td>"
                         "<td width=10% align=center bgcolor=#0affff><font face=Arial>20.00</font></td></tr>\r\n"
                         "</table></body></html>\r\n");
    EXPECT_EQ(
        bytes(ExportFormat::Xml, options),
        "<xml>\r\n<Backpacking_Gear>\r\n"
        "<category attribute=\"Cooking\">\r\n\t<Item>Pot, 1 l</Item>\r\n\t<Weight>4.60</Weight>\r\n</category>\r\n"
        "<category attribute=\"Cooking\">\r\n\t<Item>Stove</Item>\r\n\t<Weight>3.10</Weight>\r\n</category>\r\n"
        "<category attribute=\"Tent\">\r\n\t<Item>Fly</Item>\r\n\t<Weight>20.00</Weight>\r\n</category>\r\n"
        "</Backpacking_Gear></xml>\r\n");
}

// The category is an attribute value: a parser reads none with a bare "&" in it.
TEST(Export, TheXmlCategoryAttributeIsEscapedToo)
{
    ReportList list;
    list.item("Food & Water", "Filter", "3");
    EXPECT_EQ(exportBytes(ExportFormat::Xml, list.rows, ExportOptions()),
              "<xml>\r\n<Backpacking_Gear>\r\n<category attribute=\"Food &amp; Water\">\r\n\t<Item>Filter</Item>\r\n"
              "\t<Weight>3</Weight>\r\n</category>\r\n</Backpacking_Gear></xml>\r\n");
}

// What is not ASCII is written in UTF-8 or in the code page, the text file's columns counted in characters;
// ASCII is the same in both.
TEST(Export, TheTextAndCommaDelimitedFilesAreInUtf8OrTheCodePageAligned)
{
    ReportList list;
    list.item("Caf\xE9", "P\xE2t\xE9 tin", "4.5", "5 \x80").ticked = true;
    list.item("Tent", "Fly", "20");
    struct Case
    {
        ExportEncoding encoding;
        std::string firstLine;
        std::string commaDelimited;
    };
    const Case cases[] = {
        {ExportEncoding::CodePage,
         "Caf\xE9                 P\xE2t\xE9 tin                                 4.5      5 \x80\r\n",
         "Category,Item,Weight,Notes\r\nCaf\xE9,P\xE2t\xE9 tin,4.5,5 \x80\r\nTent,Fly,20,\r\n,Total Weight of Selected "
         "Items,   4.50,\r\n"},
        {ExportEncoding::Utf8,
         "Caf\xC3\xA9                 P\xC3\xA2t\xC3\xA9 tin                                 4.5      5 "
         "\xE2\x82\xAC\r\n",
         "Category,Item,Weight,Notes\r\nCaf\xC3\xA9,P\xC3\xA2t\xC3\xA9 tin,4.5,5 "
         "\xE2\x82\xAC\r\nTent,Fly,20,\r\n,Total Weight of Selected Items,   4.50,\r\n"},
    };
    for (const Case& c : cases) {
        ExportOptions options;
        options.includeNotes = true;
        options.encoding = c.encoding;
        EXPECT_EQ(exportBytes(ExportFormat::Text, list.rows, options),
                  "Category              Item                                  Weight     Notes\r\n" +
                      std::string(79, '-') + "\r\n" + c.firstLine +
                      "Tent                 Fly                                      20       \r\n"
                      "\r\n                     Total Weight of Selected Items             4.50\r\n");
        EXPECT_EQ(exportBytes(ExportFormat::CommaDelimited, list.rows, options), c.commaDelimited);
    }
}

TEST_F(ExportTest, WritesEveryChosenFileThoughOneFailsAndMailsTheTextFile)
{
    Settings settings;
    settings.backColor = 0x80000005; // the system's window colour, looked up in the table given
    makeDocument(settings);
    add("Tent", "\xC9t\xE9 fly", "20");
    ASSERT_EQ(list->setChecked(0, true), std::nullopt);
    folder.write("list.htm", "old");
    ExportChoices choices;
    choices.text = choices.commaDelimited = choices.html = choices.xml = choices.sendAsEmail = true;
    choices.paths = {folder / "list.txt", folder / "missing" / "list.csv", folder / "list.htm", folder / "list.xml"};

    const ExportOutcome outcome = runExport(*list, document->settings(), choices,
                                            [](int index) -> ColorValue { return index == 5 ? 0x00102030 : 0; });
    EXPECT_EQ(outcome.messages, (std::vector<Message>{{(folder / "missing" / "list.csv").string(), "Unable to Open!",
                                                       MessageIcon::Exclamation, MessageButtons::Ok}}));
    EXPECT_EQ(outcome.mailAttachment, folder / "list.txt");
#ifdef _WIN32
    const std::string summerFly = "\xC9t\xE9 fly"; // in the code page, as Windows programs read text files
#else
    const std::string summerFly = "\xC3\x89t\xC3\xA9 fly"; // UTF-8, as the system's text is
#endif
    EXPECT_EQ(folder.read("list.txt"),
              "Category              Item                                  Weight     \r\n" + std::string(71, '-') +
                  "\r\nTent                 " + summerFly +
                  "                                  20.00    \r\n"
                  "\r\n                     Total Weight of Selected Items            20.00\r\n");
    EXPECT_NE(folder.read("list.htm").find("<td width=25% align=left bgcolor=#302010><font face=Arial>Tent"),
              std::string::npos);
    EXPECT_EQ(folder.read("list.xml").substr(0, 5), "<xml>");
}

TEST_F(ExportTest, MailGoesOutOnlyWhenTheTextFileWasWritten)
{
    ExportChoices choices;
    choices.sendAsEmail = true; // the text file is written for the mail even when its box is unticked
    choices.paths[0] = folder / "mail.txt";
    ExportOutcome outcome = runExport(*list, document->settings(), choices, nullptr);
    EXPECT_EQ(outcome.messages, std::vector<Message>{});
    EXPECT_EQ(outcome.mailAttachment, folder / "mail.txt");
    EXPECT_NE(folder.read("mail.txt"), "<missing>");

    // Ticked as well, the text file is written twice, and fails twice.
    choices.text = true;
    choices.paths[0] = folder / "missing" / "mail.txt";
    outcome = runExport(*list, document->settings(), choices, nullptr);
    ASSERT_EQ(outcome.messages.size(), 2u);
    EXPECT_EQ(outcome.messages[1].text, (folder / "missing" / "mail.txt").string());
    EXPECT_EQ(outcome.mailAttachment, std::nullopt);
}

TEST_F(ExportTest, TheDialogOpensWithThePathsOfTheSettingsFileAndChecksTheMailPath)
{
    folder.write("GearData.ini", "[EXPORT]\r\nTEXTFILE=C:\\trips\\caf\xE9.txt\r\nHTMLFILE=\r\n");
    ExportChoices choices;
    choices.paths = {"a", "b", "c", "d"};
    choices.includeNotes = true;
    choices.onlyChecked = true;
    choices.xml = true;
    readExportSettings(choices, document->settingsFile());
    EXPECT_EQ(choices.paths, (std::array<std::filesystem::path, 4>{u8"C:\\trips\\caf\u00e9.txt", "", "", ""}));
    EXPECT_TRUE(choices.includeNotes); // no EXPORTNOTES: the flag stays
    EXPECT_FALSE(choices.onlyChecked); // "Export All Items" at every opening
    EXPECT_TRUE(choices.xml);
    folder.write("GearData.ini", "[EXPORT]\r\nEXPORTNOTES=0000000000\r\n");
    readExportSettings(choices, document->settingsFile());
    EXPECT_FALSE(choices.includeNotes);

    choices.sendAsEmail = true;
    EXPECT_EQ(exportChoicesProblem(choices),
              (Message{"To send EMail, please choose a Text File by clicking on the Browse button and entering a file "
                       "name",
                       "Export Dialog", MessageIcon::Error, MessageButtons::Ok}));
    choices.paths[0] = "list.txt";
    EXPECT_EQ(exportChoicesProblem(choices), (Message{"Please enter a file name for the XML file", "Export Dialog",
                                                      MessageIcon::Error, MessageButtons::Ok})); // ticked above
    choices.paths[3] = "list.xml";
    EXPECT_EQ(exportChoicesProblem(choices), std::nullopt);
}

TEST_F(ExportTest, OkRefusesATickedFormatWithoutAFileNamingTheFirstSuchFormat)
{
    const struct
    {
        std::array<bool, 4> ticked; // text, comma-delimited, HTML, XML
        std::array<std::filesystem::path, 4> paths;
        std::optional<std::string> refusal;
    } cases[] = {
        {{false, false, false, false}, {"", "", "", ""}, std::nullopt},
        {{true, true, true, true}, {"a.txt", "b.csv", "c.htm", "d.xml"}, std::nullopt},
        {{true, false, false, false}, {"", "", "", ""}, "Please enter a file name for the Text file"},
        {{false, true, false, false}, {"a.txt", "", "", ""}, "Please enter a file name for the Comma Delimited file"},
        {{false, false, true, true}, {"", "", "", ""}, "Please enter a file name for the HTML file"},
        {{false, false, false, true}, {"", "", "c.htm", ""}, "Please enter a file name for the XML file"},
    };
    for (const auto& c : cases) {
        ExportChoices choices;
        std::tie(choices.text, choices.commaDelimited, choices.html, choices.xml) =
            std::tuple(c.ticked[0], c.ticked[1], c.ticked[2], c.ticked[3]);
        choices.paths = c.paths;
        const std::optional<Message> expected =
            c.refusal ? std::optional(Message{*c.refusal, "Export Dialog", MessageIcon::Error, MessageButtons::Ok})
                      : std::nullopt;
        EXPECT_EQ(exportChoicesProblem(choices), expected) << c.refusal.value_or("none");
    }
}

// Nothing is half done: the OK check refuses a target that is a list, its settings or Cairnly.ini.
TEST_F(ExportTest, OkRefusesToWriteAReportOverAList)
{
    folder.write("other.dat", "Cairnly data file 5.9\r\n");
    const std::vector<std::filesystem::path> listFiles = {folder / "trip.dat", folder / "trip.ini",
                                                          folder / "Cairnly.ini"};
    const struct
    {
        ExportFormat format;
        std::filesystem::path path;
        bool refused;
    } cases[] = {
        {ExportFormat::Html, folder / "trip.dat", true},
        {ExportFormat::Xml, folder / "trip.ini", true},
        {ExportFormat::Text, folder / "Cairnly.ini", true},
        {ExportFormat::CommaDelimited, folder / "other.dat", true},
        {ExportFormat::CommaDelimited, folder / "list.csv", false},
    };
    for (const auto& c : cases) {
        ExportChoices choices;
        choices.paths[static_cast<std::size_t>(c.format)] = c.path;
        choices.text = c.format == ExportFormat::Text;
        choices.commaDelimited = c.format == ExportFormat::CommaDelimited;
        choices.html = c.format == ExportFormat::Html;
        choices.xml = c.format == ExportFormat::Xml;
        const std::optional<Message> expected = c.refused ? std::optional(neverWrittenOver(c.path)) : std::nullopt;
        EXPECT_EQ(exportChoicesProblem(choices, listFiles), expected) << c.path;
    }
    ExportChoices mail; // the mailed text file is written too
    mail.sendAsEmail = true;
    mail.paths[0] = folder / "trip.dat";
    EXPECT_EQ(exportChoicesProblem(mail, listFiles), neverWrittenOver(folder / "trip.dat"));
}

TEST_F(ExportTest, ConfirmedPathsReachTheSettingsFileAtTheNextWriteOrAreReported)
{
    const std::filesystem::path unrecordable = folder / u8"list\u0101.csv"; // no Windows-1252 form
    document->setExportSettings({folder / "list.txt", unrecordable, "", " spaced.xml"}, true);
    const WriteReport report = document->write(folder / "trip.dat");
    EXPECT_FALSE(report.failed);
    const std::vector<Message>& notes = report.messages;
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0].text, unrecordablePathText(pathText(unrecordable)));
    EXPECT_EQ(notes[1].text, unrecordablePathText(" spaced.xml"));
    const ProfileFile saved = ProfileFile::load(folder / "trip.ini");
    EXPECT_EQ(saved.readString("EXPORT", "TEXTFILE"), (folder / "list.txt").string());
    EXPECT_EQ(saved.readString("EXPORT", "COMMAFILE"), std::nullopt);
    EXPECT_EQ(saved.readString("EXPORT", "HTMLFILE"), "");
    EXPECT_EQ(saved.readStructInt32("EXPORT", "EXPORTNOTES"), 1);
    // A save under another name does not move the settings the next export reads.
    EXPECT_EQ(document->settingsFile(), folder / "GearData.ini");
}
