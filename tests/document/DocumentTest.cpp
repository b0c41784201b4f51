#include "document/COstrelsDoc.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "platform/CPrompt.h"

#include <gtest/gtest.h>

namespace {
CElement* AddRect(COstrelsDoc& doc, int nSide)
{
    auto p = std::make_unique<CRectangle>(QPoint(60, 60), QPoint(100, 100));
    p->m_nSide = nSide;
    doc.m_elements.push_back(std::move(p));
    return doc.m_elements.back().get();
}
}  // namespace

TEST(DocumentBackSide, AddingNeedsNoConfirmation)
{
    CScriptedPrompt prompt;
    COstrelsDoc doc;
    doc.ToggleBackSide();
    EXPECT_EQ(doc.m_nSides, 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(prompt.Texts().isEmpty());
}

TEST(DocumentBackSide, RemovingAsksAndNoKeepsEverything)
{
    CScriptedPrompt prompt;
    COstrelsDoc doc;
    doc.m_nSides = 2;
    doc.m_nCurrentSide = 2;
    AddRect(doc, 1);
    AddRect(doc, 2);
    prompt.Answer(CPrompt::IdNo);
    doc.ToggleBackSide();
    ASSERT_EQ(prompt.Texts().size(), 1);
    EXPECT_EQ(prompt.Texts()[0],
              QStringLiteral("The back side will be deleted. You can't undo this action.\nDo you want to continue with deleting?"));
    EXPECT_EQ(doc.m_nSides, 2);
    EXPECT_EQ(doc.m_elements.size(), 2u);
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentBackSide, RemovingWithYesDropsBackElementsAndHistory)
{
    CScriptedPrompt prompt;
    COstrelsDoc doc;
    doc.m_nSides = 2;
    doc.m_nCurrentSide = 2;
    AddRect(doc, 1);
    doc.m_selection.push_back(AddRect(doc, 2));
    doc.PushUndoSnapshot();
    prompt.Answer(CPrompt::IdYes);
    doc.ToggleBackSide();
    EXPECT_EQ(doc.m_nSides, 1);
    EXPECT_EQ(doc.m_nCurrentSide, 1);
    ASSERT_EQ(doc.m_elements.size(), 1u);
    EXPECT_EQ(doc.m_elements[0]->m_nSide, 1);
    EXPECT_TRUE(doc.m_selection.empty());
    EXPECT_TRUE(doc.m_undo[0].empty());
    EXPECT_TRUE(doc.IsModified());
}

TEST(DocumentBackground, RemoveTakesOnlyTheCurrentSidesPicture)
{
    COstrelsDoc doc;
    doc.m_nSides = 2;
    QImage img(2, 2, QImage::Format_ARGB32);
    for (int side : {1, 2}) {
        auto bkg = std::make_unique<CBkgImage>(img, 350, 200);
        bkg->m_nSide = side;
        doc.m_elements.insert(doc.m_elements.begin(), std::move(bkg));
    }
    EXPECT_TRUE(doc.HasBackground());
    doc.m_nCurrentSide = 2;
    doc.RemoveBackground();
    ASSERT_EQ(doc.m_elements.size(), 1u);
    EXPECT_EQ(doc.m_elements[0]->m_nSide, 1);
    EXPECT_TRUE(doc.HasBackground());
    EXPECT_TRUE(doc.IsModified());
}

TEST(DocumentUndo, SnapshotsKeepFiveAndClearRedo)
{
    COstrelsDoc doc;
    doc.m_redo[0].push_back(std::make_unique<CRectangle>(QPoint(0, 0), QPoint(1, 1)));
    for (int i = 0; i < 7; ++i) {
        AddRect(doc, 1);
        doc.PushUndoSnapshot();
    }
    EXPECT_EQ(doc.m_undo[0].size(), 7u);
    EXPECT_EQ(doc.m_undo[4].size(), 3u);
    EXPECT_TRUE(doc.m_redo[0].empty());
}

TEST(DocumentTitles, UntitledNumbersGrow)
{
    const QString a = COstrelsDoc::NextUntitledTitle();
    const QString b = COstrelsDoc::NextUntitledTitle();
    EXPECT_TRUE(a.startsWith(QStringLiteral("Untitled")));
    EXPECT_EQ(b.mid(8).toInt(), a.mid(8).toInt() + 1);
}
