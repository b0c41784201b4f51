#include "document/COstrelsDoc.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "platform/CAppState.h"
#include "platform/CFileChooser.h"
#include "platform/CPrompt.h"
#include "support/CardFileFixtures.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QDir>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
QString TempPath(const char* sz) { return CurrentTestEnvironment().Path(QLatin1String(sz)); }

QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An element whose record cannot be written.
class CUnwritable : public CRectangle {
public:
    using CRectangle::CRectangle;
    void Serialize(CArchive&) override { throw std::runtime_error("no room"); }
};

void AddRect(COstrelsDoc& doc, QPoint a, QPoint b) { doc.m_elements.push_back(std::make_unique<CRectangle>(a, b)); }
}  // namespace

TEST(CardFileSave, SaveAsDialogProposesANameAndRemembersTheFolder)
{
    struct Case {
        const char* szTitle;
        const char* szPath;
        bool bReplace;
        const char* szProposed;
    };
    const Case cases[] = {
        {"Untitled1", "", true, "Untitled1"},
        {"50% off", "", true, "Untitled"},
        {"a#b", "", true, "Untitled"},
        {"x;y", "", true, "Untitled"},
        {"Untitled2", "", false, ""},
        {"card.kvzd", "/tmp/somewhere/card.kvzd", true, "/tmp/somewhere/card.kvzd"},
    };
    for (const Case& c : cases) {
        CScriptedFileChooser chooser;
        CScriptedPrompt prompt;
        CAppState::Instance().m_strDesignFolder = TempPath("designs");
        COstrelsDoc doc;
        if (*c.szPath)
            doc.SetPathName(QLatin1String(c.szPath));
        doc.SetTitle(QLatin1String(c.szTitle));
        EXPECT_FALSE(doc.DoSave({}, c.bReplace));  // cancelled
        ASSERT_EQ(chooser.Requests().size(), 1u);
        const CFileRequest& req = chooser.Requests()[0];
        EXPECT_EQ(req.kind, CFileRequest::Save);
        EXPECT_EQ(req.strProposedName, QLatin1String(c.szProposed)) << c.szTitle;
        EXPECT_EQ(req.strFilter, QStringLiteral("Business Cards Files (*.kvzd)|*.kvzd; |All Files (*.*)|*.*|"));
        EXPECT_EQ(req.strDefaultExt, QStringLiteral("kvzd"));
        EXPECT_EQ(req.strStartPath, TempPath("designs"));
        EXPECT_EQ(CAppState::Instance().m_strDesignFolder, TempPath("designs"));
        EXPECT_TRUE(prompt.Texts().isEmpty());
    }
}

TEST(CardFileSave, SaveAsTakesTheNewPathAndClearsModified)
{
    CScriptedFileChooser chooser;
    COstrelsDoc doc;
    doc.SetTitle(QStringLiteral("Untitled1"));
    AddRect(doc, QPoint(60, 60), QPoint(90, 80));
    doc.SetModifiedFlag(true);
    QStringList savedAs;
    QObject::connect(&doc, &COstrelsDoc::savedAs, [&](const QString& p) { savedAs << p; });
    const QString path = TempPath("mine.kvzd");
    chooser.Answer(path);
    ASSERT_TRUE(doc.DoSave({}, true));
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("mine.kvzd"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(CAppState::Instance().m_strDesignFolder, path);
    EXPECT_EQ(savedAs, QStringList{path});
    EXPECT_EQ(FileBytes(path), CardFileBytes(doc));
    EXPECT_EQ(doc.m_elements[0]->m_rcBounds, (CRect{60, 60, 90, 80}));

    // Save with a path asks nothing.
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.DoSave(doc.GetPathName(), true));
    EXPECT_EQ(chooser.Requests().size(), 1u);
    EXPECT_FALSE(doc.IsModified());
}

TEST(CardFileSave, SavingACopyKeepsPathAndModifiedState)
{
    COstrelsDoc doc;
    doc.SetPathName(TempPath("orig.kvzd"));
    doc.SetModifiedFlag(true);
    int nSavedAs = 0;
    QObject::connect(&doc, &COstrelsDoc::savedAs, [&](const QString&) { ++nSavedAs; });
    ASSERT_TRUE(doc.DoSave(TempPath("copy.kvzd"), false));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), TempPath("orig.kvzd"));
    EXPECT_EQ(nSavedAs, 0);
    EXPECT_TRUE(QFile::exists(TempPath("copy.kvzd")));
}

TEST(CardFileSave, AFailedSaveKeepsTheOldFileAndTheDesign)
{
    CScriptedPrompt prompt;
    COstrelsDoc doc;
    AddRect(doc, QPoint(60, 60), QPoint(90, 80));
    const QString path = TempPath("keep.kvzd");
    ASSERT_TRUE(doc.OnSaveDocument(path));
    const QByteArray before = FileBytes(path);

    auto curve = std::make_unique<CClosedCurve>(QPoint(70, 70), QPoint(80, 80));
    curve->AddPoint(QPoint(71, 72));
    doc.m_elements.push_back(std::move(curve));
    doc.m_elements.push_back(std::make_unique<CUnwritable>(QPoint(100, 100), QPoint(120, 120)));
    doc.SetModifiedFlag(true);
    EXPECT_FALSE(doc.DoSave(path, true));
    EXPECT_EQ(prompt.Texts(), QStringList{QStringLiteral("Failed to save document.")});
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_TRUE(doc.IsModified());
    // Every element is back where it was, points included.
    EXPECT_EQ(doc.m_elements[0]->m_rcBounds, (CRect{60, 60, 90, 80}));
    EXPECT_EQ(doc.m_elements[1]->m_rcBounds, (CRect{70, 70, 80, 80}));
    EXPECT_EQ(static_cast<CClosedCurve&>(*doc.m_elements[1]).m_points.Points()[0], (CPointF{71, 72}));
    EXPECT_EQ(doc.m_elements[2]->m_rcBounds, (CRect{100, 100, 120, 120}));
}

