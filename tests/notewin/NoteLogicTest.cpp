// The note window's decisions without a window: geometry, hit testing, the
// delete table, autosave, importance, sizes, effects and macros.
#include "notes/NoteLogic.h"
#include "shell/LanguageTable.h"

#include <gtest/gtest.h>

using namespace NoteLogic;

namespace {

SYSTEMTIME At(int hour, int minute, int second = 0, int weekday = 2) {
    SYSTEMTIME t = {};
    t.wYear = 2014;
    t.wMonth = 2;
    t.wDay = 9;
    t.wDayOfWeek = (WORD)weekday;
    t.wHour = (WORD)hour;
    t.wMinute = (WORD)minute;
    t.wSecond = (WORD)second;
    return t;
}

CLanguageTable Texts() {
    CLanguageTable t;
    const wchar_t* longNames[] = {L"Sunday", L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday"};
    const wchar_t* shortNames[] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
    for (int i = 0; i < 7; ++i) {
        t.SetAt(20111 + i, longNames[i]);
        t.SetAt(20118 + i, shortNames[i]);
    }
    t.SetAt(20125, L"AM");
    t.SetAt(20126, L"PM");
    return t;
}

}  // namespace

TEST(NoteGeometry, FoldingKeepsTopAndRightEdges) {
    // A note 300 wide at x 500 folds to a strip whose right edge stays at 800.
    FoldInput in;
    in.window = CRect(500, 100, 800, 400);
    in.contractDX = 150;
    CRect folded = FoldedRect(in);
    EXPECT_EQ(folded, CRect(650, 100, 800, 118));

    CRect expanded = ExpandedRect(folded, 300, 300);
    EXPECT_EQ(expanded, in.window);
}

TEST(NoteGeometry, FoldedWidthAndHeightRules) {
    struct Case {
        bool showsTitle, fitTitleWidth, importance;
        CSize extent;
        int width, height;
    } cases[] = {
        {false, true, false, CSize(400, 30), 150, 18},   // no title: contractDX x 18 whatever the title
        {true, false, false, CSize(400, 13), 150, 18},   // title but no fit: contractDX wide
        {true, true, false, CSize(200, 13), 240, 18},    // fit: text + 40
        {true, true, true, CSize(200, 13), 252, 18},     // plus room for the icon
        {true, true, false, CSize(20, 13), 150, 18},     // never narrower than contractDX
        {true, false, false, CSize(20, 24), 150, 26},    // a tall title font: text height + 2
    };
    for (const Case& c : cases) {
        FoldInput in;
        in.window = CRect(500, 100, 800, 400);
        in.showsTitle = c.showsTitle;
        in.fitTitleWidth = c.fitTitleWidth;
        in.hasImportance = c.importance;
        in.titleExtent = c.extent;
        in.contractDX = 150;
        CRect r = FoldedRect(in);
        EXPECT_EQ(r.Width(), c.width) << c.extent.cx;
        EXPECT_EQ(r.Height(), c.height) << c.extent.cy;
        EXPECT_EQ(r.right, 800);
        EXPECT_EQ(r.top, 100);
    }
}

TEST(NoteGeometry, RepairsEmptyRectangles) {
    EXPECT_EQ(RepairRect(CRect(300, 200, 300, 200)), CRect(200, 150, 300, 200));
    EXPECT_EQ(RepairRect(CRect(400, 250, 300, 200)), CRect(200, 150, 300, 200));
    EXPECT_EQ(RepairRect(CRect(10, 20, 300, 200)), CRect(10, 20, 300, 200));
}

TEST(NoteGeometry, FitHeightStaysBetweenStartDYAndEightyPercentOfTheScreen) {
    EXPECT_EQ(FitHeight(100, false, 50, 1000), 126);
    EXPECT_EQ(FitHeight(100, true, 50, 1000), 143);
    EXPECT_EQ(FitHeight(5000, false, 50, 1000), 800);
    EXPECT_EQ(FitHeight(2, false, 120, 1000), 120);
    EXPECT_FALSE(ShouldApplyFitHeight(126, 126, 200));
    EXPECT_FALSE(ShouldApplyFitHeight(126, -1, 126));
    EXPECT_TRUE(ShouldApplyFitHeight(126, -1, 200));
}

TEST(NoteGeometry, EditorLayout) {
    LayoutInput in;
    in.client = CRect(0, 0, 300, 200);
    in.contractDX = 150;
    EXPECT_EQ(EditorRect(in), CRect(5, 21, 295, 195));
    in.styleBarOpen = true;
    EXPECT_EQ(EditorRect(in), CRect(5, 38, 295, 195));
    in.expanded = false;
    EXPECT_EQ(EditorRect(in), CRect(1, 1, 121, 17));
    in.styleBarOpen = false;
    EXPECT_EQ(EditorRect(in), CRect(2, 1, 122, 17));
    in.hasImportance = true;  // no title: room for the icon
    EXPECT_EQ(EditorRect(in), CRect(14, 1, 122, 17));
    in.hasTitle = true;
    EXPECT_EQ(EditorRect(in), CRect(2, 1, 122, 17));
    EXPECT_EQ(StyleBarRect(300), CRect(2, 18, 298, 38));
}

TEST(NoteHitTest, ExpandedMovableNote) {
    struct Case {
        int x, y;
        bool fitHeight;
        LRESULT expected;
    } cases[] = {
        {2, 2, false, HTTOPLEFT},      {297, 2, false, HTTOPRIGHT},    {150, 2, false, HTTOP},
        {150, 2, true, HTCAPTION},     {150, 10, false, HTCAPTION},    {2, 100, false, HTLEFT},
        {2, 197, false, HTBOTTOMLEFT}, {297, 197, false, HTBOTTOMRIGHT}, {297, 100, false, HTRIGHT},
        {150, 197, false, HTBOTTOM},   {150, 100, false, HTCLIENT},
        // With fit height the bottom edge cannot be dragged.
        {2, 197, true, HTLEFT},        {297, 197, true, HTRIGHT},      {150, 197, true, HTCAPTION},
    };
    for (const Case& c : cases) {
        HitInput in;
        in.point = CPoint(c.x, c.y);
        in.size = CSize(300, 200);
        in.fitHeight = c.fitHeight;
        EXPECT_EQ(NoteHitTest(in), c.expected) << c.x << "," << c.y << " fit " << c.fitHeight;
    }
}

TEST(NoteHitTest, PinnedFoldedAndMouseOverHiding) {
    HitInput in;
    in.size = CSize(300, 200);
    in.pinned = true;
    in.point = CPoint(2, 2);
    EXPECT_EQ(NoteHitTest(in), HTCAPTION);
    in.point = CPoint(2, 100);
    EXPECT_EQ(NoteHitTest(in), HTCLIENT);

    in.pinned = false;
    in.expanded = false;
    EXPECT_EQ(NoteHitTest(in), HTCAPTION);

    in.expanded = true;
    in.mouseOverHiding = true;
    in.point = CPoint(150, 100);
    EXPECT_EQ(NoteHitTest(in), HTCLIENT);
    in.ctrlHeld = true;  // Ctrl under mouse-over hiding drags the body
    EXPECT_EQ(NoteHitTest(in), HTCAPTION);
    in.point = CPoint(2, 100);
    EXPECT_EQ(NoteHitTest(in), HTLEFT);
    in.focusInNote = true;
    in.ctrlHeld = false;
    in.point = CPoint(150, 100);
    EXPECT_EQ(NoteHitTest(in), HTCLIENT);
}

TEST(NoteDelete, DecisionTable) {
    using A = DeleteAction;
    struct Case {
        bool shift, ctrl, alt, locked, content, confirmOpen;
        A expected;
    } cases[] = {
        {false, false, false, false, false, false, A::Remove},      // empty note: no question
        {false, false, false, false, true, false, A::Ask},
        {false, false, false, false, true, true, A::Nothing},       // a second delete while asking
        {false, true, false, false, true, false, A::KeepCopy},      // Ctrl keeps a .brt copy
        {false, true, false, false, false, false, A::Remove},       // nothing to keep
        {false, false, true, false, true, false, A::RecycleBin},    // Alt: recycle bin
        {true, true, true, false, true, false, A::RecycleBin},      // Alt wins over the others
        {false, false, true, false, false, false, A::RecycleBin},
        {true, false, false, false, true, false, A::Remove},        // Shift removes
        {true, true, false, false, true, false, A::Remove},         // Shift before Ctrl
        // A locked note ignores every shortcut.
        {true, false, false, true, true, false, A::Ask},
        {false, true, false, true, true, false, A::Ask},
        {false, false, true, true, true, false, A::Ask},
        {false, false, true, true, false, false, A::Remove},        // locked, decrypted and empty
    };
    for (const Case& c : cases) {
        DeleteInput in;
        in.shift = c.shift;
        in.ctrl = c.ctrl;
        in.alt = c.alt;
        in.locked = c.locked;
        in.hasContent = c.content;
        in.confirmOpen = c.confirmOpen;
        EXPECT_EQ(DecideDelete(in), c.expected)
            << c.shift << c.ctrl << c.alt << " locked " << c.locked << " content " << c.content;
    }
}

TEST(NoteDelete, ConfirmationAnswersAndContent) {
    EXPECT_EQ(DeleteFromAnswer(IDOK, true), DeleteAction::KeepCopy);
    EXPECT_EQ(DeleteFromAnswer(IDOK, false), DeleteAction::Remove);
    EXPECT_EQ(DeleteFromAnswer(IDABORT, true), DeleteAction::Remove);
    EXPECT_EQ(DeleteFromAnswer(IDRETRY, true), DeleteAction::RecycleBin);
    EXPECT_EQ(DeleteFromAnswer(IDNO, true), DeleteAction::Nothing);
    EXPECT_EQ(DeleteFromAnswer(IDCANCEL, true), DeleteAction::Nothing);

    EXPECT_TRUE(NoteHasContent(false, 3, true, 0));
    EXPECT_FALSE(NoteHasContent(false, 0, true, 0));
    EXPECT_TRUE(NoteHasContent(false, 0, true, 120));  // cleared but not yet saved
    EXPECT_TRUE(NoteHasContent(false, 0, false, 0));   // locked, still encrypted
    EXPECT_FALSE(NoteHasContent(true, 40, true, 0));   // the failure text is no content
}

TEST(NoteAutosave, SavesOnceTheLengthStopsChanging) {
    CAutosaveRule rule;
    EXPECT_FALSE(rule.IsReadyToSave(false, 10));
    EXPECT_FALSE(rule.IsReadyToSave(true, 10));  // first sight of the change
    EXPECT_FALSE(rule.IsReadyToSave(true, 14));  // still typing
    EXPECT_TRUE(rule.IsReadyToSave(true, 14));   // paused
    EXPECT_EQ(rule.LastLength(), 0);
    EXPECT_FALSE(rule.IsReadyToSave(true, 14));  // starts over after a save
}

TEST(NoteImportance, IconClicksAndReminders) {
    // Click: reminders stop, favourite and normal swap.
    EXPECT_EQ(ImportanceAfterClick(0), 2);
    EXPECT_EQ(ImportanceAfterClick(2), 0);
    EXPECT_EQ(ImportanceAfterClick(1), 0);
    EXPECT_EQ(ImportanceAfterClick(3), 0);
    // Double click: an important note stops, anything else starts.
    EXPECT_EQ(ImportanceAfterDoubleClick(1), 0);
    EXPECT_EQ(ImportanceAfterDoubleClick(0), 1);
    EXPECT_EQ(ImportanceAfterDoubleClick(3), 1);
    EXPECT_FALSE(ImportanceRunsReminder(2));
    EXPECT_TRUE(ImportanceRunsReminder(3));
}

TEST(NoteTextSize, GrowAndShrinkStopAtTheEnds) {
    int next = 0;
    EXPECT_TRUE(GrowSize(10, next));
    EXPECT_EQ(next, 11);
    EXPECT_TRUE(GrowSize(48, next));
    EXPECT_EQ(next, 72);
    next = -1;
    EXPECT_FALSE(GrowSize(72, next));
    EXPECT_FALSE(GrowSize(13, next));  // not in the list
    EXPECT_FALSE(ShrinkSize(8, next));
    EXPECT_FALSE(ShrinkSize(13, next));
    EXPECT_EQ(next, -1);
    EXPECT_TRUE(ShrinkSize(36, next));
    EXPECT_EQ(next, 28);
    // Walking up visits all 16 sizes once.
    int size = 8, steps = 0;
    while (GrowSize(size, size)) ++steps;
    EXPECT_EQ(steps, 15);
    EXPECT_EQ(size, 72);
}

TEST(NoteTextSize, EverySizeSurvivesTheHalfPointsOfRtf) {
    for (int size : kTextSizes) {
        int twips = size * TwipsPerSizeUnit;
        EXPECT_EQ(SizeFromTwips(twips), size);
        EXPECT_EQ(SizeFromTwips(twips / 10 * 10), size) << size;           // cut to half points
        EXPECT_EQ(SizeFromTwips((twips + 5) / 10 * 10), size) << size;     // rounded to half points
    }
}

TEST(NoteTextEffects, MixedSelectionSwitchesOn) {
    EXPECT_TRUE(ToggledEffect(false, false));   // partly bold
    EXPECT_TRUE(ToggledEffect(false, true));
    EXPECT_FALSE(ToggledEffect(true, true));    // all bold
    EXPECT_TRUE(ToggledEffect(true, false));    // none bold
}

TEST(NoteMacros, ExpandAtAFixedTime) {
    CLanguageTable texts = Texts();
    SYSTEMTIME t = At(12, 5, 7, 0);  // Sunday 2014-02-09 12:05:07
    EXPECT_EQ(ExpandMacro(L"#l#", t, texts), CString(L"00"));
    EXPECT_EQ(ExpandMacro(L"#p#", t, texts), CString(L"PM"));
    EXPECT_EQ(ExpandMacro(L"#p# #l#:#M#:#S#", At(9, 3, 4), texts), CString(L"AM 09:03:04"));
    EXPECT_EQ(ExpandMacro(L"#k#:#M#:#S#", At(23, 59, 1), texts), CString(L"23:59:01"));
    EXPECT_EQ(ExpandMacro(L"#Y#-#MON#-#D#", t, texts), CString(L"2014-02-09"));
    EXPECT_EQ(ExpandMacro(L"#y#-#MON#-#D#", t, texts), CString(L"14-02-09"));
    EXPECT_EQ(ExpandMacro(L"#A# #a#", t, texts), CString(L"Sunday Sun"));
    EXPECT_EQ(ExpandMacro(L"#A#", At(1, 0, 0, 6), texts), CString(L"Saturday"));
}

TEST(NoteMacros, AnEmptyMacroEndsTheList) {
    CLanguageTable texts = Texts();
    auto source = [](int n) -> CString {
        const wchar_t* macros[] = {L"#Y#", L"#k#", L"", L"#D#", L"#M#", L"#S#", L"#p#"};
        return macros[n];
    };
    std::vector<CString> list = BuildMacroList(source, At(12, 5), texts);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], CString(L"2014"));
    EXPECT_EQ(list[1], CString(L"12"));
    auto seven = [](int) -> CString { return L"x"; };
    EXPECT_EQ(BuildMacroList(seven, At(1, 1), texts).size(), 7u);
}

