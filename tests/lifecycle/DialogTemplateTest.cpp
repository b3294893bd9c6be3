// The notes' dialog templates as the program carries them: each holds the
// controls its dialog takes over, under the ids the dialog's code names, in
// Tahoma 8; and the group manager and the memo restore dialog put the grid
// and the notes' own editor where their templates say.
#include "GroupDialogFixture.h"
#include "notes/DelMemoGroupDlg.h"
#include "notes/DelMemoListBox.h"
#include "notes/DelMsgBox.h"
#include "notes/MemoLockDlg.h"
#include "notes/MemoPwdDlg.h"
#include "notes/MemoTitleInputDlg.h"
#include "notes/NoteIds.h"
#include "notes/NoteTemplates.h"
#include "notes/OleRichEditCtrl.h"
#include "notes/RestoreHistoryDlg.h"
#include "notes/RestoreMemoDlg.h"

#include <algorithm>
#include <map>

namespace {

struct Item {
    int id;
    CString cls;  // lower case; the predefined classes by name
    DWORD style;
};

struct Template {
    DWORD style = 0;
    CString face;
    int points = 0;
    std::vector<Item> items;
};

// Reads an extended dialog template (the only kind the resource compiler
// writes for DIALOGEX).
class CTemplateReader {
public:
    explicit CTemplateReader(const void* data) : m_p(static_cast<const BYTE*>(data)) {}
    bool Read(Template& out) {
        if (Word() != 1 || Word() != 0xFFFF) return false;
        Dword();  // help id
        Dword();  // extended style
        out.style = Dword();
        int count = Word();
        for (int i = 0; i < 4; ++i) Word();
        Text();  // menu
        Text();  // class
        Text();  // caption
        if (out.style & DS_SETFONT) {
            out.points = Word();
            Word();
            Word();
            out.face = Text();
        }
        for (int i = 0; i < count && i < 200; ++i) {
            Align();
            Dword();
            Dword();
            Item item;
            item.style = Dword();
            for (int k = 0; k < 4; ++k) Word();
            item.id = (int)Dword();
            item.cls = Text(true);
            Text();
            WORD extra = Word();
            m_p += extra;
            out.items.push_back(item);
        }
        return true;
    }

private:
    WORD Word() {
        WORD w;
        memcpy(&w, m_p, 2);
        m_p += 2;
        return w;
    }
    DWORD Dword() {
        DWORD d;
        memcpy(&d, m_p, 4);
        m_p += 4;
        return d;
    }
    void Align() {
        while ((reinterpret_cast<uintptr_t>(m_p) & 3) != 0) ++m_p;
    }
    CString Text(bool isClass = false) {
        WORD first = Word();
        if (first == 0) return CString();
        if (first == 0xFFFF) {
            WORD atom = Word();
            static const std::map<WORD, const wchar_t*> names = {{0x80, L"button"}, {0x81, L"edit"}, {0x82, L"static"},
                                                                  {0x83, L"listbox"}, {0x85, L"combobox"}};
            auto it = names.find(atom);
            return isClass && it != names.end() ? CString(it->second) : CString();
        }
        std::wstring text(1, (wchar_t)first);
        for (WORD c = Word(); c; c = Word()) text += (wchar_t)c;
        CString result(text.c_str());
        if (isClass) result.MakeLower();
        return result;
    }
    const BYTE* m_p;
};

bool LoadNoteTemplate(UINT id, Template& out) {
    LPCDLGTEMPLATE data = GetNoteTemplate(id);
    return data && CTemplateReader(data).Read(out);
}

struct Expected {
    UINT templateId;
    DWORD kind;  // WS_POPUP or WS_CHILD
    std::vector<std::pair<int, const wchar_t*>> controls;
};

const wchar_t* const kButton = L"button";
const wchar_t* const kStatic = L"static";
const wchar_t* const kEdit = L"edit";
const wchar_t* const kCombo = L"combobox";
const wchar_t* const kList = L"listbox";
const wchar_t* const kRich = L"richedit20w";

}  // namespace