TEST(CardFileSave, AFailedSaveAsLeavesNoFileBehind)
{
    CScriptedPrompt prompt;
    CScriptedFileChooser chooser;
    COstrelsDoc doc;
    doc.SetTitle(QStringLiteral("Untitled1"));
    doc.m_elements.push_back(std::make_unique<CUnwritable>(QPoint(100, 100), QPoint(120, 120)));
    const QString path = TempPath("new.kvzd");
    chooser.Answer(path);
    EXPECT_FALSE(doc.DoSave({}, true));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("Untitled1"));
    // No temporary file is left either.
    EXPECT_TRUE(QDir(CurrentTestEnvironment().Folder()).entryList({QStringLiteral("new*")}, QDir::Files).isEmpty());
}

TEST(CardFileSave, AnUnwritableDestinationIsReported)
{
    CScriptedPrompt prompt;
    COstrelsDoc doc;
    EXPECT_FALSE(doc.OnSaveDocument(TempPath("no/such/folder/x.kvzd")));
    EXPECT_EQ(prompt.Texts(), QStringList{QStringLiteral("Failed to save document.")});
    EXPECT_FALSE(doc.OnSaveDocument(CurrentTestEnvironment().Folder()));  // a folder, not a file
    EXPECT_EQ(prompt.Texts().size(), 2);
}

TEST(CardFileSave, TemplatesLeaveBackgroundsOutAndPutThemBack)
{
    CScriptedPrompt prompt;
    COstrelsDoc doc;
    doc.m_nSides = 2;
    doc.m_elements.push_back(std::make_unique<CBkgImage>(MakeTestPicture(4, 4), 350, 200));
    AddRect(doc, QPoint(60, 60), QPoint(90, 80));
    auto back = std::make_unique<CBkgImage>(MakeTestPicture(2, 2), 350, 200);
    back->m_nSide = 2;
    doc.m_elements.push_back(std::move(back));
    AddRect(doc, QPoint(70, 60), QPoint(90, 80));
    std::vector<CElement*> order;
    for (const auto& p : doc.m_elements)
        order.push_back(p.get());

    const QString path = TempPath("t.kzt");
    EXPECT_EQ(doc.MakeTemplateImage(path, {}, false).size(), QSize(5, 5));
    COstrelsDoc expected;
    expected.m_nSides = 2;
    AddRect(expected, QPoint(60, 60), QPoint(90, 80));
    AddRect(expected, QPoint(70, 60), QPoint(90, 80));
    EXPECT_EQ(FileBytes(path), CardFileBytes(expected));
    EXPECT_FALSE(doc.IsModified());

    // Also when the write fails.
    EXPECT_TRUE(doc.MakeTemplateImage(TempPath("no/folder/t.kzt"), {}, false).isNull());
    EXPECT_EQ(prompt.Texts(), QStringList{QStringLiteral("Failed to save document.")});
    ASSERT_EQ(doc.m_elements.size(), order.size());
    for (size_t i = 0; i < order.size(); ++i)
        EXPECT_EQ(doc.m_elements[i].get(), order[i]);
}

TEST(CardFileSave, TemplatePreviewDrawsTheBackgroundOnWhite)
{
    QImage red(10, 10, QImage::Format_ARGB32);
    red.fill(0xFFFF0000);
    const QString png = TempPath("bg.png");
    ASSERT_TRUE(red.save(png));

    COstrelsDoc scratch;
    const QImage plain = scratch.MakeTemplateImage({}, {}, true);
    ASSERT_EQ(plain.size(), QSize(350, 200));
    EXPECT_EQ(plain.pixel(175, 100), 0xFFFFFFFFu);

    COstrelsDoc design;
    design.m_nCardWidthFine = 200000;
    design.m_nCardHeightFine = 350000;
    design.m_nSides = 2;
    for (int nSide : {1, 2}) {
        auto r = std::make_unique<CRectangle>(QPoint(60, 60 + 100 * nSide), QPoint(100, 100 + 100 * nSide));
        r->m_nSide = nSide;
        r->m_nFillPattern = 1;
        r->m_clrFill = r->m_clrPattern = 0xFF0000FF;
        design.m_elements.push_back(std::move(r));
    }
    const QString tpl = SaveDesignFixture(design, QStringLiteral("tall.kzt"));
    COstrelsDoc preview;
    const QImage image = preview.MakeTemplateImage(tpl, png, true);
    ASSERT_EQ(image.size(), QSize(200, 350));
    EXPECT_EQ(image.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(199, 349), 0xFFFF0000u);
    // Front elements are drawn relative to the card corner; the back's are not.
    EXPECT_EQ(image.pixel(30, 130), 0xFF0000FFu);
    EXPECT_EQ(image.pixel(30, 230), 0xFFFF0000u);
}
