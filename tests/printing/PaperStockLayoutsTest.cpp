#include "platform/CPrompt.h"
#include "platform/ProgramFolder.h"
#include "printing/CPaperStockLayouts.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
const QString kCannotOpen = QStringLiteral(
    "The file paperstock.lay containg the layouts could not be opened. \n"
    "You may need to reinstall the application to correct this problem.\n"
    "You can look at our support web site for other solutions.");
const QString kCorrupted = QStringLiteral(
    "The file paperstock.lay containg the layouts is corrupted. \n"
    "You may need to reinstall the application to correct this problem.\n"
    "You can look at our support web site for other solutions.");
const QString kCannotWrite =
    QStringLiteral("File paperstock.lay could not be opened. \nIf it is opened by another application, please close it.");

const QByteArray kLetter = "Letter|5|2|0|0|0.5|0.75|8.5|11|3.5|2";
const QByteArray kA4 = "A4 stock|5|2|0.3937|0|0.5315|0.5906|8.2677|11.6929|3.3465|2.1260";
const QByteArray kGapped = "Gapped|4|2|0.25|0.5|0.75|0.5|8.5|11|3.5|2|extra|fields";

void WriteProgramFile(const QByteArray& bytes)
{
    QFile f(ProgramFolder::Child(QStringLiteral("paperstock.lay")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray ReadProgramFile() { return ReadFile(ProgramFolder::Child(QStringLiteral("paperstock.lay"))); }

QByteArray Lines(std::initializer_list<QByteArray> records)
{
    return QList<QByteArray>(records).join("\r\n");
}

CLayoutState CardOf(int nWidth, int nHeight)
{
    CLayoutState s;
    s.nCardWidth = nWidth;
    s.nCardHeight = nHeight;
    return s;
}
CLayoutState LandscapeCard() { return CardOf(350, 200); }
CLayoutState PortraitCard() { return CardOf(200, 350); }

// An editor that records what it was shown and answers with a change.
struct CFakeEditor {
    bool bOk = true;
    std::function<void(CLayoutEditorValues&)> change = [](CLayoutEditorValues&) {};
    std::optional<CLayoutEditorValues> shown;

    LayoutEditor Get()
    {
        return [this](CLayoutEditorValues& v) {
            shown = v;
            change(v);
            return bOk;
        };
    }
};
}  // namespace

TEST(PaperStockSplit, KeepsEveryPartIncludingEmptyOnes)
{
    struct Case {
        QByteArray text, sep;
        QList<QByteArray> parts;
    } cases[] = {
        {"a|b|c", "|", {"a", "b", "c"}},
        {"abc", "|", {"abc"}},
        {"", "|", {""}},
        {"a|", "|", {"a", ""}},
        {"||", "|", {"", "", ""}},
        {"one\r\ntwo\r\n", "\r\n", {"one", "two", ""}},
        {"one\rtwo\n", "\r\n", {"one\rtwo\n"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CPaperStockLayouts::SplitString(c.text, c.sep), c.parts) << c.text.toStdString();
}

TEST(PaperStockLoad, ListsEveryRecordByName)
{
    WriteProgramFile(Lines({kLetter, kA4, kGapped}));
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    EXPECT_TRUE(prompt.Texts().isEmpty());
    EXPECT_EQ(layouts.LayoutCount(), 3);
    EXPECT_EQ(layouts.ListedNames(), (QStringList{"Letter", "A4 stock", "Gapped"}));
}

TEST(PaperStockLoad, DamagedFilesListUpToTheBadLineAndCountEveryLine)
{
    struct Case {
        QByteArray file;
        int nCount;
        QStringList listed;
    } cases[] = {
        {Lines({kLetter, kA4}) + "\r\n", 3, {"Letter", "A4 stock"}},  // ends with a line break
        {"", 1, {}},
        {Lines({kLetter, "no separator here", kA4}), 3, {"Letter"}},
    };
    for (const Case& c : cases) {
        WriteProgramFile(c.file);
        CScriptedPrompt prompt;
        CPaperStockLayouts layouts;
        layouts.LoadLayouts();
        EXPECT_EQ(prompt.Texts(), QStringList{kCorrupted}) << c.file.toStdString();
        EXPECT_EQ(layouts.LayoutCount(), c.nCount) << c.file.toStdString();
        EXPECT_EQ(layouts.ListedNames(), c.listed) << c.file.toStdString();
    }
}

TEST(PaperStockLoad, MissingFileIsReportedAndKeepsWhatWasLoaded)
{
    WriteProgramFile(Lines({kLetter, kA4}));
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    ASSERT_TRUE(QFile::remove(ProgramFolder::Child(QStringLiteral("paperstock.lay"))));
    layouts.LoadLayouts();
    EXPECT_EQ(prompt.Texts(), QStringList{kCannotOpen});
    EXPECT_EQ(layouts.ListedNames(), (QStringList{"Letter", "A4 stock"}));

    CPaperStockLayouts fresh;
    fresh.LoadLayouts();
    EXPECT_EQ(fresh.LayoutCount(), 0);
    EXPECT_TRUE(fresh.ListedNames().isEmpty());
}

TEST(PaperStockLoad, NamesInTheWindowsCodePageAndBeyondReadBack)
{
    WriteProgramFile(Lines({"Caf\xE9 cards|5|2|0|0|0.5|0.75|8.5|11|3.5|2", "\xE5\x90\x8D\xE5\x88\xBA|5|2|0|0|0.5|0.75|8.5|11|3.5|2"}));
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    EXPECT_EQ(layouts.ListedNames(), (QStringList{QStringLiteral("Café cards"), QStringLiteral("名刺")}));
}

TEST(PaperStockApply, LandscapeCardTakesTheRecordAsStored)
{
    WriteProgramFile(Lines({kLetter, kA4}));
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CLayoutState s = LandscapeCard();
    layouts.ApplyLayout(1, s, 0);
    EXPECT_EQ(s.nRows, 5);
    EXPECT_EQ(s.nCols, 2);
    EXPECT_EQ(s.strColGap, "0.39");
    EXPECT_EQ(s.strTopMargin, "0.53");
    EXPECT_EQ(s.strLeftMargin, "0.59");
    EXPECT_EQ(s.strSheetWidth, "8.27");
    EXPECT_EQ(s.strSheetHeight, "11.69");
    EXPECT_EQ(s.fColGap, 0.3937f);
    EXPECT_EQ(s.fRowGap, 0.0f);
    EXPECT_EQ(s.fTopMargin, 0.5315f);
    EXPECT_EQ(s.fLeftMargin, 0.5906f);
    EXPECT_EQ(s.nSheetWidth, 826);  // cut towards zero
    EXPECT_EQ(s.nSheetHeight, 1169);
    EXPECT_EQ(s.nCardWidth, 334);
    EXPECT_EQ(s.nCardHeight, 212);
    // The dialog rounds the sheet size it reads back from its boxes.
    EXPECT_EQ(CPaperStockLayouts::SheetSizeFromBox(s.strSheetWidth, 0), 827);
}

TEST(PaperStockApply, PortraitCardTakesTheRecordTransposed)
{
    WriteProgramFile("Sheet|5|2|0|0.25|0.5|0.75|8.5|11|3.5|2");
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CLayoutState s = PortraitCard();
    layouts.ApplyLayout(0, s, 0);
    EXPECT_EQ(s.nRows, 2);
    EXPECT_EQ(s.nCols, 5);
    EXPECT_EQ(s.fColGap, 0.25f);
    EXPECT_EQ(s.fRowGap, 0.0f);
    EXPECT_EQ(s.fTopMargin, 0.75f);
    EXPECT_EQ(s.fLeftMargin, 0.5f);
    EXPECT_EQ(s.strTopMargin, "0.75");
    EXPECT_EQ(s.nSheetWidth, 1100);
    EXPECT_EQ(s.nSheetHeight, 850);
    EXPECT_EQ(s.nCardWidth, 200);
    EXPECT_EQ(s.nCardHeight, 350);
}

TEST(PaperStockApply, CentimetresShowInTheBoxesOnlyMembersStayInches)
{
    WriteProgramFile("Sheet|5|2|0.25|0|0.5|0.75|8.5|11|3.5|2");
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CLayoutState s = LandscapeCard();
    layouts.ApplyLayout(0, s, CPaperStockLayouts::kUnitCm);
    EXPECT_EQ(s.strColGap, "0.64");
    EXPECT_EQ(s.strLeftMargin, "1.91");
    EXPECT_EQ(s.strSheetWidth, "21.59");
    EXPECT_EQ(s.fColGap, 0.25f);
    EXPECT_EQ(s.nSheetWidth, 850);
    EXPECT_EQ(CPaperStockLayouts::SheetSizeFromBox(s.strSheetWidth, CPaperStockLayouts::kUnitCm), 850);
    EXPECT_EQ(CPaperStockLayouts::SheetSizeFromBox(QStringLiteral("25.4"), CPaperStockLayouts::kUnitCm), 1000);
}

TEST(PaperStockApply, ShortRecordsFillWhatTheyHold)
{
    // Each record stops at its first missing value; what follows keeps the
    // marker values it held before.
    WriteProgramFile(Lines({"Seven|3|4|0.1|0.2|0.3|0.4", "Ten|3|4|0.1|0.2|0.3|0.4|9|12|3|", "Two|3"}));
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    const auto marked = [](CLayoutState s) {
        s.nRows = s.nCols = 99;
        s.strSheetWidth = "x";
        s.fColGap = 9.0f;
        s.nSheetWidth = s.nSheetHeight = 99;
        return s;
    };

    CLayoutState seven = marked(LandscapeCard());
    layouts.ApplyLayout(0, seven, 0);
    EXPECT_EQ(seven.nRows, 3);
    EXPECT_EQ(seven.strLeftMargin, "0.40");
    EXPECT_EQ(seven.strSheetWidth, "x");  // field 7 missing: stops here
    EXPECT_EQ(seven.fColGap, 9.0f);       // members are never reached
    EXPECT_EQ(seven.nCardWidth, 350);

    CLayoutState ten = marked(LandscapeCard());
    layouts.ApplyLayout(1, ten, 0);
    EXPECT_EQ(ten.fColGap, 0.1f);
    EXPECT_EQ(ten.nSheetHeight, 1200);
    EXPECT_EQ(ten.nCardWidth, 300);
    EXPECT_EQ(ten.nCardHeight, 0);  // present but empty: reads as 0

    CLayoutState two = marked(LandscapeCard());
    layouts.ApplyLayout(2, two, 0);
    EXPECT_EQ(two.nRows, 3);
    EXPECT_EQ(two.nCols, 99);

    // Transposed, rows come from field 2, which is missing: nothing changes.
    CLayoutState portrait = marked(PortraitCard());
    layouts.ApplyLayout(2, portrait, 0);
    EXPECT_EQ(portrait.nRows, 99);

    CLayoutState none = marked(LandscapeCard());
    layouts.ApplyLayout(-1, none, 0);
    EXPECT_EQ(none.nRows, 99);
}

TEST(PaperStockApply, FieldsReadLikeTheCLibrary)
{
    WriteProgramFile("Odd| 7 rows|x|  .5in|-0.25|1e-1|abc|8,5|11.|3.5|2");
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CLayoutState s = LandscapeCard();
    layouts.ApplyLayout(0, s, 0);
    EXPECT_EQ(s.nRows, 7);
    EXPECT_EQ(s.nCols, 0);
    EXPECT_EQ(s.fColGap, 0.5f);
    EXPECT_EQ(s.fRowGap, -0.25f);
    EXPECT_EQ(s.fTopMargin, 0.1f);
    EXPECT_EQ(s.fLeftMargin, 0.0f);
    EXPECT_EQ(s.nSheetWidth, 800);  // no comma decimals, whatever the locale
    EXPECT_EQ(s.nSheetHeight, 1100);
}

TEST(PaperStockAdd, AppendsThreeDecimalRecordAndSelectsIt)
{
    WriteProgramFile(Lines({kLetter, kA4}));
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CFakeEditor editor;
    editor.change = [](CLayoutEditorValues& v) {
        v.strName = "A|B";
        v.nRows = 4;
        v.afLengths = {0.25f, 0.5f, 0.75f, 0.5f, 8.5f, 11.0f, 3.5f, 2.0f};
    };
    const std::optional<int> selected = layouts.AddLayout(1, LandscapeCard(), 0, editor.Get());

    ASSERT_TRUE(editor.shown);
    EXPECT_EQ(editor.shown->strName, "My Print Layout");
    EXPECT_EQ(editor.shown->nRows, 5);  // the selected record is the template
    EXPECT_EQ(editor.shown->afLengths[CLayoutEditorValues::kSheetHeight], 11.6929f);
    EXPECT_FALSE(editor.shown->bPortrait);
    EXPECT_EQ(selected, 2);
    EXPECT_EQ(layouts.ListedNames().last(), "A/B");
    EXPECT_EQ(ReadProgramFile(),
              Lines({kLetter, kA4, "A/B|4|2|0.250|0.500|0.750|0.500|8.500|11.000|3.500|2.000"}));
    EXPECT_TRUE(prompt.Texts().isEmpty());
}

TEST(PaperStockAdd, EditorSeesDisplayUnitsAndPortraitFlagWithoutTransposing)
{
    WriteProgramFile(Lines({kGapped, kLetter}));
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CFakeEditor editor;
    editor.bOk = false;
    // Nothing selected: the first record is the template.
    EXPECT_EQ(layouts.AddLayout(-1, PortraitCard(), CPaperStockLayouts::kUnitCm, editor.Get()), std::nullopt);
    ASSERT_TRUE(editor.shown);
    EXPECT_EQ(editor.shown->nRows, 4);
    EXPECT_EQ(editor.shown->nCols, 2);
    EXPECT_FLOAT_EQ(editor.shown->afLengths[CLayoutEditorValues::kColGap], 0.635f);
    EXPECT_FLOAT_EQ(editor.shown->afLengths[CLayoutEditorValues::kSheetWidth], 21.59f);
    EXPECT_TRUE(editor.shown->bPortrait);
    EXPECT_EQ(editor.shown->nUnit, CPaperStockLayouts::kUnitCm);
    // Cancelled: the file is untouched.
    EXPECT_EQ(ReadProgramFile(), Lines({kGapped, kLetter}));
}

TEST(PaperStockAdd, NamesOutsideTheWindowsCodePageSurvive)
{
    WriteProgramFile(kLetter);
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CFakeEditor editor;
    editor.change = [](CLayoutEditorValues& v) { v.strName = QStringLiteral("名刺 Café"); };
    layouts.AddLayout(0, LandscapeCard(), 0, editor.Get());
    EXPECT_EQ(layouts.ListedNames(), (QStringList{"Letter", QStringLiteral("名刺 Café")}));
    editor.change = [](CLayoutEditorValues& v) { v.strName = QStringLiteral("Café"); };
    layouts.AddLayout(0, LandscapeCard(), 0, editor.Get());
    EXPECT_TRUE(ReadProgramFile().contains("\r\nCaf\xE9|"));
}

TEST(PaperStockEdit, RewritesOnlyTheSelectedRecordWithFourDecimals)
{
    const QByteArray odd = "Odd spacing| 5 |2|0.0|0|.5|0.75|8.5|11|3.5|2";
    WriteProgramFile(Lines({odd, kGapped, kLetter}));
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CFakeEditor editor;
    editor.change = [](CLayoutEditorValues& v) { v.nCols = 3; };
    EXPECT_EQ(layouts.EditLayout(1, LandscapeCard(), 0, editor.Get()), 1);
    EXPECT_EQ(editor.shown->strName, "Gapped");
    // The edited record loses its extra fields; the others keep their text.
    EXPECT_EQ(ReadProgramFile(),
              Lines({odd, "Gapped|4|3|0.2500|0.5000|0.7500|0.5000|8.5000|11.0000|3.5000|2.0000", kLetter}));
}

TEST(PaperStockEdit, RefusedSilentlyWithoutSelectionOrWithShortRecord)
{
    WriteProgramFile(Lines({kLetter, "Short|5|2|0|0"}));
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    CFakeEditor editor;
    EXPECT_EQ(layouts.EditLayout(-1, LandscapeCard(), 0, editor.Get()), std::nullopt);
    EXPECT_EQ(layouts.EditLayout(1, LandscapeCard(), 0, editor.Get()), std::nullopt);
    EXPECT_EQ(layouts.AddLayout(1, LandscapeCard(), 0, editor.Get()), std::nullopt);
    EXPECT_FALSE(editor.shown);
    EXPECT_TRUE(prompt.Texts().isEmpty());
    EXPECT_EQ(ReadProgramFile(), Lines({kLetter, "Short|5|2|0|0"}));
}

TEST(PaperStockDelete, RemovesAfterConfirmationAndSelectsTheEntryBefore)
{
    struct Case {
        int nDelete;
        int nSelect;
        QByteArray file;
    } cases[] = {
        {0, 0, Lines({kA4, kGapped})},
        {2, 1, Lines({kLetter, kA4})},
        {1, 0, Lines({kLetter, kGapped})},
    };
    for (const Case& c : cases) {
        WriteProgramFile(Lines({kLetter, kA4, kGapped}));
        CScriptedPrompt prompt;
        CPaperStockLayouts layouts;
        layouts.LoadLayouts();
        prompt.Answer(CPrompt::IdYes);
        EXPECT_EQ(layouts.DeleteLayout(c.nDelete), c.nSelect);
        EXPECT_EQ(prompt.Texts().size(), 1);
        EXPECT_EQ(ReadProgramFile(), c.file) << c.nDelete;
        EXPECT_EQ(layouts.LayoutCount(), 2);
    }
}

TEST(PaperStockDelete, AsksWithTheNameAndNoKeepsTheLayout)
{
    WriteProgramFile(Lines({kLetter, kA4}));
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    prompt.Answer(CPrompt::IdNo);
    EXPECT_EQ(layouts.DeleteLayout(1), std::nullopt);
    EXPECT_EQ(prompt.Texts(), QStringList{"Are you sure you want to delete this print sheet layout?\n\nA4 stock"});
    EXPECT_EQ(ReadProgramFile(), Lines({kLetter, kA4}));
}

TEST(PaperStockDelete, RefusalsLeaveTheFileAlone)
{
    const QString keepOne = QStringLiteral("All layouts cannot be deleted! \nAt lease one layout should be present.");
    struct Case {
        QByteArray file;
        int nSelected;
        QString message;
    } cases[] = {
        {Lines({kLetter, kA4}), -1, QStringLiteral("Please select a print sheet layout to delete.")},
        {kLetter, 0, keepOne},
        // A line break at the end adds an unlisted record; the one listed
        // layout still may not go.
        {kLetter + "\r\n", 0, keepOne},
    };
    for (const Case& c : cases) {
        WriteProgramFile(c.file);
        CPaperStockLayouts layouts;
        layouts.LoadLayouts();
        CScriptedPrompt prompt;
        EXPECT_EQ(layouts.DeleteLayout(c.nSelected), std::nullopt);
        EXPECT_EQ(prompt.Texts(), QStringList{c.message});
        EXPECT_EQ(ReadProgramFile(), c.file);
    }
}

TEST(PaperStockDelete, FileEndingInLineBreakStillDeletesDownToOneListedLayout)
{
    WriteProgramFile(Lines({kLetter, kA4}) + "\r\n");
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    prompt.Clear();
    prompt.Answer(CPrompt::IdYes);
    EXPECT_EQ(layouts.DeleteLayout(0), 0);
    EXPECT_EQ(ReadProgramFile(), kA4 + "\r\n");
    EXPECT_EQ(layouts.ListedNames(), QStringList{"A4 stock"});
    EXPECT_EQ(layouts.LayoutCount(), 2);
}

TEST(PaperStockSave, ReadOnlyProgramFolderMovesTheLayoutsToTheUserFolder)
{
    WriteProgramFile(kLetter);
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    // A folder path that is a file can be written by nobody, root included.
    const QString programFolder = ProgramFolder::Path();
    const QString blocked = CurrentTestEnvironment().Path("not-a-folder");
    QFile(blocked).open(QIODevice::WriteOnly);
    ProgramFolder::SetOverride(blocked);

    CFakeEditor editor;
    EXPECT_EQ(layouts.AddLayout(0, LandscapeCard(), 0, editor.Get()), 1);
    EXPECT_TRUE(prompt.Texts().isEmpty());
    const QByteArray expected = kLetter + "\r\nMy Print Layout|5|2|0.000|0.000|0.500|0.750|8.500|11.000|3.500|2.000";
    EXPECT_EQ(ReadFile(CPaperStockLayouts::UserFilePath()), expected);

    // From then on the user's copy is read and written, even where the
    // program folder could be written again.
    ProgramFolder::SetOverride(programFolder);
    EXPECT_EQ(CPaperStockLayouts::FilePath(), CPaperStockLayouts::UserFilePath());
    CPaperStockLayouts again;
    again.LoadLayouts();
    EXPECT_EQ(again.LayoutCount(), 2);
    prompt.Answer(CPrompt::IdYes);
    again.DeleteLayout(0);
    EXPECT_EQ(ReadProgramFile(), kLetter);
    EXPECT_EQ(ReadFile(CPaperStockLayouts::UserFilePath()),
              "My Print Layout|5|2|0.000|0.000|0.500|0.750|8.500|11.000|3.500|2.000");
}

TEST(PaperStockSave, NowhereToWriteIsReported)
{
    WriteProgramFile(Lines({kLetter, kA4}));
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    const QString blocked = CurrentTestEnvironment().Path("not-a-folder");
    QFile(blocked).open(QIODevice::WriteOnly);
    ProgramFolder::SetOverride(blocked);
    ProgramFolder::SetUserDataOverride(blocked + "/user");

    prompt.Answer(CPrompt::IdYes);
    layouts.DeleteLayout(1);
    ASSERT_EQ(prompt.Texts().size(), 3);
    EXPECT_EQ(prompt.Texts()[1], kCannotWrite);
    EXPECT_EQ(prompt.Texts()[2], kCannotOpen);  // the reload finds nothing either
    EXPECT_FALSE(QFile::exists(CPaperStockLayouts::UserFilePath()));
}

TEST(PaperStockShippedFile, EveryStockIsCompleteAndFitsItsSheet)
{
    const QByteArray shipped = ReadFile(QStringLiteral(KESTOVA_SOURCE_DIR "/data/paperstock.lay"));
    WriteProgramFile(shipped);
    CScriptedPrompt prompt;
    CPaperStockLayouts layouts;
    layouts.LoadLayouts();
    EXPECT_TRUE(prompt.Texts().isEmpty());
    EXPECT_FALSE(shipped.endsWith("\r\n"));
    ASSERT_GE(layouts.LayoutCount(), 9);
    EXPECT_EQ(layouts.ListedNames().size(), layouts.LayoutCount());
    for (const char* product : {"5371", "8373", "BC554", "L7414", "J8414", "C32011", "C32015", "32010", "OCC-3342"})
        EXPECT_TRUE(layouts.ListedNames().filter(QLatin1String(product)).size() == 1) << product;

    for (const QByteArray& record : layouts.Records()) {
        const QList<QByteArray> f = CPaperStockLayouts::SplitString(record, "|");
        ASSERT_EQ(f.size(), CPaperStockLayouts::kFieldCount) << record.toStdString();
        QList<double> v;
        for (int i = 3; i < f.size(); ++i) {
            EXPECT_EQ(QString::asprintf("%2.4f", f[i].toDouble()).toLatin1(), f[i]) << record.toStdString();
            v << f[i].toDouble();
        }
        const int nRows = f[1].toInt(), nCols = f[2].toInt();
        // column gap, row gap, top, left, sheet width, sheet height, card width, card height
        EXPECT_LE(v[3] + nCols * v[6] + (nCols - 1) * v[0], v[4] + 1e-3) << record.toStdString();
        EXPECT_LE(v[2] + nRows * v[7] + (nRows - 1) * v[1], v[5] + 1e-3) << record.toStdString();
        EXPECT_GT(v[6], v[7]) << "stored for a landscape card: " << record.toStdString();
    }
}
