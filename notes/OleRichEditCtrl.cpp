#include "notes/OleRichEditCtrl.h"

#include "notes/NoteIds.h"
#include "notes/NoteLogic.h"
#include "notes/RtfCheck.h"
#include "shell/FindDlg.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/Settings.h"

#include <algorithm>
#include <commdlg.h>
#include <shellapi.h>

BEGIN_MESSAGE_MAP(COleRichEditCtrl, CRichEditCtrl20)
    ON_WM_CREATE()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

// ---- Seams ----

std::function<SYSTEMTIME()> COleRichEditCtrl::s_clock = [] {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
};

std::function<CString(int)> COleRichEditCtrl::s_macroSource = [](int index) {
    return g_LanguageTable[NoteLogic::FirstMacroText + index];
};

std::function<void(const CString&)> COleRichEditCtrl::s_openLink = [](const CString& target) {
    ShellExecuteW(nullptr, L"open", target, nullptr, nullptr, SW_SHOWNORMAL);
};

std::function<bool(CWnd*, COLORREF&)> COleRichEditCtrl::s_chooseColor = [](CWnd* owner, COLORREF& color) {
    static COLORREF custom[16];
    CHOOSECOLORW cc = {};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    cc.rgbResult = color;
    cc.lpCustColors = custom;
    cc.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorW(&cc)) return false;
    color = cc.rgbResult;
    return true;
};

std::function<void(COleRichEditCtrl*, const CString&)> COleRichEditCtrl::s_openFind =
    [](COleRichEditCtrl* editor, const CString& initial) { editor->OpenFindBox(initial); };

// The editor's find box and what it searches.
class COleRichEditCtrl::CFindBox : public IFindTarget {
public:
    CFindBox(COleRichEditCtrl* editor, const CString& text) : m_editor(editor), m_dialog(this, text) {}
    ~CFindBox() override {
        if (m_dialog.GetSafeHwnd()) m_dialog.DestroyWindow();
    }
    CWnd* GetFindWindow() override { return m_editor; }
    // The box's flags have the values of the rich edit's find flags.
    void FindWithOptions(const CString& text, int flags) override { m_editor->FindWithOptions(text, (DWORD)flags); }
    void OnFindDialogClosed() override { m_editor->OnFindDialogClosed(); }

private:
    COleRichEditCtrl* m_editor;  // before the box, which is made with it

public:
    CFindDlg m_dialog;
};

void COleRichEditCtrl::OpenFindBox(const CString& initial) {
    if (m_findBox && !m_bFindBoxClosed && m_findBox->m_dialog.GetSafeHwnd()) {
        ::SetForegroundWindow(m_findBox->m_dialog.GetSafeHwnd());
        return;
    }
    m_findBox = std::make_unique<CFindBox>(this, initial);
    m_bFindBoxClosed = FALSE;
    if (!m_findBox->m_dialog.CreateAndShow()) m_findBox.reset();
}

CWnd* COleRichEditCtrl::GetFindBox() {
    return m_findBox && !m_bFindBoxClosed && m_findBox->m_dialog.GetSafeHwnd() ? &m_findBox->m_dialog : nullptr;
}

// ---- The shared OLE callback ----

namespace {
COleRichEditCtrl::IExRichEditOleCallback* g_pOleCallback = nullptr;
}

COleRichEditCtrl::IExRichEditOleCallback::IExRichEditOleCallback() {
    HRESULT hr = StgCreateDocfile(nullptr,
                                  STGM_TRANSACTED | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE |
                                      STGM_DELETEONRELEASE,
                                  0, &m_pStorage);
    if (FAILED(hr)) m_pStorage = nullptr;
}

COleRichEditCtrl::IExRichEditOleCallback::~IExRichEditOleCallback() {
    if (!m_pStorage) return;
    for (int i = 1; i <= m_nStorageCount; ++i) {
        wchar_t name[32];
        wsprintfW(name, L"REOLEStorage%d", i);
        m_pStorage->DestroyElement(name);
    }
    m_pStorage->Commit(STGC_DEFAULT);
    m_pStorage->Release();
}