TEST(NoteWords, WordUnderTheClickIsBoundedByBlanksAndLineBreaks) {
    int start = 0, end = 0;
    CString text = L"see http://example.com/a now";
    WordRangeAt(text, 10, start, end);
    EXPECT_EQ(text.Mid(start, end - start), CString(L"http://example.com/a"));
    CString lines = L"one\r\ntwo";
    WordRangeAt(lines, 6, start, end);
    EXPECT_EQ(lines.Mid(start, end - start), CString(L"two"));
    CString longWord(L'x', 300);
    WordRangeAt(longWord, 150, start, end);
    EXPECT_EQ(start, 50);
    EXPECT_EQ(end, 250);
}

TEST(NoteTip, CoversWhatTheExpandedNoteWould) {
    // Strip 150 x 18 at (650, 100); expanded 300 x 300.
    EXPECT_EQ(TipRect(CRect(650, 100, 800, 118), 300, 300), CRect(500, 118, 800, 400));
    // Not taller than the strip: an empty (invisible) tip.
    EXPECT_LE(TipRect(CRect(650, 100, 800, 118), 300, 10).Height(), 0);
    EXPECT_EQ(TipContentHeight(5000, 1000), 800);
    EXPECT_EQ(TipContentHeight(90, 1000), 100);
}

TEST(NoteBars, FaceListWidthAndPrinterPage) {
    EXPECT_EQ(FaceListWidth(400, 117), 140);
    EXPECT_EQ(FaceListWidth(200, 117), 79);
    EXPECT_EQ(FaceListWidth(160, 117), 50);  // a narrow note
    EXPECT_EQ(PrintPageTwips(4960, 600, 7016, 600), CRect(0, 0, 8 * 1440, 11 * 1440));
    EXPECT_EQ(PrintPageTwips(100, 0, 100, 0), CRect(0, 0, 0, 0));
}

TEST(NoteFrame, FrameColourFollowsImportance) {
    EXPECT_EQ(FrameColor(0x808080, 0), (COLORREF)0x808080);
    EXPECT_EQ(FrameColor(0x808080, 2), (COLORREF)0x808080);
    EXPECT_EQ(FrameColor(0x2020FF, 3), (COLORREF)0x2020FF);
    EXPECT_EQ(FrameColor(0x646464, 1), (COLORREF)0x505050);
}
