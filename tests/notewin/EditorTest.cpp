// The rich-text editor in a real window under Wine: formatting rules, the
// macros, streaming with an embedded picture, and the open failure.
#include "notes/NoteIds.h"
#include "notes/OleRichEditCtrl.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"

#include "NotewinTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct OleEnvironment : ::testing::Environment {
    void SetUp() override { OleInitialize(nullptr); }
};
const ::testing::Environment* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

class EditorTest : public ::testing::Test {
protected:
    CWnd host;
    COleRichEditCtrl editor;

    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, CWnd::GetDefaultClassName(), L"editor host", WS_POPUP, CRect(0, 0, 400, 300),
                                  nullptr, 0));
        ASSERT_TRUE(editor.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                                  CRect(0, 0, 400, 300), &host, IDC_MEMO_EDIT));
        editor.SetDefaultFormat(L"Tahoma");
    }
    void TearDown() override {
        editor.DestroyWindow();
        host.DestroyWindow();
    }

    void Type(const wchar_t* text) { editor.ReplaceSel(text); }
    // Wine's control applies the first format change of a part of freshly
    // inserted text to the whole run; one change of the whole text first
    // (made and undone) puts it into its normal state.
    void Load(const char* rtf) {
        ASSERT_TRUE(editor.LoadFromBuffer((const BYTE*)rtf, strlen(rtf)));
        CHARFORMATW cf = {};
        cf.cbSize = sizeof cf;
        cf.dwMask = CFM_BOLD;
        editor.SetSel(0, -1);
        cf.dwEffects = CFE_BOLD;
        editor.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
        cf.dwEffects = 0;
        editor.SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
        editor.SetSel(0, 0);
    }
    // The format of the characters in [start, end).
    CHARFORMAT2W FormatOf(COleRichEditCtrl& e, long start, long end) {
        e.SetSel(start, end);
        CHARFORMAT2W cf = {};
        cf.cbSize = sizeof cf;
        e.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
        return cf;
    }
    int ObjectCount(COleRichEditCtrl& e) {
        IRichEditOle* ole = nullptr;
        e.SendMessage(EM_GETOLEINTERFACE, 0, (LPARAM)&ole);
        if (!ole) return -1;
        int n = (int)ole->GetObjectCount();
        ole->Release();
        return n;
    }
};

HBITMAP MakePicture() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 32, 24);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 32, 24};
    HBRUSH red = CreateSolidBrush(RGB(200, 30, 30));
    FillRect(dc, &all, red);
    DeleteObject(red);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

TEST_F(EditorTest, UsesTheVersionTwoControl) {
    EXPECT_EQ(editor.GetVersion(), 2);
    EXPECT_NE(COleRichEditCtrl::GetSharedCallback(), nullptr);
}

TEST_F(EditorTest, PartlyBoldSelectionBecomesAllBoldThenNone) {
    Load("{\\rtf1 Hello world}");
    editor.SetSel(0, 5);
    editor.ToggleBold();
    editor.SetSel(0, 11);  // mixed
    editor.ToggleBold();
    CHARFORMAT2W cf = FormatOf(editor, 0, 11);
    EXPECT_TRUE(cf.dwMask & CFM_BOLD);  // the same throughout
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
    editor.ToggleBold();  // all bold: inverted
    cf = FormatOf(editor, 0, 11);
    EXPECT_TRUE(cf.dwMask & CFM_BOLD);
    EXPECT_FALSE(cf.dwEffects & CFE_BOLD);

    // The other effects follow the same rule.
    editor.SetSel(6, 11);
    editor.ToggleItalic();
    editor.SetSel(0, 11);
    editor.ToggleItalic();
    EXPECT_TRUE(editor.IsItalic());
    editor.SetSel(0, 3);
    editor.ToggleStrikeOut();
    editor.SetSel(0, 11);
    editor.ToggleStrikeOut();
    cf = FormatOf(editor, 0, 11);
    EXPECT_TRUE((cf.dwMask & CFM_STRIKEOUT) && (cf.dwEffects & CFE_STRIKEOUT));
}

TEST_F(EditorTest, SizesStepThroughTheListAndStopAtTheEnds) {
    Load("{\\rtf1 Size}");
    editor.SetSel(0, 4);
    EXPECT_EQ(editor.GetSize(), 10);  // the default 180 twips
    editor.GrowSize();
    EXPECT_EQ(editor.GetSize(), 11);
    editor.SetSize(72);
    editor.GrowSize();
    EXPECT_EQ(editor.GetSize(), 72);
    editor.SetSize(8);
    editor.ShrinkSize();
    EXPECT_EQ(editor.GetSize(), 8);
    editor.SetSize(13);  // not in the list
    editor.GrowSize();
    EXPECT_EQ(editor.GetSize(), 13);
    editor.ShrinkSize();
    EXPECT_EQ(editor.GetSize(), 13);
    EXPECT_TRUE(editor.ExecuteCommand(ID_EDIT_SHRINK));
    EXPECT_TRUE(editor.HandleKey(VK_OEM_PERIOD, TRUE, FALSE));
    EXPECT_EQ(editor.GetSize(), 13);
}