HRESULT COleRichEditCtrl::IExRichEditOleCallback::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IRichEditOleCallback) {
        *object = static_cast<IRichEditOleCallback*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG COleRichEditCtrl::IExRichEditOleCallback::AddRef() { return (ULONG)InterlockedIncrement(&m_nRefCount); }

ULONG COleRichEditCtrl::IExRichEditOleCallback::Release() {
    LONG n = InterlockedDecrement(&m_nRefCount);
    if (n == 0) {
        if (g_pOleCallback == this) g_pOleCallback = nullptr;
        delete this;
    }
    return (ULONG)n;
}

HRESULT COleRichEditCtrl::IExRichEditOleCallback::GetNewStorage(LPSTORAGE* storage) {
    // A failure is reported to the control as an error code: an exception
    // must not cross the control's boundary.
    if (!storage) return E_POINTER;
    *storage = nullptr;
    if (!m_pStorage) return E_FAIL;
    ++m_nStorageCount;
    wchar_t name[32];
    wsprintfW(name, L"REOLEStorage%d", m_nStorageCount);
    HRESULT hr = m_pStorage->CreateStorage(name, STGM_TRANSACTED | STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE,
                                           0, 0, storage);
    return FAILED(hr) ? hr : S_OK;
}

void EnsureOleCallback() {
    if (g_pOleCallback) return;
    g_pOleCallback = new COleRichEditCtrl::IExRichEditOleCallback();
    // The program keeps one reference until it ends.
    g_pOleCallback->AddRef();
}

COleRichEditCtrl::IExRichEditOleCallback* COleRichEditCtrl::GetSharedCallback() {
    EnsureOleCallback();
    return g_pOleCallback;
}

// ---- Creation ----

COleRichEditCtrl::COleRichEditCtrl() {
    memset(&m_cf, 0, sizeof m_cf);
    m_cf.cbSize = sizeof(CHARFORMATW);
    memset(&m_cf2, 0, sizeof m_cf2);
    m_cf2.cbSize = sizeof(CHARFORMAT2W);
    memset(&m_pf, 0, sizeof m_pf);
    m_pf.cbSize = sizeof(PARAFORMAT);
}

COleRichEditCtrl::~COleRichEditCtrl() {
    m_findBox.reset();
    if (m_hWnd) DestroyWindow();
}

BOOL COleRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CRichEditCtrl20::Create(style, rect, parent, id)) return FALSE;
    return TRUE;
}

int COleRichEditCtrl::OnCreate(LPCREATESTRUCT) {
    int result = (int)Default();
    if (result == -1) return -1;
    // Automatic font switching would change the face of Korean text.
    LRESULT options = SendMessage(EM_GETLANGOPTIONS);
    SendMessage(EM_SETLANGOPTIONS, 0, options & ~IMF_AUTOFONT);
    int limit = g_Settings.General.MaxMemoSize > 32766 ? g_Settings.General.MaxMemoSize : 32767;
    SendMessage(EM_EXLIMITTEXT, 0, limit);
    AttachCallback();
    return result;
}

void COleRichEditCtrl::AttachCallback() {
    if (m_bCallbackSet) return;
    IExRichEditOleCallback* callback = GetSharedCallback();
    if (callback && callback->IsReady() && SendMessage(EM_SETOLECALLBACK, 0, (LPARAM)callback))
        m_bCallbackSet = TRUE;
}

// ---- Streaming ----

