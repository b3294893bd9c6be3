#include "LifecycleFixture.h"
#include "notes/NoteSearch.h"

TEST(NoteSearchText, MatchingFollowsCaseAndWholeWordOptions) {
    struct Case {
        const wchar_t* text;
        const wchar_t* what;
        bool matchCase, wholeWord;
        int expected;
    } cases[] = {
        {L"Buy milk today", L"milk", false, false, 4},
        {L"Buy MILK today", L"milk", false, false, 4},
        {L"Buy MILK today", L"milk", true, false, -1},
        {L"buttermilk and milk", L"milk", false, true, 15},
        {L"buttermilk", L"milk", false, true, -1},
        {L"회의 자료 준비", L"자료", false, false, 3},
        {L"회의자료 준비", L"자료", false, true, -1},
        {L"회의 자료 준비", L"자료", false, true, 3},
        {L"anything", L"", false, false, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, CNoteSearch::FindInText(c.text, c.what, c.matchCase, c.wholeWord)) << c.what;
}

TEST(NoteSearchText, TitlesAreComparedWithTheirLetterCase) {
    EXPECT_TRUE(CNoteSearch::TitleMatches(L"Shopping list", L"list"));
    EXPECT_FALSE(CNoteSearch::TitleMatches(L"Shopping list", L"LIST"));
    EXPECT_FALSE(CNoteSearch::TitleMatches(L"", L"x"));
}

TEST_F(LifecycleTest, SearchFindsByTitleAndContentAndSkipsLockedFoldedNotes) {
    CFakeNote* titled = AddNote(L"a.rtf");
    titled->record.m_strTitle = L"Plan";
    CFakeNote* korean = AddNote(L"b.rtf");
    korean->text = L"내일 회의 Plan 준비";
    CFakeNote* hidden = AddNote(L"c.rtx");
    hidden->text = L"Plan";
    hidden->record.m_bLocked = 1;
    hidden->record.m_bExpanded = 0;
    CFakeNote* folded = AddNote(L"d.rtf");
    folded->text = L"회의";
    folded->record.m_bExpanded = 0;

    NoteSearchOptions options;
    options.onTop = true;
    options.unfold = true;
    std::vector<ILifecycleNote*> hits;
    EXPECT_EQ(CNoteSearch::SearchShown, CNoteSearch::Search(host, memos, L"Plan", options, hits));
    EXPECT_EQ((std::vector<ILifecycleNote*>{titled, korean}), hits);
    EXPECT_EQ(1, titled->pins);
    ASSERT_EQ(1u, host.groupsShown.size());

    EXPECT_EQ(CNoteSearch::SearchShown, CNoteSearch::Search(host, memos, L"회의", options, hits));
    EXPECT_EQ((std::vector<ILifecycleNote*>{korean, folded}), hits);
    EXPECT_TRUE(folded->record.m_bExpanded);

    options.contents = false;
    EXPECT_EQ(CNoteSearch::SearchShown, CNoteSearch::Search(host, memos, L"Plan", options, hits));
    EXPECT_EQ((std::vector<ILifecycleNote*>{titled}), hits);
}

TEST_F(LifecycleTest, NothingFoundAsksWhetherToTryAgain) {
    AddNote(L"a.rtf")->text = L"hello";
    std::vector<ILifecycleNote*> hits;
    NoteSearchOptions options;
    host.answers = {IDRETRY};
    EXPECT_EQ(CNoteSearch::SearchRetry, CNoteSearch::Search(host, memos, L"absent", options, hits));
    EXPECT_TRUE(host.groupsShown.empty());
    host.answers = {IDCANCEL};
    EXPECT_EQ(CNoteSearch::SearchShown, CNoteSearch::Search(host, memos, L"absent", options, hits));
    EXPECT_EQ(2u, host.messages.size());
    EXPECT_EQ(CString(L"No memo found. Would like to try it again?"), host.messages[0].text);
    EXPECT_EQ(CNoteSearch::SearchClosed, CNoteSearch::Search(host, memos, L"", options, hits));
}

TEST(RecentNotes, TheRecentNoteFirstThenTheOldest) {
    std::vector<CString> names;
    std::vector<ULONGLONG> times;
    for (int i = 0; i < 10; ++i) {
        CString name;
        name.Format(L"%d.rtf", i);
        names.push_back(name);
        times.push_back((ULONGLONG)(100 - i * 7));  // later notes are older
    }
    EXPECT_EQ((std::vector<int>{3, 9, 8, 7, 6}), CNoteSearch::RecentOrder(names, times, L"3.rtf", 5));
    EXPECT_EQ((std::vector<int>{9, 8, 7, 6, 5}), CNoteSearch::RecentOrder(names, times, L"none.rtf", 5));
    EXPECT_EQ((std::vector<int>{3, 9}), CNoteSearch::RecentOrder(names, times, L"3.rtf", 1));
    EXPECT_TRUE(CNoteSearch::RecentOrder(names, times, L"", 5).empty());
}