TEST_F(EditorTest, MacrosInsertAtTheCaretWithoutTheClipboard) {
    auto savedClock = COleRichEditCtrl::s_clock;
    auto savedSource = COleRichEditCtrl::s_macroSource;
    COleRichEditCtrl::s_clock = [] {
        SYSTEMTIME t = {};
        t.wYear = 2014;
        t.wMonth = 2;
        t.wDay = 9;
        t.wHour = 12;
        t.wMinute = 5;
        return t;
    };
    COleRichEditCtrl::s_macroSource = [](int n) -> CString {
        const wchar_t* macros[] = {L"#l#", L"#Y#-#MON#-#D#", L""};
        return n < 3 ? macros[n] : L"x";
    };
    // The user's clipboard stays as it was.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 16);
    strcpy((char*)GlobalLock(mem), "keep me");
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();

    CMenu menu;
    menu.CreatePopupMenu();
    ::AppendMenuW(menu, MF_STRING, ID_EDIT_MACRO_FIRST, L"placeholder");
    const std::vector<CString>& macros = editor.BuildMacroMenu(&menu);
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(menu.GetMenuItemCount(), 2);
    EXPECT_EQ(menu.GetMenuItemID(1), (UINT)ID_EDIT_MACRO_FIRST + 1);

    Type(L"at ");
    editor.ExecuteCommand(ID_EDIT_MACRO_FIRST);
    editor.ExecuteCommand(ID_EDIT_MACRO_FIRST + 1);
    EXPECT_EQ(editor.GetWindowText(), CString(L"at 002014-02-09"));

    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_STREQ((const char*)GlobalLock(data), "keep me");
    GlobalUnlock(data);
    CloseClipboard();
    COleRichEditCtrl::s_clock = savedClock;
    COleRichEditCtrl::s_macroSource = savedSource;
}

TEST_F(EditorTest, TextFormatsAndAPictureSurviveSaveAndReload) {
    CScratchFolder dir(L"notewin");
    Load("{\\rtf1 Hello world\\par}");
    editor.SetSel(0, 5);
    editor.ToggleBold();
    editor.SetSel(6, 11);
    editor.ToggleItalic();
    editor.SetSize(14);
    editor.SetColor(RGB(0, 0, 200));
    editor.SetSel(11, 11);
    Type(L" typed");  // typing carries the format at the caret
    editor.SetSel(18, 18);
    HBITMAP picture = MakePicture();
    ASSERT_TRUE(editor.InsertPicture(picture));
    DeleteObject(picture);
    EXPECT_EQ(ObjectCount(editor), 1);
    editor.SetModify(TRUE);
    CString path = dir.Path() + L"note.rtf";
    ASSERT_TRUE(editor.SaveToFile(path));
    EXPECT_FALSE(editor.GetModify());

    COleRichEditCtrl reloaded;
    ASSERT_TRUE(reloaded.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 400, 300), &host, IDC_MEMO_EDIT + 1));
    ASSERT_TRUE(reloaded.LoadFromFile(path));
    EXPECT_EQ(reloaded.GetTextRange(0, 17), CString(L"Hello world typed"));
    EXPECT_EQ(ObjectCount(reloaded), 1);
    CHARFORMAT2W hello = FormatOf(reloaded, 0, 5);
    EXPECT_TRUE((hello.dwMask & CFM_BOLD) && (hello.dwEffects & CFE_BOLD));
    EXPECT_FALSE(hello.dwEffects & CFE_ITALIC);
    CHARFORMAT2W world = FormatOf(reloaded, 6, 11);
    EXPECT_TRUE((world.dwMask & CFM_ITALIC) && (world.dwEffects & CFE_ITALIC));
    EXPECT_FALSE(world.dwEffects & CFE_BOLD);
    EXPECT_EQ(reloaded.GetSize(), 14);
    EXPECT_EQ(world.crTextColor, RGB(0, 0, 200));

    // Memory streaming gives the same text.
    std::vector<BYTE> rtf;
    ASSERT_TRUE(reloaded.GetRtf(rtf));
    COleRichEditCtrl fromMemory;
    ASSERT_TRUE(fromMemory.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 400, 300), &host, IDC_MEMO_EDIT + 2));
    ASSERT_TRUE(fromMemory.LoadFromBuffer(rtf.data(), rtf.size()));
    EXPECT_EQ(fromMemory.GetTextRange(0, 17), CString(L"Hello world typed"));
    EXPECT_EQ(ObjectCount(fromMemory), 1);
}