TEST(NoteDialogTemplates, HoldTheControlsTheirDialogsNameInTahoma8) {
    using G = CEditMemoGroupDlg;
    using R = CRestoreMemoDlg;
    using H = CRestoreHistoryDlg;
    const int icon = CDeleteConfirmDlg::IDC_QUESTION_ICON;
    const std::vector<Expected> table = {
        // The note and its parts make their controls themselves.
        {IDD_MEMO, WS_POPUP, {}},
        {IDD_TITLE_BAR, WS_CHILD, {}},
        {IDD_STYLE_BAR, WS_CHILD, {}},
        {IDD_MEMO_TIP, WS_POPUP, {}},
        {IDD_TITLE_INPUT, WS_POPUP,
         {{IDC_TI_TITLE, kEdit}, {IDC_TI_FACE, kCombo}, {IDC_TI_SIZE, kCombo}, {IDC_TI_COLOR, kCombo},
          {IDC_TI_BOLD, kButton}, {IDC_TI_ITALIC, kButton}, {IDC_TI_UNDERLINE, kButton}, {IDOK, kButton}}},
        {IDD_MEMO_LOCK, WS_POPUP,
         {{IDC_LOCK_PASSWORD_LABEL, kStatic}, {IDC_LOCK_PASSWORD, kEdit}, {IDC_LOCK_REPEAT_LABEL, kStatic},
          {IDC_LOCK_REPEAT, kEdit}, {IDC_LOCK_TITLE_LABEL, kStatic}, {IDC_LOCK_TITLE, kEdit},
          {IDC_LOCK_WARNING, kStatic}, {IDOK, kButton}}},
        {IDD_MEMO_PASSWORD, WS_POPUP,
         {{IDC_PWD_LABEL, kStatic}, {IDC_PWD_EDIT, kEdit}, {IDC_PWD_LABEL2, kStatic}, {IDOK, kButton}}},
        {G::IDD, WS_POPUP,
         {{G::IDC_GROUPS, kList}, {G::IDC_GRID_PLACE, kStatic}, {G::IDC_PREVIEW, kRich}, {G::IDC_COUNT, kStatic},
          {G::IDC_ADD_GROUP, kButton}, {G::IDC_RENAME_GROUP, kButton}, {G::IDC_DELETE_GROUP, kButton},
          {G::IDC_OPEN_GROUP, kButton}, {G::IDC_RECYCLE_BIN, kButton}, {G::IDC_MOVE, kButton},
          {G::IDC_DELETE_MEMOS, kButton}, {IDCANCEL, kButton}}},
        {R::IDD, WS_POPUP,
         {{R::IDC_LIST, L"syslistview32"}, {R::IDC_PREVIEW, kRich}, {R::IDC_RESTORE, kButton},
          {R::IDC_RESTORE_ALL, kButton}, {R::IDC_DELETE, kButton}, {R::IDC_DELETE_ALL, kButton},
          {IDCANCEL, kButton}}},
        {H::IDD, WS_POPUP,
         {{H::IDC_DATE_LABEL, kStatic}, {H::IDC_LIST, kList}, {H::IDC_RESTORE, kButton}, {H::IDC_DELETE, kButton},
          {H::IDC_DELETE_ALL, kButton}, {IDCANCEL, kButton}}},
        {CDelMemoGroupDlg::IDD, WS_POPUP,
         {{icon, kStatic}, {1252, kStatic}, {CDelMemoGroupDlg::ResultRestorable, kButton}, {1351, kStatic},
          {CDelMemoGroupDlg::ResultGroupFileOnly, kButton}, {1352, kStatic},
          {CDelMemoGroupDlg::ResultEverything, kButton}, {1353, kStatic}, {IDCANCEL, kButton}}},
        {CDelMemoListBox::IDD, WS_POPUP,
         {{icon, kStatic}, {1354, kStatic}, {CDelMemoListBox::ResultRestorable, kButton}, {1355, kStatic},
          {CDelMemoListBox::ResultForGood, kButton}, {1357, kStatic}, {IDCANCEL, kButton}}},
        {CDelMsgBox::IDD, WS_POPUP,
         {{icon, kStatic}, {1354, kStatic}, {CDelMsgBox::ResultRestorable, kButton}, {1355, kStatic},
          {CDelMsgBox::ResultRecycleBin, kButton}, {1356, kStatic}, {CDelMsgBox::ResultForGood, kButton},
          {1357, kStatic}, {IDCANCEL, kButton}}},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(testing::Message() << "template " << e.templateId);
        Template t;
        ASSERT_TRUE(LoadNoteTemplate(e.templateId, t));
        EXPECT_EQ(e.kind, t.style & (WS_POPUP | WS_CHILD));
        EXPECT_EQ(CString(L"Tahoma"), t.face);
        EXPECT_EQ(8, t.points);
        std::vector<std::pair<int, CString>> want, have;
        for (const auto& c : e.controls) want.push_back({c.first, c.second});
        for (const Item& item : t.items) have.push_back({item.id, item.cls});
        std::sort(want.begin(), want.end());
        std::sort(have.begin(), have.end());
        EXPECT_EQ(want, have);
    }

    // What the group manager never shows lacks the visible style.
    Template groups;
    ASSERT_TRUE(LoadNoteTemplate(G::IDD, groups));
    for (const Item& item : groups.items) {
        bool hidden = item.id == G::IDC_GRID_PLACE || item.id == G::IDC_COUNT || item.id == G::IDC_RECYCLE_BIN;
        EXPECT_EQ(!hidden, (item.style & WS_VISIBLE) != 0) << item.id;
    }
}