namespace {

struct StreamBuffer {
    const BYTE* data;
    size_t size;
    size_t pos;
};

DWORD CALLBACK ReadFromBuffer(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* done) {
    StreamBuffer* in = (StreamBuffer*)cookie;
    size_t n = std::min<size_t>((size_t)wanted, in->size - in->pos);
    memcpy(buffer, in->data + in->pos, n);
    in->pos += n;
    *done = (LONG)n;
    return 0;
}

DWORD CALLBACK WriteToVector(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* done) {
    std::vector<BYTE>* out = (std::vector<BYTE>*)cookie;
    // Grows in steps of 1024 bytes, as a memory file would.
    if (out->capacity() < out->size() + (size_t)count) out->reserve(((out->size() + count) / 1024 + 1) * 1024);
    out->insert(out->end(), buffer, buffer + count);
    *done = count;
    return 0;
}

}  // namespace

BOOL COleRichEditCtrl::StreamIn(const BYTE* bytes, size_t length, DWORD flags) {
    // Groups nested deeper than any note overflow the control's stack.
    if ((flags & SF_RTF) && !IsRtfDepthSafe(bytes, length)) return FALSE;
    StreamBuffer in = {bytes, length, 0};
    EDITSTREAM es = {(DWORD_PTR)&in, 0, ReadFromBuffer};
    SendMessage(EM_STREAMIN, flags, (LPARAM)&es);
    return es.dwError == 0;
}

BOOL COleRichEditCtrl::LoadFromFile(const CString& path) {
    // A file larger than any note is damaged: it shows as a note that could
    // not be opened, which is never written over.
    std::vector<BYTE> bytes;
    if (!CSafeFileWriter::ReadFile(path, bytes, CSafeFileWriter::MaxNoteFileBytes)) {
        if (CSafeFileWriter::FileExists(path)) ShowOpenFailure(path);
        return FALSE;
    }
    // An empty file is an empty note; the control takes no stream of nothing.
    if (bytes.empty()) {
        SetWindowText(L"");
        return TRUE;
    }
    return StreamIn(bytes.data(), bytes.size(), SF_RTF);
}

BOOL COleRichEditCtrl::LoadFromBuffer(const BYTE* bytes, size_t length) { return StreamIn(bytes, length, SF_RTF); }

void COleRichEditCtrl::ClearText() { StreamIn(nullptr, 0, SF_RTF); }

BOOL COleRichEditCtrl::InsertRtf(const char* rtf) {
    return StreamIn((const BYTE*)rtf, strlen(rtf), SF_RTF | SFF_SELECTION);
}

BOOL COleRichEditCtrl::GetRtf(std::vector<BYTE>& rtf) {
    rtf.clear();
    EDITSTREAM es = {(DWORD_PTR)&rtf, 0, WriteToVector};
    SendMessage(EM_STREAMOUT, SF_RTF, (LPARAM)&es);
    return es.dwError == 0;
}

BOOL COleRichEditCtrl::SaveToFile(const CString& path) {
    SetModify(FALSE);
    if (m_bOpenFailed) return FALSE;
    std::vector<BYTE> rtf;
    if (!GetRtf(rtf)) return FALSE;
    return CSafeFileWriter::WriteFile(path, rtf);
}

void COleRichEditCtrl::ShowOpenFailure(const CString& path) {
    m_bOpenFailed = TRUE;
    CString text;
    text.Format(L"Failed to open Memo \n[ %s ]", (LPCTSTR)path);
    // Written straight into the control: the user's clipboard stays as it
    // was and a Korean path is not cut by a code page.
    SetReadOnly(FALSE);
    SetWindowText(L"");
    ReplaceSel(text, FALSE);
    SetReadOnly(TRUE);
    m_bEditable = FALSE;
    EnableWindow(FALSE);
}