TEST_F(EditorTest, AnUnreadableFileShowsTheFailureAndIsNeverWritten) {
    CScratchFolder dir(L"notewin");
    CString path = dir.Path() + L"held.rtf";
    const char original[] = "{\\rtf1 original}";
    ASSERT_TRUE(CSafeFileWriter::WriteFile(path, original, sizeof original - 1));
    {
        CHeldOpen held(path);
        EXPECT_FALSE(editor.LoadFromFile(path));
    }
    EXPECT_TRUE(editor.IsOpenFailed());
    EXPECT_FALSE(editor.IsWindowEnabled());
    EXPECT_FALSE(editor.IsEditable());
    EXPECT_NE(editor.GetWindowText().Find(L"Failed to open Memo"), -1);
    EXPECT_FALSE(editor.SaveToFile(path));
    std::vector<BYTE> bytes;
    CSafeFileWriter::ReadFile(path, bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), original);

    // A missing file is no failure: the note simply has no text yet.
    COleRichEditCtrl other;
    ASSERT_TRUE(other.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 10, 10), &host, IDC_MEMO_EDIT + 3));
    EXPECT_FALSE(other.LoadFromFile(dir.Path() + L"none.rtf"));
    EXPECT_FALSE(other.IsOpenFailed());
}

TEST_F(EditorTest, AFileLargerThanAnyNoteShowsTheFailureAndIsNeverWritten) {
    CScratchFolder dir(L"notewin");
    CString path = dir.Path() + L"huge.rtf";
    // A readable note followed by more bytes than any note holds.
    const char text[] = "{\\rtf1 huge}";
    ASSERT_TRUE(CSafeFileWriter::WriteFile(path, text, sizeof text - 1));
    LARGE_INTEGER size;
    size.QuadPart = (LONGLONG)CSafeFileWriter::MaxNoteFileBytes + 1;
    HANDLE h = CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFilePointerEx(h, size, nullptr, FILE_BEGIN) && SetEndOfFile(h));
    CloseHandle(h);

    EXPECT_FALSE(editor.LoadFromFile(path));
    EXPECT_TRUE(editor.IsOpenFailed());
    EXPECT_FALSE(editor.SaveToFile(path));
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExW(path, GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeLow, (DWORD)size.QuadPart);
}

TEST_F(EditorTest, FindMovesThroughTheText) {
    Type(L"one two one two");
    editor.SetSel(0, 0);
    EXPECT_TRUE(editor.FindWithOptions(L"two", FR_DOWN));
    CHARRANGE sel;
    editor.GetSel(sel);
    EXPECT_EQ(sel.cpMin, 4);
    EXPECT_TRUE(editor.FindWithOptions(L"two", FR_DOWN));
    editor.GetSel(sel);
    EXPECT_EQ(sel.cpMin, 12);
    EXPECT_FALSE(editor.FindWithOptions(L"two", FR_DOWN));
    editor.GetSel(sel);
    EXPECT_EQ(sel.cpMin, 12);  // no hit changes nothing
    EXPECT_TRUE(editor.FindWithOptions(L"one", 0));  // upwards from the selection
    editor.GetSel(sel);
    EXPECT_EQ(sel.cpMin, 8);
    // F3 repeats with the selected text.
    editor.SetSel(0, 3);
    EXPECT_TRUE(editor.HandleKey(VK_F3, FALSE, FALSE));
    editor.GetSel(sel);
    EXPECT_EQ(sel.cpMin, 8);
}

TEST_F(EditorTest, APastedBitmapArrivesAsAPicture) {
    HBITMAP picture = MakePicture();
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_BITMAP, picture);  // the clipboard owns it now
    CloseClipboard();
    Type(L"pic: ");
    editor.ExecuteCommand(ID_EDIT_PASTE_CMD);
    EXPECT_EQ(ObjectCount(editor), 1);
    // Ctrl+V takes the same way.
    EXPECT_TRUE(editor.HandleKey('V', TRUE, FALSE));
    EXPECT_EQ(ObjectCount(editor), 2);
}

TEST_F(EditorTest, KoreanTextSurvivesSaveAndReload) {
    CScratchFolder dir(L"notewin");
    const wchar_t korean[] = L"\xd55c\xad6d\xc5b4 \xba54\xbaa8";  // "한국어 메모"
    Type(korean);
    CString path = dir.Path() + L"\xba54\xbaa8.rtf";
    ASSERT_TRUE(editor.SaveToFile(path));
    COleRichEditCtrl reloaded;
    ASSERT_TRUE(reloaded.Create(WS_CHILD | ES_MULTILINE, CRect(0, 0, 400, 300), &host, IDC_MEMO_EDIT + 4));
    ASSERT_TRUE(reloaded.LoadFromFile(path));
    EXPECT_EQ(reloaded.GetTextRange(0, 6), CString(korean));
}

// The default font keeps the face it is given, installed or not, and asks
// for a proportional pitch, so that a missing face is stood in for by a sans
// face and the saved note says so for the next opening.
TEST_F(EditorTest, DefaultFontKeepsItsFaceAndAsksForAProportionalPitch) {
    for (const wchar_t* face : {L"Tahoma", L"No Such Face Here"}) {
        SCOPED_TRACE(CStringA(face).GetString());
        editor.SetDefaultFormat(face);
        CHARFORMATW cf = {};
        cf.cbSize = sizeof cf;
        editor.SendMessage(EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
        EXPECT_STREQ(cf.szFaceName, face);
        EXPECT_EQ(cf.bPitchAndFamily & 3, VARIABLE_PITCH);
    }
}
