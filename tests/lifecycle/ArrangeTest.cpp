#include "LifecycleFixture.h"
#include "notes/NoteArrange.h"

namespace {
const CRect kWork(0, 0, 1920, 1040);
NoteColumnSettings Column() { return NoteColumnSettings(); }
}  // namespace

TEST(NoteColumn, NewNotesFillTheColumnDownwardsThenTheNextToTheLeft) {
    std::vector<CRect> notes;
    EXPECT_EQ(CRect(1740, 15, 1920, 115), CNoteArrange::NewMemoRect(kWork, notes, nullptr, Column()));
    notes.push_back(CRect(1740, 15, 1920, 115));
    EXPECT_EQ(CRect(1740, 115, 1920, 215), CNoteArrange::NewMemoRect(kWork, notes, nullptr, Column()));

    // Fill the column: the bottom of the tenth note is 1015, one more would end at 1115.
    for (int top = 115; top + 100 <= 1040; top += 100) notes.push_back(CRect(1740, top, 1920, top + 100));
    EXPECT_EQ(CRect(1560, 0, 1740, 100), CNoteArrange::NewMemoRect(kWork, notes, nullptr, Column()));
    notes.push_back(CRect(1560, 0, 1740, 100));
    EXPECT_EQ(CRect(1560, 100, 1740, 200), CNoteArrange::NewMemoRect(kWork, notes, nullptr, Column()));
}

TEST(NoteColumn, TheQuickMenuBarOpensTheColumnWhenItStandsAtItsTop) {
    std::vector<CRect> notes;
    CRect bar(1800, 15, 1920, 55);
    EXPECT_EQ(CRect(1740, 55, 1920, 155), CNoteArrange::NewMemoRect(kWork, notes, &bar, Column()));
    CRect lowBar(1800, 300, 1920, 340);
    EXPECT_EQ(CRect(1740, 15, 1920, 115), CNoteArrange::NewMemoRect(kWork, notes, &lowBar, Column()));
}

TEST(NoteColumn, DegenerateSizesEndTheSearch) {
    // Zero-height notes all at one place and a zero note width used to make
    // the walk go round for ever.
    NoteColumnSettings s;
    s.startDX = 0;
    s.startDY = 0;
    std::vector<CRect> notes(50, CRect(1920, 15, 1920, 15));
    CRect rc = CNoteArrange::NewMemoRect(kWork, notes, nullptr, s);
    EXPECT_EQ(15, rc.top);
    CPoint pt = CNoteArrange::PlaceInColumn(kWork, notes, CSize(180, 100), nullptr, s);
    EXPECT_EQ(15, pt.y);

    // A column that ends up left of the work area is brought back onto it.
    s = NoteColumnSettings();
    CRect small(0, 0, 400, 250);
    std::vector<CRect> full = {CRect(220, 15, 400, 115), CRect(220, 115, 400, 215), CRect(40, 0, 220, 100),
                               CRect(40, 100, 220, 200), CRect(-140, 0, 40, 100), CRect(-140, 100, 40, 200)};
    EXPECT_EQ(CRect(-100, 0, 80, 100), CNoteArrange::NewMemoRect(small, full, nullptr, s));
}

TEST(NoteColumn, PlacingAWindowKeepsItsSizeAndSkipsItself) {
    std::vector<CRect> others = {CRect(1740, 15, 1920, 115), CRect(1740, 115, 1920, 300)};
    EXPECT_EQ(CPoint(1700, 300), CNoteArrange::PlaceInColumn(kWork, others, CSize(220, 50), nullptr, Column()));
    // Only a window exactly at the column's first place opens it.
    std::vector<CRect> atZero = {CRect(1740, 0, 1920, 100)};
    EXPECT_EQ(CPoint(1700, 15), CNoteArrange::PlaceInColumn(kWork, atZero, CSize(220, 50), nullptr, Column()));
}

TEST(NoteColumn, ArrangingWrapsToANewColumnAtTheTop) {
    std::vector<CSize> sizes = {CSize(180, 300), CSize(200, 400), CSize(180, 500)};
    std::vector<CRect> rc = CNoteArrange::StackColumns(kWork, sizes, 180, 15, nullptr);
    EXPECT_EQ(CRect(1740, 15, 1920, 315), rc[0]);
    EXPECT_EQ(CRect(1720, 315, 1920, 715), rc[1]);
    EXPECT_EQ(CRect(1560, 0, 1740, 500), rc[2]);

    CRect bar(0, 0, 120, 40);
    rc = CNoteArrange::StackColumns(kWork, sizes, 180, 15, &bar);
    EXPECT_EQ(CRect(1800, 15, 1920, 55), bar);
    EXPECT_EQ(55, rc[0].top);
}