BOOL COleRichEditCtrl::InsertPicture(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return FALSE;
    HDC screen = ::GetDC(nullptr);
    int dpiX = GetDeviceCaps(screen, LOGPIXELSX), dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    // The metafile's frame is in hundredths of a millimetre.
    RECT frame = {0, 0, MulDiv(info.bmWidth, 2540, dpiX), MulDiv(info.bmHeight, 2540, dpiY)};
    HDC meta = CreateEnhMetaFileW(screen, nullptr, &frame, nullptr);
    ::ReleaseDC(nullptr, screen);
    if (!meta) return FALSE;
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, bitmap);
    BitBlt(meta, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    HENHMETAFILE emf = CloseEnhMetaFile(meta);
    if (!emf) return FALSE;
    UINT size = GetEnhMetaFileBits(emf, 0, nullptr);
    std::vector<BYTE> bits(size);
    GetEnhMetaFileBits(emf, size, bits.data());
    DeleteEnhMetaFile(emf);

    CStringA rtf;
    rtf.Format("{\\rtf1{\\pict\\emfblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d ", (int)frame.right,
               (int)frame.bottom, MulDiv(info.bmWidth, 1440, dpiX), MulDiv(info.bmHeight, 1440, dpiY));
    static const char hex[] = "0123456789abcdef";
    std::string body;
    body.reserve(bits.size() * 2 + bits.size() / 64 + 4);
    for (size_t i = 0; i < bits.size(); ++i) {
        body.push_back(hex[bits[i] >> 4]);
        body.push_back(hex[bits[i] & 15]);
        if (i % 64 == 63) body.push_back('\n');
    }
    std::string all = std::string((const char*)rtf) + body + "}}";
    return InsertRtf(all.c_str());
}

void COleRichEditCtrl::SetEditable(BOOL on) {
    m_bEditable = on;
    SetReadOnly(!on);
}

// ---- Formatting ----

void COleRichEditCtrl::ReadSelectionFormat() {
    m_cf.cbSize = sizeof(CHARFORMATW);
    SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&m_cf);
}

