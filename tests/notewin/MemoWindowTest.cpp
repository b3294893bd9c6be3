// The note window under Wine: opening from a record, folding, saving and
// reloading, deleting, locking, the title bar and the hover tip. A host
// stands in for the main frame and records what the note asks of it.
#include "notes/MemoDlg.h"
#include "notes/MemoTip.h"
#include "notes/MemoTitleInputDlg.h"
#include "notes/MemoWindowNote.h"
#include "notes/NoteHost.h"
#include "notes/NoteIds.h"
#include "notes/NoteLogic.h"
#include "notes/RtfCheck.h"
#include "notes/StyleBar.h"
#include "notes/TitleBar.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/Settings.h"

#include "MessagePump.h"
#include "ScreenPicture.h"
#include "NotewinTestSupport.h"

#include <gtest/gtest.h>

namespace {

class CRecordingHost : public INoteHost {
public:
    std::vector<std::pair<UINT, WPARAM>> posted;
    std::vector<CString> restored;
    int deleteAnswer = IDCANCEL;
    int deleteAsked = 0;
    CString password;     // what the password dialog answers ("" = cancel)
    CString lockPassword, lockTitle;
    int messages = 0, autosaves = 0, tipShows = 0, tipHides = 0;
    CMemoTip* tip = nullptr;

    void ShowMemoTip(CMemoInfo* record) override {
        ++tipShows;
        if (tip) tip->ShowTip(record);
    }
    void HideMemoTip() override {
        ++tipHides;
        if (tip) tip->HideTip();
    }
    CMemoDlg* GetMemoTipWindow() override { return tip ? tip->GetShownWindow() : nullptr; }
    void MoveMemoTip() override {
        if (tip) tip->FollowNote();
    }
    CRect GetNewMemoRect() override { return CRect(200, 150, 460, 370); }
    void PlaceInMemoColumn(CMemoDlg*) override {}
    bool IsCreatingAllMemos() override { return false; }
    void AutoSaveMemos() override { ++autosaves; }
    void AlarmForMemo(CMemoDlg*) override {}
    void AddToRestoreMemoDialog(const CString& path) override { restored.push_back(path); }
    int GetGroupFileCount() override { return 2; }
    void MoveMemoToGroup(CMemoDlg*, int) override {}
    bool IsRecycleBinGroup() override { return false; }
    void PostToFrame(UINT message, WPARAM wParam, LPARAM) override { posted.push_back({message, wParam}); }
    void BuildMoveToGroupMenu(CMenu*) override {}
    void BuildOpenGroupMenu(CMenu*) override {}
    void TranslateMemoMenu(CMenu*) override {}
    int ShowMessageBox(const CString&, const CString&, int) override {
        ++messages;
        return 6;
    }
    int AskDelete(CMemoDlg*, bool, bool) override {
        ++deleteAsked;
        return deleteAnswer;
    }
    bool AskPassword(CMemoDlg*, CString& entered) override {
        entered = password;
        return !password.IsEmpty();
    }
    bool AskLock(CMemoDlg*, CString& entered, CString& title) override {
        if (lockPassword.IsEmpty()) return false;
        entered = lockPassword;
        title = lockTitle;
        return true;
    }
    void OpenSendDialog(CMemoDlg*) override {}
    void SaveSettings() override {}
    HCURSOR GetHandCursor() override { return nullptr; }
    void ShowAboveSpotlight(CMemoDlg*) override {}
};

struct OleOnce {
    OleOnce() { OleInitialize(nullptr); }
};

class MemoWindowTest : public ::testing::Test {
protected:
    CScratchFolder dir{L"notewin"};
    CRecordingHost host;
    // Note windows delete themselves when destroyed; the test keeps their
    // handles to destroy the ones still open.
    std::vector<HWND> notes;

    void SetUp() override {
        static OleOnce ole;
        CSettings::GeneralSection& g = g_Settings.General;
        g.StartDX = 200;
        g.StartDY = 120;
        g.ContractDX = 150;
        g.MaxTransVal = 255;
        g.MinTransVal = 255;
        g.FontName = L"Tahoma";
        g.TextSize = 10;
        g.CheckInterval = 10;
        g.MemoTipMode = 0;
        g.FitTitleWidth = 0;
        g.MouseOverHiding = 0;
        g.SimpleMemoInactive = 0;
        g.EnableDesktop = 1;
        g_Settings.FoldedHeight = 18;
        g_Settings.MemoMinWidth = 125;
        g_Settings.MemoMinHeight = 42;
        const COLORREF colors[12] = {0x9CE6FF, 0xA0E0A0, 0xF0C8A0, 0xC8B4F0, 0xB4DCF0, 0xD0D0D0,
                                     0x80C0FF, 0xC0FFC0, 0xFFC0C0, 0xFFC0FF, 0xC0FFFF, 0xE0E0E0};
        for (int i = 0; i < 12; ++i) g_Settings.Color.Type[i] = colors[i];
        g_Settings.MemoFolder = dir.Path();
        CMemoDlg::s_pHost = &host;
        CMemoDlg::s_readModifiers = [](bool& s, bool& c, bool& a) { s = c = a = false; };
    }
    void TearDown() override {
        for (HWND note : notes)
            if (::IsWindow(note)) ::DestroyWindow(note);
        PumpFor(20);
        CMemoDlg::s_pHost = nullptr;
    }