TEST_F(GroupDialogTest, TheGridShowsTheGroupsNotesAndTicksInItsFirstColumn) {
    HWND grid = ::GetDlgItem(dialog->m_hWnd, CEditMemoGroupDlg::IDC_GRID);
    ASSERT_EQ(dialog->Grid().m_hWnd, grid);
    wchar_t cls[64] = {};
    ::GetClassNameW(grid, cls, 64);
    EXPECT_STREQ(L"ZGridCtrl", cls);
    // In the placeholder's place, less a pixel at the right and the bottom.
    CRect place, shown;
    ::GetWindowRect(::GetDlgItem(dialog->m_hWnd, CEditMemoGroupDlg::IDC_GRID_PLACE), &place);
    ::GetWindowRect(grid, &shown);
    EXPECT_EQ(CRect(place.left, place.top, place.right - 1, place.bottom - 1), shown);

    Select(L"Work.zrd");
    CGridCtrl& g = dialog->Grid();
    ASSERT_EQ(3, g.GetRowCount());
    ASSERT_EQ(3, g.GetColumnCount());
    EXPECT_EQ(CString(L"w2.rtf"), g.GetItemText(2, 1));
    CRect client;
    g.GetClientRect(&client);
    EXPECT_EQ(client.Width() - 270, g.GetColumnWidth(2));
    CRect last;
    g.GetCellRect(2, 1, &last);
    EXPECT_TRUE(client.PtInRect(last.CenterPoint()));

    auto click = [&](int row, int col) {
        CRect cell;
        g.GetCellRect(row, col, &cell);
        LPARAM at = MAKELPARAM(cell.left + 4, cell.top + 4);
        g.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        g.SendMessage(WM_LBUTTONUP, 0, at);
        PumpWaiting();
    };
    // A click in the title column previews without ticking; in the tick
    // column it ticks (and a second click unticks).
    click(2, 1);
    EXPECT_FALSE(dialog->IsTicked(2));
    CString preview = dialog->PreviewEditor().GetTextRange(0, dialog->PreviewEditor().GetTextLengthEx());
    EXPECT_TRUE(preview.Find(L"work note") >= 0) << preview.GetString();
    click(1, 0);
    EXPECT_TRUE(dialog->IsTicked(1));
    click(0, 0);
    click(0, 0);
    EXPECT_FALSE(dialog->IsTicked(0));
    // With the focus in the tick column the arrow keys flip each row they reach.
    auto down = [&] {
        g.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        PumpWaiting();
    };
    down();
    EXPECT_FALSE(dialog->IsTicked(1));
    down();
    EXPECT_TRUE(dialog->IsTicked(2));

    // The ticked note is the one that moves.
    dialog->OnMoveToGroupCommand(IndexOf(dialog->Groups(), L"DefaultMemo.zrd"));
    EXPECT_EQ((std::vector<CString>{L"w0.rtf", L"w1.rtf"}), GroupNames(store, L"Work.zrd"));
}