void COleRichEditCtrl::ToggleEffect(DWORD mask, DWORD effect) {
    ReadSelectionFormat();
    bool uniform = (m_cf.dwMask & mask) != 0;
    bool present = (m_cf.dwEffects & effect) != 0;
    CHARFORMATW cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = mask;
    cf.dwEffects = NoteLogic::ToggledEffect(uniform, present) ? effect : 0;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

BOOL COleRichEditCtrl::HasEffect(DWORD effect) {
    ReadSelectionFormat();
    return (m_cf.dwEffects & effect) != 0;
}

void COleRichEditCtrl::SetSize(int size) {
    CHARFORMATW cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_SIZE;
    cf.yHeight = size * NoteLogic::TwipsPerSizeUnit;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

int COleRichEditCtrl::GetSize() {
    ReadSelectionFormat();
    return NoteLogic::SizeFromTwips(m_cf.yHeight);
}

void COleRichEditCtrl::GrowSize() {
    int next = 0;
    if (NoteLogic::GrowSize(GetSize(), next)) SetSize(next);
}

void COleRichEditCtrl::ShrinkSize() {
    int next = 0;
    if (NoteLogic::ShrinkSize(GetSize(), next)) SetSize(next);
}

void COleRichEditCtrl::SetColor(COLORREF color) {
    CHARFORMATW cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_COLOR;
    cf.dwEffects = 0;  // no automatic colour
    cf.crTextColor = color;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

COLORREF COleRichEditCtrl::GetColor() {
    ReadSelectionFormat();
    return (m_cf.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : m_cf.crTextColor;
}

void COleRichEditCtrl::SetFaceName(const CString& face) {
    ReadSelectionFormat();
    lstrcpynW(m_cf.szFaceName, face, LF_FACESIZE);
    m_cf.dwMask |= CFM_FACE;
    CHARFORMATW cf = m_cf;
    cf.dwMask = CFM_FACE;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

CString COleRichEditCtrl::GetFaceName() {
    ReadSelectionFormat();
    return CString(m_cf.szFaceName);
}

void COleRichEditCtrl::SetHighlight(COLORREF color) {
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_BACKCOLOR;
    cf.dwEffects = 0;
    cf.crBackColor = color;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

void COleRichEditCtrl::ClearHighlight() {
    CHARFORMAT2W cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_BACKCOLOR;
    cf.dwEffects = CFE_AUTOBACKCOLOR;
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

COLORREF COleRichEditCtrl::GetHighlight() {
    m_cf2.cbSize = sizeof(CHARFORMAT2W);
    SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&m_cf2);
    return (m_cf2.dwEffects & CFE_AUTOBACKCOLOR) ? GetSysColor(COLOR_WINDOW) : m_cf2.crBackColor;
}

void COleRichEditCtrl::SetAlignment(WORD alignment) {
    PARAFORMAT pf = {};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_ALIGNMENT;
    pf.wAlignment = alignment;
    SendMessage(EM_SETPARAFORMAT, 0, (LPARAM)&pf);
}

WORD COleRichEditCtrl::GetAlignment() {
    m_pf.cbSize = sizeof(PARAFORMAT);
    SendMessage(EM_GETPARAFORMAT, 0, (LPARAM)&m_pf);
    return m_pf.wAlignment;
}

BOOL COleRichEditCtrl::HasBullets() {
    m_pf.cbSize = sizeof(PARAFORMAT);
    SendMessage(EM_GETPARAFORMAT, 0, (LPARAM)&m_pf);
    return m_pf.wNumbering == PFN_BULLET;
}

void COleRichEditCtrl::ToggleBullets() {
    m_pf.cbSize = sizeof(PARAFORMAT);
    SendMessage(EM_GETPARAFORMAT, 0, (LPARAM)&m_pf);
    PARAFORMAT pf = m_pf;
    if (pf.wNumbering == PFN_BULLET) {
        pf.dwMask = PFM_NUMBERING | PFM_STARTINDENT | PFM_OFFSET;
        pf.wNumbering = 0;
        pf.dxStartIndent = 0;
        pf.dxOffset = 0;
    } else {
        pf.dwMask = PFM_NUMBERING;
        pf.wNumbering = PFN_BULLET;
        if (pf.dxOffset == 0) {
            pf.dwMask |= PFM_OFFSET;
            pf.dxOffset = 4;
        }
    }
    SendMessage(EM_SETPARAFORMAT, 0, (LPARAM)&pf);
}

void COleRichEditCtrl::SetTypingFormat(BOOL bold, BOOL italic, BOOL underline, COLORREF color, int size,
                                       const CString& face) {
    CHARFORMATW cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_COLOR | CFM_SIZE | CFM_FACE;
    cf.dwEffects = (bold ? CFE_BOLD : 0) | (italic ? CFE_ITALIC : 0) | (underline ? CFE_UNDERLINE : 0);
    cf.crTextColor = color;
    cf.yHeight = size * NoteLogic::TwipsPerSizeUnit;
    lstrcpynW(cf.szFaceName, face, LF_FACESIZE);
    SendMessage(EM_SETCHARFORMAT, SCF_SELECTION, (LPARAM)&cf);
}

void COleRichEditCtrl::SetDefaultFormat(const CString& face) {
    CHARFORMATW cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_SIZE | CFM_COLOR | CFM_FACE | CFM_CHARSET;
    cf.dwEffects = CFE_AUTOCOLOR;
    cf.yHeight = 180;
    cf.bCharSet = 0;
    // Variable pitch, so that a face this computer lacks is stood in for by
    // a proportional sans face and never by a typewriter one.
    cf.bPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lstrcpynW(cf.szFaceName, face, LF_FACESIZE);
    SendMessage(EM_SETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
}

// ---- Find ----

BOOL COleRichEditCtrl::FindWithOptions(const CString& text, DWORD flags) {
    if (text.IsEmpty()) return FALSE;
    CHARRANGE sel;
    GetSel(sel);
    bool down = (flags & FR_DOWN) != 0;
    bool hasSelection = sel.cpMin != sel.cpMax;
    long length = GetTextLengthEx();
    FINDTEXTEXW find = {};
    if (down) {
        find.chrg.cpMin = hasSelection ? sel.cpMax : 0;
        find.chrg.cpMax = -1;
    } else {
        find.chrg.cpMin = hasSelection ? sel.cpMin : length;
        find.chrg.cpMax = 0;
    }
    find.lpstrText = text;
    LONG at = (LONG)SendMessage(EM_FINDTEXTEXW, flags & (FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE), (LPARAM)&find);
    if (at < 0) return FALSE;
    int line = LineFromChar(at) - GetFirstVisibleLine();
    if (line > 0) LineScroll(line);
    SetSel(find.chrgText.cpMin, find.chrgText.cpMax);
    return TRUE;
}

// ---- Commands ----

void COleRichEditCtrl::InsertTextDirect(const CString& text) {
    // Into the control at the caret, undoable, without the clipboard.
    ReplaceSel(text, TRUE);
}

BOOL COleRichEditCtrl::ExecuteCommand(UINT id) {
    switch (id) {
    case ID_EDIT_UNDO_CMD: SendMessage(EM_UNDO); return TRUE;
    case ID_EDIT_REDO_CMD:
        if (m_nVersion > 1) SendMessage(EM_REDO);
        return TRUE;
    case ID_EDIT_CUT_CMD: SendMessage(WM_CUT); return TRUE;
    case ID_EDIT_COPY_CMD: SendMessage(WM_COPY); return TRUE;
    case ID_EDIT_PASTE_CMD: Paste(); return TRUE;
    case ID_EDIT_ALIGN_LEFT: AlignLeft(); return TRUE;
    case ID_EDIT_ALIGN_CENTER: AlignCenter(); return TRUE;
    case ID_EDIT_ALIGN_RIGHT: AlignRight(); return TRUE;
    case ID_EDIT_STRIKEOUT: ToggleStrikeOut(); return TRUE;
    case ID_EDIT_BULLETS: ToggleBullets(); return TRUE;
    case ID_EDIT_SHRINK: ShrinkSize(); return TRUE;
    case ID_EDIT_GROW: GrowSize(); return TRUE;
    case ID_EDIT_TEXT_COLOR: {
        COLORREF color = GetColor();
        if (s_chooseColor && s_chooseColor(this, color)) SetColor(color);
        return TRUE;
    }
    case ID_EDIT_HIGHLIGHT: {
        COLORREF color = GetHighlight();
        if (s_chooseColor && s_chooseColor(this, color)) {
            SetHighlight(color);
            g_Settings.General.LastMemoBackColor = color;
        }
        return TRUE;
    }
    case ID_EDIT_FIND_DIALOG: {
        if (CWnd* box = GetFindBox()) {
            ::SetForegroundWindow(box->GetSafeHwnd());
            return TRUE;
        }
        CHARRANGE sel;
        GetSel(sel);
        if (s_openFind) s_openFind(this, GetTextRange(sel.cpMin, sel.cpMax));
        return TRUE;
    }
    default: break;
    }
    if (id >= ID_EDIT_MACRO_FIRST && id <= ID_EDIT_MACRO_LAST) {
        size_t n = id - ID_EDIT_MACRO_FIRST;
        if (n < m_macros.size() && m_bEditable) InsertTextDirect(m_macros[n]);
        return TRUE;
    }
    return FALSE;
}

void COleRichEditCtrl::Paste() {
    if (!m_bEditable) return;
    // A bare bitmap would be refused by the control: it goes in as a
    // metafile picture instead.
    bool richOrText = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_ENHMETAFILE) ||
                      IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Rich Text Format"));
    if (!richOrText && IsClipboardFormatAvailable(CF_BITMAP) && OpenClipboard()) {
        HBITMAP clip = (HBITMAP)GetClipboardData(CF_BITMAP);
        HBITMAP copy = clip ? (HBITMAP)CopyImage(clip, IMAGE_BITMAP, 0, 0, 0) : nullptr;
        CloseClipboard();
        if (copy) {
            InsertPicture(copy);
            DeleteObject(copy);
            return;
        }
    }
    if (SendMessage(EM_CANPASTE, 0, 0)) SendMessage(EM_PASTESPECIAL, 0, 0);
}

BOOL COleRichEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (ExecuteCommand(LOWORD(wParam))) return TRUE;
    return CRichEditCtrl20::OnCommand(wParam, lParam);
}

const std::vector<CString>& COleRichEditCtrl::BuildMacroMenu(CMenu* submenu) {
    if (submenu) ::RemoveMenu(submenu->GetSafeHmenu(), ID_EDIT_MACRO_FIRST, MF_BYCOMMAND);
    m_macros = NoteLogic::BuildMacroList(s_macroSource, s_clock(), g_LanguageTable);
    if (submenu) {
        for (size_t n = 0; n < m_macros.size(); ++n)
            ::AppendMenuW(submenu->GetSafeHmenu(), MF_STRING, ID_EDIT_MACRO_FIRST + n, m_macros[n]);
    }
    return m_macros;
}

// ---- Keys and mouse ----

BOOL COleRichEditCtrl::HandleKey(UINT key, BOOL ctrl, BOOL shift) {
    CWnd* parent = GetParent();
    if (key == VK_ESCAPE) {
        if (parent) parent->SendMessage(WM_COMMAND, shift ? ID_HIDE_OTHER_WIDGETS : (UINT)ID_MEMO_FOLD, 0);
        return TRUE;
    }
    if (key == VK_F3) {
        CHARRANGE sel;
        GetSel(sel);
        if (sel.cpMin != sel.cpMax) FindWithOptions(GetTextRange(sel.cpMin, sel.cpMax), shift ? 0 : FR_DOWN);
        return TRUE;
    }
    if (!ctrl) return FALSE;
    switch (key) {
    case 'A': SetSel(0, -1); return TRUE;
    case 'B': ToggleBold(); return TRUE;
    case 'I': ToggleItalic(); return TRUE;
    case 'U': ToggleUnderline(); return TRUE;
    case 'N': ToggleStrikeOut(); return TRUE;
    case 'L': AlignLeft(); return TRUE;
    case 'E': AlignCenter(); return TRUE;
    case 'R': AlignRight(); return TRUE;
    case 'K': ToggleBullets(); return TRUE;
    case 'P': ExecuteCommand(ID_EDIT_TEXT_COLOR); return TRUE;
    case 'G': SetHighlight(g_Settings.General.LastMemoBackColor); return TRUE;
    case 'H': ClearHighlight(); return TRUE;
    case 'F': ExecuteCommand(ID_EDIT_FIND_DIALOG); return TRUE;
    case 'D': return TRUE;
    case 'V': Paste(); return TRUE;
    case VK_OEM_COMMA: ShrinkSize(); return TRUE;
    case VK_OEM_PERIOD: GrowSize(); return TRUE;
    default: return FALSE;
    }
}

void COleRichEditCtrl::OnKeyDown(UINT key, UINT, UINT) {
    BOOL ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    BOOL shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (HandleKey(key, ctrl, shift)) return;
    Default();
}

void COleRichEditCtrl::OnChar(UINT ch, UINT, UINT) {
    if (ch == L'\t' && (GetKeyState(VK_CONTROL) & 0x8000)) return;
    Default();
}

BOOL COleRichEditCtrl::OnMouseWheel(UINT, short delta, CPoint) {
    if (!m_bEditable) return TRUE;
    int lines = std::max(1, std::min(10, g_Settings.General.MemoScrollSize));
    LineScroll(delta < 0 ? lines : -lines);
    return TRUE;
}

void COleRichEditCtrl::OnLButtonDblClk(UINT, CPoint) {
    if (m_bEditable) Default();
}

void COleRichEditCtrl::OnLButtonDown(UINT flags, CPoint point) {
    if ((flags & MK_CONTROL) && m_bEditable) {
        POINTL pt = {point.x, point.y};
        long pos = (long)SendMessage(EM_CHARFROMPOS, 0, (LPARAM)&pt);
        long from = std::max(0L, pos - 100);
        long to = std::min(GetTextLengthEx(), pos + 100);
        CString around = GetTextRange(from, to);
        int start = 0, end = 0;
        NoteLogic::WordRangeAt(around, (int)(pos - from), start, end);
        SetSel(from + start, from + end);
        CString word = around.Mid(start, end - start);
        if (!word.IsEmpty() && s_openLink) s_openLink(word);
    }
    Default();
}

void COleRichEditCtrl::OnRButtonDown(UINT, CPoint point) {
    if (!m_bEditable) return;
    CMenu menu;
    menu.CreatePopupMenu();
    CMenu macros;
    macros.CreatePopupMenu();
    ::AppendMenuW(macros, MF_STRING, ID_EDIT_MACRO_FIRST, L"");
    BuildMacroMenu(&macros);
    CHARRANGE sel;
    GetSel(sel);
    auto add = [&menu](UINT id, int text, bool grey = false, bool check = false) {
        ::AppendMenuW(menu, MF_STRING | (grey ? MF_GRAYED : 0) | (check ? MF_CHECKED : 0), id,
                      g_LanguageTable[text]);
    };
    auto separator = [&menu] { ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); };
    WORD alignment = GetAlignment();
    add(ID_EDIT_UNDO_CMD, IDS_EDIT_UNDO, !CanUndo());                         // 0
    add(ID_EDIT_REDO_CMD, IDS_EDIT_REDO, m_nVersion == 1 || !CanRedo());      // 1
    separator();                                                               // 2
    ::AppendMenuW(menu, MF_POPUP, (UINT_PTR)macros.Detach(), g_LanguageTable[IDS_EDIT_MACRO]);  // 3
    separator();
    add(ID_EDIT_CUT_CMD, IDS_EDIT_CUT);                                        // 5
    add(ID_EDIT_COPY_CMD, IDS_EDIT_COPY);
    add(ID_EDIT_PASTE_CMD, IDS_EDIT_PASTE);
    separator();
    add(ID_EDIT_TEXT_COLOR, IDS_EDIT_TEXT_COLOR);                              // 9
    add(ID_EDIT_HIGHLIGHT, IDS_EDIT_HIGHLIGHT);
    separator();
    add(ID_EDIT_SHRINK, IDS_EDIT_SMALLER);                                     // 12
    add(ID_EDIT_GROW, IDS_EDIT_LARGER);
    separator();
    add(ID_EDIT_ALIGN_LEFT, IDS_EDIT_LEFT, false, alignment == PFA_LEFT);      // 15
    add(ID_EDIT_ALIGN_CENTER, IDS_EDIT_CENTER, false, alignment == PFA_CENTER);
    add(ID_EDIT_ALIGN_RIGHT, IDS_EDIT_RIGHT, false, alignment == PFA_RIGHT);
    separator();
    add(ID_EDIT_BULLETS, IDS_EDIT_BULLETS, false, HasBullets() != FALSE);      // 19
    add(ID_EDIT_STRIKEOUT, IDS_EDIT_STRIKEOUT, false, IsStrikeOut() != FALSE);
    separator();
    add(ID_EDIT_FIND_DIALOG, IDS_EDIT_FIND);                                          // 22
    CPoint screen = point;
    ClientToScreen(&screen);
    UINT id = (UINT)::TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_hWnd, nullptr);
    if (id) ExecuteCommand(id);
    Default();
}

LRESULT COleRichEditCtrl::OnNcHitTest(CPoint) {
    LRESULT hit = Default();
    return m_hitTest ? m_hitTest(hit) : hit;
}