    CMemoDlg* Open(CMemoInfo& record) {
        CMemoDlg* note = new CMemoDlg();
        EXPECT_TRUE(note->LoadMemo(IDD_MEMO, nullptr, &record));
        notes.push_back(note->m_hWnd);
        note->ShowByLevel(TRUE);
        PumpFor(50);
        return note;
    }
    CMemoInfo Record(const char* rtf, const wchar_t* name = L"20140209153045123.rtf") {
        CMemoInfo record;
        record.m_rcWindow = CRect(500, 100, 800, 400);
        record.m_nExpandedWidth = 300;
        record.m_nExpandedHeight = 300;
        record.m_crTitle = 0x60A0E0;
        record.m_crBackground = 0x90D0FF;
        record.m_strTitle = L"Shopping";
        record.m_strFileName = name;
        record.m_nLevel = 0;
        if (rtf) CSafeFileWriter::WriteFile(dir.Path() + name, rtf, strlen(rtf));
        return record;
    }
    static CRect WindowRect(CWnd* w) {
        CRect r;
        w->GetWindowRect(&r);
        return r;
    }
};

}  // namespace

TEST_F(MemoWindowTest, OpensFromItsRecord) {
    CMemoInfo record = Record("{\\rtf1 Milk\\par Bread}");
    record.m_nLevel = 1;
    CMemoDlg* note = Open(record);
    EXPECT_EQ(record.m_pWindow, note);
    EXPECT_EQ(WindowRect(note), CRect(500, 100, 800, 400));
    EXPECT_EQ(note->GetInfo().m_strTitle, CString(L"Shopping"));
    EXPECT_EQ(note->GetInfo().m_crTitle, (COLORREF)0x60A0E0);
    EXPECT_NE(note->GetExStyle() & WS_EX_TOPMOST, 0u);
    EXPECT_EQ(note->GetEditor().GetTextRange(0, 4), CString(L"Milk"));
    EXPECT_FALSE(note->GetEditor().GetModify());
    EXPECT_FALSE(note->IsReadyToSave(TRUE));
    ASSERT_NE(note->GetTitleBar(), nullptr);
    EXPECT_TRUE(note->GetTitleBar()->IsWindowVisible());
}