TEST(NoteColumn, ArrangingByPositionTakesRightColumnsFirstThenTops) {
    std::vector<CRect> rects = {CRect(1740, 500, 1920, 600), CRect(1560, 15, 1740, 115), CRect(1740, 100, 1920, 200)};
    EXPECT_EQ((std::vector<int>{2, 0, 1}), CNoteArrange::OrderByPosition(rects, 180));
}

TEST_F(LifecycleTest, FoldAndArrangeUsesTheFoldedWidthAsColumnStep) {
    NoteColumnSettings column;
    column.contractDX = 150;
    host.workArea = CRect(0, 0, 1920, 60);
    CFakeNote* a = AddNote(L"a.rtf", CRect(0, 0, 180, 300));
    CFakeNote* b = AddNote(L"b.rtf", CRect(0, 0, 180, 300));
    CFakeNote* c = AddNote(L"c.rtf", CRect(0, 0, 180, 300));
    CNoteArrange(host, store, memos, column).Arrange(CNoteArrange::ArrangeFold);
    EXPECT_FALSE(a->record.m_bExpanded);
    EXPECT_EQ(CRect(1740, 15, 1920, 35), a->record.m_rcWindow);
    EXPECT_EQ(CRect(1740, 35, 1920, 55), b->record.m_rcWindow);
    // The next column stands the folded width to the left, not the note width.
    EXPECT_EQ(CRect(1590, 0, 1770, 20), c->record.m_rcWindow);
    EXPECT_TRUE(a->visible && b->visible && c->visible);
}

TEST_F(LifecycleTest, UnfoldingAllLeavesLockedNotesFolded) {
    CFakeNote* open = AddNote(L"a.rtf");
    CFakeNote* locked = AddNote(L"b.rtx");
    locked->record.m_bLocked = 1;
    CNoteArrange arrange(host, store, memos, Column());
    arrange.FoldAllMemos(false);
    EXPECT_FALSE(open->record.m_bExpanded);
    EXPECT_FALSE(locked->record.m_bExpanded);
    arrange.FoldAllMemos(true);
    EXPECT_TRUE(open->record.m_bExpanded);
    EXPECT_FALSE(locked->record.m_bExpanded);
}

TEST_F(LifecycleTest, ArrangeByPositionReordersTheListFile) {
    AddNote(L"left.rtf", CRect(1560, 15, 1740, 115));
    AddNote(L"lower.rtf", CRect(1740, 400, 1920, 500));
    AddNote(L"upper.rtf", CRect(1740, 15, 1920, 115));
    int saved = 0;
    CNoteArrange(host, store, memos, Column()).ArrangeByPosition([&] { ++saved; });
    EXPECT_EQ(1, saved);
    EXPECT_EQ((std::vector<CString>{L"upper.rtf", L"lower.rtf", L"left.rtf"}), Current());
    EXPECT_EQ(CRect(1740, 15, 1920, 115), host.Fake(memos[0])->record.m_rcWindow);
    EXPECT_EQ(CRect(1740, 115, 1920, 215), host.Fake(memos[1])->record.m_rcWindow);
}

TEST_F(LifecycleTest, SpotlightAndLevelsActOnEveryNote) {
    CFakeNote* a = AddNote(L"a.rtf");
    CFakeNote* b = AddNote(L"b.rtf");
    b->record.m_nImportance = CMemoInfo::ImportanceImportant;
    CNoteArrange arrange(host, store, memos, Column());
    arrange.SpotlightMemos(true);
    arrange.SpotlightMemos(false);
    ASSERT_EQ(2u, host.groupsShown.size());
    EXPECT_EQ((std::vector<ILifecycleNote*>{b}), host.groupsShown[0]);
    EXPECT_EQ((std::vector<ILifecycleNote*>{a, b}), host.groupsShown[1]);
    arrange.SetAllMemosLevel(CMemoInfo::LevelDesktop);
    EXPECT_EQ(CMemoInfo::LevelDesktop, a->record.m_nLevel);
    EXPECT_EQ(CMemoInfo::LevelDesktop, b->record.m_nLevel);
}