TEST_F(LifecycleTest, NotePreviewsAreTheNotesOwnEditorAndReadOnly) {
    folder.Write(L"gone.brt", "{\\rtf1\\ansi kept text}");
    CRestoreMemoDlg restore(host, folder.Path(), 0);
    restore.isOpen = [](const CString&) { return false; };
    ASSERT_TRUE(restore.CreateModeless(nullptr));
    CEditMemoGroupDlg groups(host, store, memos);
    ASSERT_TRUE(groups.CreateModeless(nullptr));
    for (CDialog* dialog : {(CDialog*)&restore, (CDialog*)&groups}) {
        HWND preview = ::GetDlgItem(dialog->m_hWnd, CRestoreMemoDlg::IDC_PREVIEW);
        ASSERT_NE(nullptr, preview);
        EXPECT_NE(nullptr, dynamic_cast<COleRichEditCtrl*>(CWnd::FromHandlePermanent(preview)));
        EXPECT_TRUE((::GetWindowLongW(preview, GWL_STYLE) & ES_READONLY) != 0);
    }
    EXPECT_EQ(&restore.PreviewEditor(), CWnd::FromHandlePermanent(::GetDlgItem(restore.m_hWnd, CRestoreMemoDlg::IDC_PREVIEW)));
    EXPECT_TRUE(restore.GetPreviewText().Find(L"kept text") >= 0);
    restore.DestroyWindow();
    groups.DestroyWindow();
}

TEST(NoteDialogTemplates, TitleDialogShowsTheFaceSizeAndTitleItIsGiven) {
    // A face this computer has, asked for in other letter case.
    CString installed;
    LOGFONTW all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(
        screen, &all,
        [](const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            if (lf->lfFaceName[0] == L'@') return 1;
            *reinterpret_cast<CString*>(found) = lf->lfFaceName;
            return 0;
        },
        (LPARAM)&installed, 0);
    ::ReleaseDC(nullptr, screen);
    ASSERT_FALSE(installed.IsEmpty());
    CString asked = installed;
    asked.MakeUpper();
    LOGFONTW font = {};
    font.lfHeight = 14;
    lstrcpynW(font.lfFaceName, asked, LF_FACESIZE);
    CMemoTitleInputDlg dialog(nullptr, font, RGB(0, 0, 128), L"Shopping");
    CString face, size, title;
    WhenShown([&] {
        HWND d = dialog.m_hWnd;
        auto selected = [d](int id) {
            int index = (int)::SendDlgItemMessageW(d, id, CB_GETCURSEL, 0, 0);
            wchar_t text[LF_FACESIZE] = {};
            if (index >= 0) ::SendDlgItemMessageW(d, id, CB_GETLBTEXT, index, (LPARAM)text);
            return CString(text);
        };
        face = selected(IDC_TI_FACE);
        size = selected(IDC_TI_SIZE);
        wchar_t text[64] = {};
        ::GetDlgItemTextW(d, IDC_TI_TITLE, text, 64);
        title = text;
        dialog.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
    EXPECT_EQ(installed, face);
    EXPECT_EQ(CString(L"14"), size);
    EXPECT_EQ(CString(L"Shopping"), title);
}