// A note loaded from its record stands where the record says in one step,
// with its editor laid out for that place, and unfolds to the size it
// stood at.
TEST_F(MemoWindowTest, LoadedNoteStandsInItsRecordsPlaceWithItsEditorLaidOut) {
    struct Case {
        const char* name;
        bool expanded;
        const wchar_t* title;
        CRect stored;
        int expandedWidth, expandedHeight;
        CRect window;          // where the note stands once open
        CRect editor;          // the editor in the note's client area
        bool editorShown;
    };
    const Case cases[] = {
        // An unfolded note keeps the size it was saved at, whatever its
        // unfolded size says.
        {"unfolded", true, L"Shopping", CRect(500, 100, 800, 400), 250, 200, CRect(500, 100, 800, 400),
         CRect(5, 21, 295, 295), true},
        {"folded, titled", false, L"Shopping", CRect(650, 100, 800, 118), 300, 300, CRect(650, 100, 800, 118),
         CRect(), false},
        {"folded, untitled", false, L"", CRect(650, 100, 800, 118), 300, 300, CRect(650, 100, 800, 118),
         CRect(2, 1, 2 + 150 - NoteLogic::FoldedButtonRoom, 17), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMemoInfo record = Record("{\\rtf1 first\\par second}");
        record.m_bExpanded = c.expanded ? 1 : 0;
        record.m_strTitle = c.title;
        record.m_rcWindow = c.stored;
        record.m_nExpandedWidth = c.expandedWidth;
        record.m_nExpandedHeight = c.expandedHeight;
        CMemoDlg* note = Open(record);
        EXPECT_EQ(WindowRect(note), c.window);
        EXPECT_EQ(note->GetInfo().m_rcWindow, c.window);
        EXPECT_EQ(note->GetEditor().IsWindowVisible() != FALSE, c.editorShown);
        if (c.editorShown) {
            CRect editor = WindowRect(&note->GetEditor());
            note->ScreenToClient(&editor);
            EXPECT_EQ(editor, c.editor);
        }
        note->SetExpanded(TRUE, TRUE);
        PumpFor(50);
        CRect unfolded = c.expanded ? c.window : CRect(500, 100, 800, 400);
        EXPECT_EQ(WindowRect(note), unfolded);
        CRect editor = WindowRect(&note->GetEditor());
        note->ScreenToClient(&editor);
        EXPECT_EQ(editor, CRect(5, 21, unfolded.Width() - 5, unfolded.Height() - 5));
        note->DestroyWindow();
        PumpFor(20);
    }
}

// The note and its bars make no font of their own: their controls are made
// in code, so a font from their templates would only cost every window a
// font and a measurement.
TEST_F(MemoWindowTest, TheNoteAndItsBarsCarryNoTemplateFont) {
    CMemoInfo record = Record("{\\rtf1 x}");
    CMemoDlg* note = Open(record);
    note->MakeButtonWindows();
    note->ToggleStyleBar();
    PumpFor(50);
    ASSERT_NE(note->GetTitleBar(), nullptr);
    ASSERT_NE(note->GetStyleBar(), nullptr);
    for (CWnd* window : {(CWnd*)note, (CWnd*)note->GetTitleBar(), (CWnd*)note->GetStyleBar()}) {
        ASSERT_NE(window->m_hWnd, nullptr);
        EXPECT_EQ(window->SendMessage(WM_GETFONT), 0) << window->GetDlgCtrlID();
    }
}

TEST_F(MemoWindowTest, FoldsAroundItsTopRightCorner) {
    CMemoInfo record = Record("{\\rtf1 text}");
    CMemoDlg* note = Open(record);
    note->SetExpanded(FALSE, TRUE);
    PumpFor(50);
    CRect folded = WindowRect(note);
    EXPECT_EQ(folded.right, 800);
    EXPECT_EQ(folded.top, 100);
    EXPECT_EQ(folded.Width(), 150);  // a title, FitTitleWidth off
    EXPECT_EQ(note->GetInfo().m_rcWindow, folded);
    EXPECT_FALSE(note->GetEditor().IsWindowVisible());
    note->SetExpanded(TRUE, TRUE);
    PumpFor(50);
    EXPECT_EQ(WindowRect(note), CRect(500, 100, 800, 400));

    // Without a title the strip shows the first line in the editor.
    note->GetInfo().m_strTitle.Empty();
    note->ExecuteCommand(ID_MEMO_FOLD);
    PumpFor(50);
    EXPECT_EQ(WindowRect(note), CRect(650, 100, 800, 118));
    EXPECT_TRUE(note->GetEditor().IsWindowVisible());
}

TEST_F(MemoWindowTest, RepairsAnEmptyRectangle) {
    CMemoInfo record = Record("{\\rtf1 x}");
    record.m_rcWindow = CRect(600, 300, 600, 300);
    CMemoDlg* note = Open(record);
    CRect r = WindowRect(note);
    EXPECT_EQ(r.right, 600);
    EXPECT_EQ(r.bottom, 300);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
}

TEST_F(MemoWindowTest, TypingAndFormatsSurviveSaveAndReload) {
    CMemoInfo record = Record("{\\rtf1 start}");
    CMemoDlg* note = Open(record);
    COleRichEditCtrl& editor = note->GetEditor();
    editor.SetSel(0, -1);
    editor.ReplaceSel(L"Typed words");
    EXPECT_TRUE(note->IsReadyToSave(TRUE));
    // The autosave waits until the length stops changing.
    EXPECT_FALSE(note->IsReadyToSave(FALSE));
    EXPECT_TRUE(note->IsReadyToSave(FALSE));
    ASSERT_TRUE(note->SaveMemo());
    EXPECT_FALSE(editor.GetModify());
    note->DestroyWindow();
    PumpFor(50);
    notes.clear();

    CMemoInfo again = Record(nullptr);
    CMemoDlg* reopened = Open(again);
    EXPECT_EQ(reopened->GetEditor().GetTextRange(0, 11), CString(L"Typed words"));
}

TEST_F(MemoWindowTest, DeleteFollowsTheModifiersAndTheAnswer) {
    // Ctrl keeps a .brt copy without a question.
    CMemoInfo record = Record("{\\rtf1 keep me}", L"20140209153045001.rtf");
    CMemoDlg* note = Open(record);
    CMemoDlg::s_readModifiers = [](bool& s, bool& c, bool& a) { s = false, c = true, a = false; };
    note->DeleteMemo();
    EXPECT_EQ(host.deleteAsked, 0);
    EXPECT_TRUE(CSafeFileWriter::FileExists(dir.Path() + L"20140209153045001.brt"));
    EXPECT_FALSE(CSafeFileWriter::FileExists(dir.Path() + L"20140209153045001.rtf"));
    ASSERT_EQ(host.posted.size(), 1u);
    EXPECT_EQ(host.posted[0].first, (UINT)WM_MEMO_CLOSED);
    EXPECT_EQ(host.posted[0].second, (WPARAM)note);
    ASSERT_EQ(host.restored.size(), 1u);

    // No modifier: the question; cancelled, nothing happens.
    CMemoInfo second = Record("{\\rtf1 ask}", L"20140209153045002.rtf");
    CMemoDlg* asked = Open(second);
    CMemoDlg::s_readModifiers = [](bool& s, bool& c, bool& a) { s = c = a = false; };
    host.posted.clear();
    asked->DeleteMemo();
    EXPECT_EQ(host.deleteAsked, 1);
    EXPECT_TRUE(host.posted.empty());
    // Answered "recycle bin".
    host.deleteAnswer = IDRETRY;
    asked->DeleteMemo();
    ASSERT_EQ(host.posted.size(), 1u);
    EXPECT_EQ(host.posted[0].first, (UINT)WM_MEMO_TO_RECYCLE_BIN);

    // An empty note, never saved, goes without a question. (A note file of
    // 0 bytes is no empty note: nothing writes one, so it is damaged.)
    CMemoInfo empty = Record(nullptr, L"20140209153045003.rtf");
    CMemoDlg* blank = Open(empty);
    host.posted.clear();
    blank->DeleteMemo();
    EXPECT_EQ(host.deleteAsked, 2);
    EXPECT_FALSE(CSafeFileWriter::FileExists(dir.Path() + L"20140209153045003.rtf"));
    ASSERT_EQ(host.posted.size(), 1u);
}

TEST_F(MemoWindowTest, LockAndUnlockThroughTheWindow) {
    CMemoInfo record = Record("{\\rtf1 secret text}");
    CMemoDlg* note = Open(record);
    host.lockPassword = L"pw";
    host.lockTitle = L"Locked one";
    note->ExecuteCommand(ID_MEMO_LOCK);
    EXPECT_TRUE(note->IsLocked());
    EXPECT_FALSE(note->IsExpanded());
    EXPECT_TRUE(IsLockedMemoFileName(note->GetInfo().m_strFileName));
    EXPECT_TRUE(CSafeFileWriter::FileExists(note->GetMemoPath()));
    EXPECT_FALSE(CSafeFileWriter::FileExists(dir.Path() + L"20140209153045123.rtf"));
    EXPECT_EQ(host.autosaves, 1);
    EXPECT_EQ(note->GetInfo().m_strTitle, CString(L"Locked one"));

    // Reopened, the text stays encrypted until the password is given.
    CMemoInfo saved = note->GetInfo();
    note->DestroyWindow();
    PumpFor(50);
    notes.clear();
    CMemoDlg* reopened = Open(saved);
    EXPECT_FALSE(reopened->IsExpanded());
    EXPECT_FALSE(reopened->IsTextLoaded());
    host.password = L"wrong";
    reopened->ExecuteCommand(IDC_FOLDED_UNFOLD);
    EXPECT_FALSE(reopened->IsExpanded());
    EXPECT_EQ(host.messages, 1);
    host.password = L"pw";
    reopened->ExecuteCommand(IDC_FOLDED_UNFOLD);
    EXPECT_TRUE(reopened->IsExpanded());
    EXPECT_EQ(reopened->GetEditor().GetTextRange(0, 11), CString(L"secret text"));

    // Turning the password off writes a plain file again.
    reopened->ExecuteCommand(ID_MEMO_LOCK);
    EXPECT_FALSE(reopened->IsLocked());
    EXPECT_FALSE(IsLockedMemoFileName(reopened->GetInfo().m_strFileName));
    std::vector<BYTE> bytes;
    ASSERT_TRUE(CSafeFileWriter::ReadFile(reopened->GetMemoPath(), bytes));
    EXPECT_NE(std::string(bytes.begin(), bytes.end()).find("secret text"), std::string::npos);
    EXPECT_FALSE(CSafeFileWriter::FileExists(saved.m_strFileName.IsEmpty() ? CString() : dir.Path() + saved.m_strFileName));
}

TEST_F(MemoWindowTest, TitleBarIconCyclesImportanceAndTheMenuLabelsIt) {
    CMemoInfo record = Record("{\\rtf1 x}");
    CMemoDlg* note = Open(record);
    CTitleBar* bar = note->GetTitleBar();
    bar->ExecuteCommand(IDC_TB_ICON);
    EXPECT_EQ(note->GetInfo().m_nImportance, 2);  // favourite
    bar->ExecuteCommand(IDC_TB_ICON);
    EXPECT_EQ(note->GetInfo().m_nImportance, 0);
    bar->SendMessage(WM_NULLBUTTON_DBLCLK, 0, 0);
    EXPECT_EQ(note->GetInfo().m_nImportance, 1);  // reminder on
    bar->ExecuteCommand(IDC_TB_ICON);
    EXPECT_EQ(note->GetInfo().m_nImportance, 0);
    note->ExecuteCommand(ID_IMPORTANCE_VERY);
    EXPECT_EQ(note->GetInfo().m_nImportance, 3);

    HMENU menu = note->BuildContextMenu();
    EXPECT_EQ(GetMenuItemID(menu, 8), (UINT)ID_MEMO_LOCK);
    EXPECT_EQ(GetMenuItemID(menu, 10), (UINT)ID_MEMO_FOLD);
    EXPECT_EQ(GetMenuState(menu, ID_MEMO_NORMAL, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(GetMenuState(menu, ID_MEMO_READ_ONLY, MF_BYCOMMAND), (UINT)-1);  // removed
    DestroyMenu(menu);

    // Next colour and pin.
    int type = note->GetInfo().m_nColorType;
    bar->ExecuteCommand(IDC_TB_NEXT_COLOR);
    EXPECT_EQ(note->GetInfo().m_nColorType, (type + 1) % 12);
    EXPECT_EQ(note->GetInfo().m_crTitle, g_Settings.Color.Type[(type + 1) % 12]);
    bar->SetPinned(TRUE);
    bar->ExecuteCommand(IDC_TB_PIN);
    EXPECT_EQ(note->GetInfo().m_nLevel, 1);

    // The formatting bar opens below the title bar and moves the editor.
    bar->ExecuteCommand(IDC_TB_STYLE);
    ASSERT_NE(note->GetStyleBar(), nullptr);
    CRect edit;
    note->GetEditor().GetWindowRect(&edit);
    note->ScreenToClient(&edit);
    EXPECT_EQ(edit.top, 38);
    bar->ExecuteCommand(IDC_TB_STYLE);
    EXPECT_EQ(note->GetStyleBar(), nullptr);
}

TEST_F(MemoWindowTest, TheHoverTipCoversTheExpandedArea) {
    CMemoTip tip;
    ASSERT_TRUE(tip.CreateTip(nullptr));
    host.tip = &tip;
    CMemoInfo record = Record("{\\rtf1 Preview me}");
    CMemoDlg* note = Open(record);
    note->SetExpanded(FALSE, TRUE);
    PumpFor(50);
    tip.ShowTip(&note->GetInfo());
    PumpFor(50);
    CRect r = WindowRect(&tip);
    EXPECT_EQ(r, CRect(500, 118, 800, 400));
    EXPECT_EQ(tip.GetEditor().GetTextRange(0, 10), CString(L"Preview me"));
    EXPECT_EQ(tip.GetShownWindow(), note);
    tip.HideTip();
    EXPECT_FALSE(tip.IsWindowVisible());
    EXPECT_EQ(tip.GetShownWindow(), nullptr);
    host.tip = nullptr;
    tip.DestroyWindow();
}

// Not a check: pictures of an expanded note with every title-bar button, a
// folded note, a note with its formatting bar and the title dialog, in the
// run's language, written when ZOREL_SCREENSHOT_DIR asks for them.
TEST_F(MemoWindowTest, PicturesInTheRunsLanguage) {
    if (!ScreenshotsWanted()) GTEST_SKIP();
    CString language = UseScreenshotLanguage();
    bool korean = language == L"ko";
    CMemoInfo a = Record("{\\rtf1{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 Buy \\b milk\\b0  and \\i bread\\i0\\par "
                         "\\fs28 Call Anna at 5}",
                         L"20140209153045201.rtf");
    a.m_rcWindow = CRect(80, 80, 380, 330);
    CMemoDlg* expanded = Open(a);
    expanded->SetColorType(0, TRUE);
    CMemoInfo b = Record("{\\rtf1 A folded note}", L"20140209153045202.rtf");
    b.m_strTitle = korean ? L"\uC811\uD78C \uBA54\uBAA8" : L"Folded note";
    b.m_rcWindow = CRect(450, 80, 750, 330);
    b.m_bExpanded = 0;
    CMemoDlg* folded = Open(b);
    folded->SetColorType(2, TRUE);
    CMemoInfo c = Record("{\\rtf1 A note with its formatting bar}", L"20140209153045203.rtf");
    c.m_rcWindow = CRect(450, 380, 750, 600);
    CMemoDlg* styled = Open(c);
    styled->SetColorType(4, TRUE);
    styled->ToggleStyleBar();
    PumpWaiting();
    EXPECT_TRUE(SaveScreenPicture(L"note-expanded-" + language, {expanded->m_hWnd}));
    EXPECT_TRUE(SaveScreenPicture(L"note-title-bar-" + language, {::GetDlgItem(expanded->m_hWnd, IDD_TITLE_BAR)}));
    EXPECT_TRUE(SaveScreenPicture(L"note-folded-" + language, {folded->m_hWnd}));
    EXPECT_TRUE(SaveScreenPicture(L"note-formatting-bar-" + language, {styled->m_hWnd}));

    LOGFONTW font = {};
    font.lfHeight = 10;
    lstrcpyW(font.lfFaceName, L"Tahoma");
    CMemoTitleInputDlg title(expanded, font, RGB(0, 0, 128), korean ? L"\uC7A5\uBCF4\uAE30" : L"Shopping");
    bool saved = false;
    WhenShown([&] {
        saved = SaveScreenPicture(L"title-dialog-" + language, {title.m_hWnd});
        title.EndDialog(IDCANCEL);
    });
    title.DoModal();
    EXPECT_TRUE(saved);
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
}

// A note whose file is no whole note text opens read-only with its marker:
// what is typed cannot be lost unseen. Its menu starts it afresh, after which
// it takes typing and saves as any note.
TEST_F(MemoWindowTest, UnreadableNoteIsReadOnlyWithItsMarkerUntilStartedAfresh) {
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    struct Case {
        const char* what;
        std::string bytes;
        bool folder;
    };
    std::string random(2000, 0);
    for (size_t i = 0; i < random.size(); ++i) random[i] = (char)((i * 131 + 7) % 256);
    std::string deep = "{\\rtf1 " + std::string(99999, '{') + "x" + std::string(100000, '}');
    const Case cases[] = {
        {"random bytes", random, false},
        {"half an RTF", "{\\rtf1{\\fonttbl{\\f0 Tahoma;}}\\f0 Half of a no", false},
        {"0 bytes", "", false},
        {"100,000 nested groups", deep, false},
        {"a folder", "", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        CString name;
        name.Format(L"2014020915304%d000.rtf", n++);
        CString path = dir.Path() + name;
        CMemoInfo record = Record(nullptr, name);
        if (c.folder)
            ASSERT_TRUE(CreateDirectoryW(path, nullptr)) << c.what;
        else
            ASSERT_TRUE(CSafeFileWriter::WriteFile(path, c.bytes.data(), c.bytes.size())) << c.what;
        CMemoDlg* note = Open(record);
        COleRichEditCtrl& editor = note->GetEditor();
        EXPECT_TRUE(note->IsOpenFailed()) << c.what;
        EXPECT_FALSE(editor.IsEditable()) << c.what;
        EXPECT_EQ(editor.GetTextRange(0, g_LanguageTable[IDS_NOTE_UNREADABLE].GetLength()),
                  g_LanguageTable[IDS_NOTE_UNREADABLE])
            << c.what;
        // Typing changes nothing and nothing is written.
        editor.SetFocus();
        editor.SendMessage(WM_CHAR, 'q', 0);
        EXPECT_FALSE(editor.GetModify()) << c.what;
        EXPECT_FALSE(note->IsReadyToSave(TRUE)) << c.what;
        EXPECT_FALSE(note->SaveMemo()) << c.what;

        HMENU menu = note->BuildContextMenu();
        EXPECT_EQ(GetMenuItemID(menu, 0), (UINT)ID_MEMO_START_AFRESH) << c.what;
        wchar_t item[64] = {};
        GetMenuStringW(menu, 0, item, 64, MF_BYPOSITION);
        EXPECT_EQ(CString(item), g_LanguageTable[IDS_START_AFRESH]) << c.what;
        DestroyMenu(menu);

        ASSERT_TRUE(note->ExecuteCommand(ID_MEMO_START_AFRESH)) << c.what;
        EXPECT_FALSE(note->IsOpenFailed()) << c.what;
        EXPECT_TRUE(editor.IsEditable()) << c.what;
        EXPECT_EQ(editor.GetTextLengthEx(), 0) << c.what;
        EXPECT_EQ(dir.List(L"", (name + L".*.bad").GetString()).size(), c.folder ? 0u : 1u) << c.what;
        editor.SetFocus();
        for (char ch : std::string("fresh")) editor.SendMessage(WM_CHAR, ch, 0);
        EXPECT_TRUE(note->IsReadyToSave(TRUE)) << c.what;
        ASSERT_TRUE(note->SaveMemo()) << c.what;
        std::vector<BYTE> saved;
        ASSERT_TRUE(CSafeFileWriter::ReadFile(note->GetMemoPath(), saved)) << c.what;
        EXPECT_EQ(CheckNoteRtf(saved.data(), saved.size()), RtfShape::Whole) << c.what;
        EXPECT_NE(std::string(saved.begin(), saved.end()).find("fresh"), std::string::npos) << c.what;
        note->DestroyWindow();
    }
}

// The deepest nesting a note may have reaches the control and shows: the
// limit is one the control survives.
TEST_F(MemoWindowTest, DeeplyNestedNoteWithinTheLimitOpens) {
    std::string rtf = "{\\rtf1 " + std::string(kMaxRtfGroupDepth - 1, '{') + "Deep" + std::string(kMaxRtfGroupDepth, '}');
    CMemoInfo record = Record(rtf.c_str());
    CMemoDlg* note = Open(record);
    EXPECT_FALSE(note->IsOpenFailed());
    EXPECT_EQ(note->GetEditor().GetTextRange(0, 4), CString(L"Deep"));
    EXPECT_TRUE(note->GetEditor().IsEditable());
}

// Not a check: keeps notes on the screen for a screenshot when asked
// (ZOREL_NOTE_SCREENSHOT=seconds).
TEST_F(MemoWindowTest, ShowForScreenshot) {
    const char* seconds = getenv("ZOREL_NOTE_SCREENSHOT");
    if (!seconds) GTEST_SKIP();
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
    // A language file laid over them (ZOREL_NOTE_LANGUAGE_FILE=path), read in
    // the code page of the locale the test runs under.
    if (const char* language = getenv("ZOREL_NOTE_LANGUAGE_FILE")) {
        if (FILE* file = fopen(language, "rb")) {
            std::vector<char> bytes(1 << 20);
            bytes.resize(fread(bytes.data(), 1, bytes.size(), file));
            fclose(file);
            ApplyLanguageText(bytes.data(), bytes.size());
        }
    }
    CMemoInfo a = Record("{\\rtf1{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 Buy \\b milk\\b0  and \\i bread\\i0\\par\\fs28 "
                         "Call Anna at 5}",
                         L"20140209153045201.rtf");
    a.m_rcWindow = CRect(80, 80, 380, 330);
    CMemoDlg* first = Open(a);
    first->SetColorType(0, TRUE);
    first->GetInfo().m_nImportance = 2;
    CMemoInfo b = Record("{\\rtf1 A folded note}", L"20140209153045202.rtf");
    b.m_strTitle = L"Folded note";
    b.m_rcWindow = CRect(450, 80, 750, 330);
    b.m_bExpanded = 0;
    CMemoDlg* second = Open(b);
    second->SetColorType(2, TRUE);
    CMemoInfo c = Record("{\\rtf1 Third note with the formatting bar}", L"20140209153045203.rtf");
    c.m_rcWindow = CRect(450, 380, 750, 600);
    CMemoDlg* third = Open(c);
    third->SetColorType(4, TRUE);
    third->ToggleStyleBar();
    CMemoInfo d = Record("{\\rtf1 cut off", L"20140209153045204.rtf");
    d.m_strTitle.Empty();
    d.m_rcWindow = CRect(80, 380, 380, 600);
    CMemoDlg* damaged = Open(d);
    damaged->SetColorType(1, TRUE);
    PumpFor(300);
    if (getenv("ZOREL_NOTE_MENU")) {
        CRect r = WindowRect(first);
        PostMessageW(first->m_hWnd, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 100, r.top + 8));
    }
    PumpFor((DWORD)atoi(seconds) * 1000);
}

TEST_F(MemoWindowTest, FitHeightStaysWithinStartDYAndEightyPercentOfTheScreen) {
    std::string lines = "{\\rtf1 ";
    for (int i = 0; i < 200; ++i) lines += "line\\par ";
    lines += "}";
    CMemoInfo record = Record(lines.c_str());
    record.m_bFitHeight = 1;
    CMemoDlg* note = Open(record);
    note->FitHeightOnce();
    PumpFor(50);
    int screen = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(WindowRect(note).Height(), (int)(screen * 0.8));

    note->GetEditor().SetWindowText(L"x");
    note->FitHeightOnce();
    PumpFor(50);
    EXPECT_EQ(WindowRect(note).Height(), g_Settings.General.StartDY);
    EXPECT_EQ(WindowRect(note).top, 100);  // never moves
}

// A folded note without a title shows the first line of its text and not a
// sliver of the second: the editor is cut at the second line's top, and
// whole again once unfolded.
TEST_F(MemoWindowTest, FoldedNoteShowsOnlyItsFirstLine) {
    CMemoInfo record = Record("{\\rtf1{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs16 first line\\par second line\\par third}");
    record.m_strTitle = L"";
    CMemoDlg* note = Open(record);
    note->SetExpanded(FALSE, TRUE);
    PumpFor(50);
    COleRichEditCtrl& editor = note->GetEditor();
    POINTL second = {};
    editor.SendMessage(EM_POSFROMCHAR, (WPARAM)&second, editor.LineIndex(1));
    CRect shown;
    editor.GetClientRect(&shown);
    ASSERT_GT(second.y, 0);
    ASSERT_LT(second.y, shown.Height());  // the strip is taller than a line
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(editor.m_hWnd, region), ERROR);
    RECT box = {};
    GetRgnBox(region, &box);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.bottom, second.y);
    note->SetExpanded(TRUE, TRUE);
    PumpFor(50);
    EXPECT_EQ(GetWindowRgn(editor.m_hWnd, region), ERROR);  // whole again
    DeleteObject(region);
}

// A note loaded folded under its title shows no text, so it makes no
// editor window until its text is first needed; then the editor holds the file's
// text, unchanged, and the note stands where it stood.
TEST_F(MemoWindowTest, NoteFoldedUnderItsTitleMakesItsEditorWhenItsTextIsNeeded) {
    struct Case {
        const char* name;
        std::function<void(CMemoDlg*)> need;
        bool unfolds;
    };
    const Case cases[] = {
        {"unfolded", [](CMemoDlg* note) { note->SetExpanded(TRUE, TRUE); }, true},
        {"searched", [](CMemoDlg* note) { EXPECT_TRUE(CMemoWindowNote(note).FindText(L"Bread", false, false)); },
         false},
        {"its menu", [](CMemoDlg* note) { DestroyMenu(note->BuildContextMenu()); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMemoInfo record = Record("{\\rtf1 Milk\\par Bread}");
        record.m_bExpanded = 0;
        record.m_rcWindow = CRect(650, 100, 800, 118);
        CMemoDlg* note = Open(record);
        CRect folded = WindowRect(note);
        EXPECT_TRUE(note->IsTextDeferred());
        EXPECT_EQ(::GetDlgItem(note->m_hWnd, IDC_MEMO_EDIT), nullptr) << "an editor in a note that shows no text";
        note->SetActive(0);  // as the group's notes stand when the user is elsewhere
        note->SetExpanded(FALSE, TRUE);
        PumpFor(20);
        EXPECT_EQ(::GetDlgItem(note->m_hWnd, IDC_MEMO_EDIT), nullptr);

        c.need(note);
        PumpFor(50);
        EXPECT_FALSE(note->IsTextDeferred());
        HWND editor = ::GetDlgItem(note->m_hWnd, IDC_MEMO_EDIT);
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor, note->GetEditor().m_hWnd);
        EXPECT_EQ(note->GetEditor().GetTextRange(0, 4), CString(L"Milk"));
        EXPECT_FALSE(note->GetEditor().GetModify());
        EXPECT_FALSE(note->IsReadyToSave(TRUE));
        EXPECT_EQ(note->IsExpanded() != FALSE, c.unfolds);
        EXPECT_EQ(::IsWindowVisible(editor) != FALSE, c.unfolds);
        if (c.unfolds) {
            EXPECT_EQ(WindowRect(note), CRect(500, 100, 800, 400));
            CRect placed = WindowRect(&note->GetEditor());
            note->ScreenToClient(&placed);
            EXPECT_EQ(placed, CRect(5, 21, 295, 295));
        } else {
            EXPECT_EQ(WindowRect(note), folded);
        }
        note->DestroyWindow();
        PumpFor(20);
    }
}

// The formatting bar's boxes stand wholly inside the bar.
TEST_F(MemoWindowTest, FormattingBarBoxesFitTheBar) {
    CMemoInfo record = Record("{\\rtf1 x}");
    CMemoDlg* note = Open(record);
    note->ToggleStyleBar();
    PumpFor(50);
    ASSERT_NE(note->GetStyleBar(), nullptr);
    CRect bar = WindowRect(note->GetStyleBar());
    for (int id : {IDC_SB_COLOR, IDC_SB_SIZE, IDC_SB_FACE}) {
        CRect box;
        ::GetWindowRect(::GetDlgItem(note->GetStyleBar()->m_hWnd, id), &box);
        EXPECT_GE(box.top, bar.top) << id;
        EXPECT_LE(box.bottom, bar.bottom) << id;
    }
}

TEST_F(MemoWindowTest, FoldedNoteAsksForItsTipOnHover) {
    g_Settings.General.MemoTipMode = 1;
    CMemoInfo record = Record("{\\rtf1 x}");
    CMemoDlg* note = Open(record);
    CRect r = WindowRect(note);
    note->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(r.left + 10, r.top + 5));
    EXPECT_EQ(host.tipShows, 0);  // expanded: no tip
    note->SetExpanded(FALSE, TRUE);
    r = WindowRect(note);
    LRESULT hit = note->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(r.left + 10, r.top + 5));
    EXPECT_EQ(hit, HTCAPTION);
    EXPECT_EQ(host.tipShows, 1);
    g_Settings.General.MemoTipMode = 2;  // on click only
    note->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(r.left + 10, r.top + 5));
    EXPECT_EQ(host.tipShows, 1);
}

namespace {
CMemoDlg* g_titleNote = nullptr;
void CALLBACK TypeTitle(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dialog = ::GetActiveWindow();
    if (!dialog || !::GetDlgItem(dialog, IDC_TI_TITLE)) return;
    ::KillTimer(nullptr, id);
    g_titleNote->ExecuteCommand(IDC_FOLDED_TITLE);  // a second one while open: ignored
    ::SetDlgItemTextW(dialog, IDC_TI_TITLE, L"A much longer title than before");
    ::SendMessageW(dialog, WM_COMMAND, IDOK, 0);
}
}  // namespace

TEST_F(MemoWindowTest, TitleDialogRetitlesAndRemeasuresAFoldedNote) {
    g_Settings.General.FitTitleWidth = 1;
    CMemoInfo record = Record("{\\rtf1 x}");
    record.m_strTitle = L"Hi";
    CMemoDlg* note = Open(record);
    note->SetExpanded(FALSE, TRUE);
    EXPECT_EQ(WindowRect(note).Width(), 150);  // a short title: contractDX
    g_titleNote = note;
    ::SetTimer(nullptr, 0, 50, TypeTitle);
    note->ExecuteCommand(IDC_FOLDED_TITLE);
    EXPECT_EQ(note->GetInfo().m_strTitle, CString(L"A much longer title than before"));
    CRect r = WindowRect(note);
    EXPECT_GT(r.Width(), 150);
    EXPECT_EQ(r.right, 800);
    EXPECT_EQ(g_Settings.General.TitleFont, note->GetInfo().m_strTitleFont);
}

// A title font this computer lacks stays the note's font through the dialog:
// the face list must not hand over its first entry instead.
TEST_F(MemoWindowTest, TitleDialogKeepsAFaceThisComputerLacks) {
    CMemoInfo record = Record("{\\rtf1 x}");
    record.m_strTitle = L"Hi";
    record.m_strTitleFont = L"7816192|0|0|0|14|No Such Face Here";
    CMemoDlg* note = Open(record);
    note->SetExpanded(FALSE, TRUE);
    g_titleNote = note;
    ::SetTimer(nullptr, 0, 50, TypeTitle);
    note->ExecuteCommand(IDC_FOLDED_TITLE);
    EXPECT_EQ(note->GetInfo().m_strTitle, CString(L"A much longer title than before"));
    EXPECT_EQ(note->GetInfo().m_strTitleFont, CString(L"7816192|0|0|0|14|No Such Face Here"));
}

TEST_F(MemoWindowTest, AnUnreadableNoteGreysItsCommandsAndKeepsItsFile) {
    CMemoInfo record = Record("{\\rtf1 precious}");
    CString path = dir.Path() + record.m_strFileName;
    CMemoDlg* note = nullptr;
    {
        CHeldOpen held(path);
        note = Open(record);
    }
    EXPECT_TRUE(note->IsOpenFailed());
    HMENU menu = note->BuildContextMenu();
    for (UINT id : {ID_MEMO_SEND, ID_MEMO_SAVE_TO_FILE, ID_MEMO_WORDPAD, ID_MEMO_PRINT, ID_MEMO_LOCK})
        EXPECT_TRUE(GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) << id;
    DestroyMenu(menu);
    EXPECT_FALSE(note->SaveMemo());
    CMemoDlg::s_readModifiers = [](bool& s, bool& c, bool& a) { s = true, c = false, a = false; };
    note->DeleteMemo();
    ASSERT_EQ(host.posted.size(), 1u);
    EXPECT_EQ(host.posted[0].first, (UINT)WM_MEMO_CLOSED);
    std::vector<BYTE> bytes;
    ASSERT_TRUE(CSafeFileWriter::ReadFile(path, bytes));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "{\\rtf1 precious}");
}

TEST_F(MemoWindowTest, AReceivedNoteIsAtLeastTheDefaultSizeAndFlashes) {
    CMemoInfo record = Record("{\\rtf1 from a friend}");
    CMemoDlg* note = Open(record);
    note->ShowReceived(L"300 200 50 40", L"From Anna");
    PumpFor(50);
    CRect r = WindowRect(note);
    EXPECT_EQ(r, CRect(300, 200, 500, 320));  // StartDX x StartDY at least
    EXPECT_EQ(note->GetInfo().m_strTitle, CString(L"From Anna"));
    EXPECT_EQ(note->GetInfo().m_nImportance, 1);
    EXPECT_EQ(note->GetInfo().m_nLevel, 1);
    // A colour change during the flash stays the note's colour afterwards.
    note->SetColorType(3, TRUE);
    PumpFor(900);
    EXPECT_EQ(note->GetInfo().m_crTitle, g_Settings.Color.Type[3]);
}
