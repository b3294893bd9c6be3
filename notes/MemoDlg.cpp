#include "notes/MemoDlg.h"

#include "notes/NoteHost.h"
#include "notes/NoteIds.h"
#include "notes/NoteTemplates.h"
#include "notes/StyleBar.h"
#include "notes/TitleBar.h"
#include "notes/MemoTitleInputDlg.h"
#include "shell/ColorUtil.h"
#include "shell/LanguageTable.h"
#include "shell/SafeFileWriter.h"
#include "shell/SafePath.h"
#include "shell/Settings.h"
#include "ui/FloatingOptions.h"
#include "ui/PaintBuffer.h"
#include "ui/UiIds.h"

#include <algorithm>
#include <map>
#include <vector>
#include <commdlg.h>
#include <shellapi.h>

BEGIN_MESSAGE_MAP(CMemoDlg, CZDialog)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_GETMINMAXINFO()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCHITTEST()
    ON_WM_NCACTIVATE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCRBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_TIMER()
END_MESSAGE_MAP()

INoteHost* CMemoDlg::s_pHost = nullptr;

std::function<void(bool&, bool&, bool&)> CMemoDlg::s_readModifiers = [](bool& shift, bool& ctrl, bool& alt) {
    shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    alt = (GetKeyState(VK_MENU) & 0x8000) != 0;
};

namespace {

CLockedMemoFile& LockedFile() {
    static CMemoCipher cipher;
    static CLockedMemoFile file(cipher, GetNoteLockKeys());
    return file;
}

SYSTEMTIME Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}

bool IsCtrlDown() { return (GetKeyState(VK_CONTROL) & 0x8000) != 0; }
bool IsShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

HFONT g_hSharedFont = nullptr;
HDC g_hSharedDC = nullptr;

int ContractDX() { return std::max(40, g_Settings.General.ContractDX); }

// The frame and headline of a note whose file could not be read.
const COLORREF kDamagedMarkColor = RGB(200, 30, 30);

}  // namespace

void CreateSharedMemoFont() {
    if (g_hSharedFont) return;
    LOGFONTW lf = {};
    lf.lfHeight = g_Settings.DefaultFontSize ? g_Settings.DefaultFontSize : 12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = 2;
    lf.lfClipPrecision = 1;
    CString face = g_Settings.DefaultFontFace.IsEmpty() ? CString(L"Tahoma") : g_Settings.DefaultFontFace;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    g_hSharedFont = CreateFontIndirectW(&lf);
    g_hSharedDC = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
}

void FreeSharedMemoFont() {
    if (g_hSharedFont) DeleteObject(g_hSharedFont);
    if (g_hSharedDC) DeleteDC(g_hSharedDC);
    g_hSharedFont = nullptr;
    g_hSharedDC = nullptr;
}

HFONT GetSharedMemoFont() {
    CreateSharedMemoFont();
    return g_hSharedFont;
}

// ---- Creation ----

CMemoDlg::CMemoDlg(CWnd* parent)
    : CZDialog(IDD_MEMO, parent), m_store(m_info, g_Settings.MemoFolder, LockedFile(), Now) {
    m_info.m_pWindow = this;
}

CMemoDlg::~CMemoDlg() {}

namespace {

// The extended template at data with its font left out; empty when it is
// not an extended template, has no font or holds controls.
std::vector<BYTE> WithoutFont(const BYTE* data) {
    const size_t kFixed = 26;  // version, signature, help id, styles, count, x, y, cx, cy
    WORD version, signature, count;
    DWORD style;
    memcpy(&version, data, 2);
    memcpy(&signature, data + 2, 2);
    memcpy(&style, data + 12, 4);
    memcpy(&count, data + 16, 2);
    if (version != 1 || signature != 0xFFFF || !(style & DS_SETFONT) || count != 0) return {};
    const BYTE* p = data + kFixed;
    // The menu and the class (a name or 0xFFFF and a number), then the
    // caption; a name longer than any of ours leaves the template as it is.
    auto skipNameOrNumber = [&p] {
        WORD c;
        memcpy(&c, p, 2);
        if (c == 0xFFFF) {
            p += 4;
            return true;
        }
        for (int i = 0; i < 256; ++i) {
            memcpy(&c, p, 2);
            p += 2;
            if (!c) return true;
        }
        return false;
    };
    if (!skipNameOrNumber() || !skipNameOrNumber() || !skipNameOrNumber()) return {};
    std::vector<BYTE> copy(data, p);
    copy.resize((copy.size() + 3) & ~size_t(3), 0);
    style &= ~(DWORD)DS_SETFONT;
    memcpy(&copy[12], &style, 4);
    return copy;
}

}  // namespace

LPCDLGTEMPLATE CMemoDlg::WindowTemplate(UINT templateId) {
    static std::map<UINT, std::vector<BYTE>> copies;
    LPCDLGTEMPLATE original = GetNoteTemplate(templateId);
    if (!original) return nullptr;
    auto found = copies.find(templateId);
    if (found == copies.end())
        found = copies.emplace(templateId, WithoutFont(reinterpret_cast<const BYTE*>(original))).first;
    return found->second.empty() ? original : reinterpret_cast<LPCDLGTEMPLATE>(found->second.data());
}

BOOL CMemoDlg::CreateWindowFromTemplate(UINT templateId, CWnd* parent) {
    return CreateIndirect(WindowTemplate(templateId), parent);
}

BOOL CMemoDlg::OnInitDialog() {
    CZDialog::OnInitDialog();
    // A loaded note gets its alpha once its fold state is set.
    if (GetFloatingOptions().PlatformNT && !m_bLoading)
        SetLayeredAlpha(0, (BYTE)g_Settings.General.MaxTransVal, LWA_ALPHA);
    // An unfolded note goes to its place before its editor is made, so the
    // editor is made at its own place and size instead of moved there.
    if (m_bLoading && m_bPlaceFirst)
        ::SetWindowPos(m_hWnd, nullptr, m_rcLoading.left, m_rcLoading.top, m_rcLoading.Width(), m_rcLoading.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    GetWindowRect(&m_info.m_rcWindow);
    GetClientRect(&m_rcClient);
    m_rcTitle = CRect(0, 0, m_rcClient.Width(), NoteLogic::TitleStripHeight);
    m_rcEdit = CRect(m_rcClient.left + 5, m_rcClient.top + 21, m_rcClient.right - 5, m_rcClient.bottom - 5);
    m_rcEditPlaced = m_rcEdit;
    // A note loaded folded under its title or locked hides its editor: it
    // is made hidden rather than shown and hidden again. One whose text is
    // left unread gets its editor with the text.
    if (!m_bEditorDeferred) MakeEditor(!m_bEditorStartsHidden);
    SetFoldedButtonImages();
    SetWindowText(L"");
    m_bMouseOverHiding = g_Settings.General.MouseOverHiding;
    m_bCreated = TRUE;
    if (m_edit.m_hWnd && !(s_pHost && s_pHost->IsCreatingAllMemos())) m_edit.SetFocus();
    return FALSE;
}

void CMemoDlg::MakeEditor(bool visible) {
    if (m_edit.m_hWnd || !m_hWnd) return;
    DWORD style =
        WS_CHILD | (visible ? WS_VISIBLE : 0) | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
    if (g_Settings.General.ScrollMode > 0) style |= WS_VSCROLL;
    m_edit.Create(style, m_rcEditPlaced, this, IDC_MEMO_EDIT);
    m_edit.SetBackgroundColor(m_info.m_crBackground);
    m_edit.SetAutoURLDetect(TRUE);
    m_edit.SetEventMask(ENM_LINK | ENM_REQUESTRESIZE | ENM_SELCHANGE | ENM_SCROLL | ENM_CHANGE);
    m_edit.SendMessage(EM_HIDESELECTION, FALSE, 0);
    CString face = g_Settings.General.FontName.IsEmpty() ? CString(L"Tahoma") : g_Settings.General.FontName;
    m_edit.SetDefaultFormat(face);
    m_edit.m_hitTest = [this](LRESULT hit) -> LRESULT {
        if (!m_nActive) return HTTRANSPARENT;
        if (g_Settings.General.MouseOverHiding) {
            if (::GetFocus() == m_edit.m_hWnd && IsExpanded()) return hit;
            if (!IsCtrlDown()) return HTTRANSPARENT;
        }
        return m_edit.IsEditable() ? hit : HTTRANSPARENT;
    };
}

int CMemoDlg::OnCreate(LPCREATESTRUCT cs) { return CZDialog::OnCreate(cs) == -1 ? -1 : 0; }

// The title bar is made when the note first shows expanded: a folded note
// never needs it until it unfolds. While a group opens the note paints the
// bar itself; its window comes with the buttons' (MakeButtonWindows).
void CMemoDlg::EnsureTitleBar() {
    if (m_pTitleBar || !m_hWnd) return;
    m_pTitleBar.reset(new CTitleBar(this));
    m_pTitleBar->SetPinned(m_info.m_nLevel == 1);
    m_pTitleBar->SetLocked(IsLocked());
    m_pTitleBar->SetStyleChecked(m_pStyleBar != nullptr);
    ApplyTitleBarColor();
    if (!(s_pHost && s_pHost->IsCreatingAllMemos())) MakeTitleBarWindow();
}

void CMemoDlg::MakeTitleBarWindow() {
    if (!m_pTitleBar || m_pTitleBar->m_hWnd || !m_hWnd) return;
    if (!m_pTitleBar->CreateBar()) return;
    CRect window;
    GetWindowRect(&window);
    m_pTitleBar->MoveWindow(0, 0, window.Width(), NoteLogic::TitleStripHeight);
    m_pTitleBar->ShowWindow(m_bTitleBarShown ? SW_SHOW : SW_HIDE);
}

void CMemoDlg::ShowTitleBar(bool show) {
    bool painted = m_pTitleBar && !m_pTitleBar->m_hWnd;
    if (show != m_bTitleBarShown && painted) Invalidate(FALSE);
    m_bTitleBarShown = show;
    if (m_pTitleBar && m_pTitleBar->m_hWnd) m_pTitleBar->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void CMemoDlg::MakeButtonWindows() {
    if (!m_hWnd) return;
    if (m_pTitleBar && IsExpanded()) {
        MakeTitleBarWindow();
        m_pTitleBar->MakeButtons();
    }
    if (m_btnUnfold.m_hWnd || IsExpanded()) return;
    m_btnUnfold.Create(L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 12, 11), this, IDC_FOLDED_UNFOLD);
    m_btnTitle.Create(L"BUTTON", L"", WS_CHILD | BS_OWNERDRAW, CRect(0, 0, 12, 11), this, IDC_FOLDED_TITLE);
    SetFoldedButtonImages();
    ShowFoldedButtons(m_bFoldedButtonsShown);
}

void CMemoDlg::ShowFoldedButtons(bool show) {
    bool changed = show != m_bFoldedButtonsShown;
    m_bFoldedButtonsShown = show;
    if (!m_btnUnfold.m_hWnd) {
        // Painted by the strip itself until their windows are made.
        if (changed) Invalidate(FALSE);
        return;
    }
    if (!show) {
        m_btnUnfold.ShowWindow(SW_HIDE);
        m_btnTitle.ShowWindow(SW_HIDE);
        return;
    }
    CPoint unfold = NoteLogic::UnfoldButtonPos(m_rcClient), title = NoteLogic::TitleButtonPos(m_rcClient);
    m_btnUnfold.SetWindowPos(nullptr, unfold.x, unfold.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    m_btnTitle.SetWindowPos(nullptr, title.x, title.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void CMemoDlg::SetFoldedButtonImages() {
    bool locked = IsLocked();
    m_btnUnfold.SetImageIndex(locked ? NBI_UNFOLD_LOCKED : NBI_UNFOLD);
    m_btnTitle.SetImageIndex(NBI_TITLE);
    if (m_pTitleBar) m_pTitleBar->SetLocked(locked);
}

BOOL CMemoDlg::CreateNew(UINT templateId, CWnd* parent) {
    if (!CreateWindowFromTemplate(templateId, parent)) return FALSE;
    if (IsExpanded()) EnsureTitleBar();
    CRect rect = s_pHost ? s_pHost->GetNewMemoRect() : CRect(100, 100, 100 + g_Settings.General.StartDX,
                                                               100 + g_Settings.General.StartDY);
    MoveWindow(&rect);
    SetLevel(g_Settings.General.MemoZPosition);
    m_info.m_rcWindow = rect;
    m_info.m_nExpandedWidth = rect.Width();
    m_info.m_nExpandedHeight = rect.Height();
    m_info.m_strFileName = MakeMemoFileNameAt(Now(), L".rtf", g_Settings.MemoFolder);
    m_info.m_strDate = GetNowDateText();
    m_info.m_pWindow = this;
    CString face = g_Settings.General.FontName.IsEmpty() ? CString(L"Tahoma") : g_Settings.General.FontName;
    m_edit.SetTypingFormat(g_Settings.General.Bold, g_Settings.General.Italic, g_Settings.General.UnderLine,
                           g_Settings.General.TextColor, g_Settings.General.TextSize > 0 ? g_Settings.General.TextSize : 10,
                           face);
    m_store.SetTextLoaded(true);
    int type = g_Settings.Color.RandomColor ? rand() % COLOR_TYPE_COUNT : g_Settings.General.DefaultColorType;
    SetColorType(type, TRUE);
    m_edit.SetModify(FALSE);
    return TRUE;
}

BOOL CMemoDlg::LoadMemo(UINT templateId, CWnd* parent, CMemoInfo* record) {
    // A record whose file name leads out of the memo folder or to a device
    // gets no window: it stays in its list untouched.
    if (!record || record->HasUnsafeFileName()) return FALSE;
    m_bLoading = TRUE;
    m_bEditorStartsHidden = record->m_bLocked || (!record->m_bExpanded && !record->m_strTitle.IsEmpty());
    // A note folded under its title shows no text: its file is read, and
    // its editor made, when the text is first needed.
    bool deferText = !record->m_bExpanded && !record->m_strTitle.IsEmpty() &&
                     !IsLockedMemoFileName(record->m_strFileName);
    m_bEditorDeferred = deferText;
    // Where an unfolded note will stand is known before its window is made.
    m_info.m_rcWindow = NoteLogic::RepairRect(record->m_rcWindow);
    m_rcLoading = KeepOnScreen(m_info.m_rcWindow);
    m_bPlaceFirst = record->m_bExpanded && !IsLockedMemoFileName(record->m_strFileName);
    BOOL created = CreateWindowFromTemplate(templateId, parent);
    m_bEditorStartsHidden = FALSE;
    m_bEditorDeferred = FALSE;
    m_bPlaceFirst = false;
    if (!created) {
        m_bLoading = FALSE;
        return FALSE;
    }
    m_info = *record;
    if (NoteLogic::ImportanceRunsReminder(m_info.m_nImportance))
        SetTimer(TIMER_MEMO_REMINDER, std::max(1, g_Settings.General.CheckInterval) * 60000);
    CRect rect = m_rcLoading;
    m_info.m_rcWindow = rect;
    if (m_info.m_nExpandedWidth <= 0) m_info.m_nExpandedWidth = rect.Width();
    if (m_info.m_nExpandedHeight <= 0) m_info.m_nExpandedHeight = rect.Height();
    BYTE fit = m_info.m_bFitHeight;
    m_info.m_bFitHeight = 0;
    if (deferText) {
        m_info.m_bLocked = 0;
        m_bTextDeferred = TRUE;
    } else {
        m_store.LoadForRecord(m_edit);
        if (m_store.IsOpenFailed()) ShowDamagedMarker();
    }
    if (IsLocked()) m_info.m_bExpanded = 0;
    SetFoldedButtonImages();
    m_info.m_bFitHeight = fit;
    // The window goes to its place once, folded or unfolded from the stored
    // rectangle: an unfolded note keeps that rectangle's size.
    if (IsExpanded()) {
        m_info.m_nExpandedWidth = rect.Width();
        m_info.m_nExpandedHeight = rect.Height();
    }
    m_rcLoading = rect;
    if (m_pTitleBar) m_pTitleBar->SetPinned(m_info.m_nLevel == 1);
    SetExpanded(m_info.m_bExpanded, TRUE);
    m_bLoading = FALSE;
    m_bMovable = !m_info.m_bPinned;
    SetTitleColor(m_info.m_crTitle);
    m_info.m_pWindow = this;
    record->m_pWindow = this;
    if (!IsLocked() && !m_bTextDeferred) {
        if (g_Settings.General.RestoreScrollPos && m_info.m_nFirstVisibleLine > 0) {
            m_edit.LineScroll(m_info.m_nFirstVisibleLine - m_edit.GetFirstVisibleLine());
            int start = m_edit.LineIndex(m_info.m_nFirstVisibleLine);
            m_edit.SetSel(start, start);
        }
        // A group that opens leaves the focus where the user has it.
        if (!(s_pHost && s_pHost->IsCreatingAllMemos())) m_edit.SetFocus();
    }
    // An unread note's editor gets these with its text.
    if (m_edit.m_hWnd) {
        m_edit.SetModify(FALSE);
        if (m_info.m_bReadOnly) m_edit.SetEditable(FALSE);
    }
    m_bChanged = 0;
    if (NoteLogic::ImportanceRunsReminder(m_info.m_nImportance)) SetTimer(TIMER_MEMO_FIRST_REMINDER, 5000);
    return TRUE;
}

void CMemoDlg::ShowReceived(const CString& geometry, const CString& title) {
    int x = 0, y = 0, w = 0, h = 0;
    swscanf(geometry, L"%d %d %d %d", &x, &y, &w, &h);
    m_info.m_strTitle = title;
    SetReminder(TRUE);
    SetLevel(1);
    w = std::max(w, g_Settings.General.StartDX);
    h = std::max(h, g_Settings.General.StartDY);
    m_info.m_nExpandedWidth = w;
    m_info.m_nExpandedHeight = h;
    CRect rect = KeepOnScreen(CRect(x, y, x + w, y + h));
    if (IsLocked()) {
        SetWindowPos(nullptr, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetExpanded(FALSE, TRUE);
    } else {
        MoveWindow(&rect);
    }
    FlashAttention(FALSE);
}

void CMemoDlg::PostNcDestroy() {
    if (m_pStyleBar && m_pStyleBar->m_hWnd) m_pStyleBar->DestroyWindow();
    if (m_edit.m_hWnd) m_edit.DestroyWindow();
    if (m_pTitleBar && m_pTitleBar->m_hWnd) m_pTitleBar->DestroyWindow();
    CZDialog::PostNcDestroy();
    // The window owns its object: the creator's reference goes with it.
    Release();
}

// ---- Geometry ----

void CMemoDlg::OnSize(UINT, int cx, int cy) {
    if (!m_bCreated) {
        Invalidate();
        return;
    }
    if (IsExpanded()) {
        CRect window;
        GetWindowRect(&window);
        m_info.m_nExpandedWidth = window.Width();
        m_info.m_nExpandedHeight = window.Height();
    }
    GetWindowRect(&m_info.m_rcWindow);
    m_rcClient = CRect(0, 0, cx, cy);
    LayoutControls();
    m_rcTitle = CRect(0, 0, cx, NoteLogic::TitleStripHeight);
    Invalidate(FALSE);
    if (m_pTitleBar && m_pTitleBar->m_hWnd) m_pTitleBar->MoveWindow(0, 0, cx, NoteLogic::TitleStripHeight);
    m_bChanged = 1;
}

void CMemoDlg::OnMove(int x, int y) {
    CZDialog::OnMove(x, y);
    GetWindowRect(&m_info.m_rcWindow);
    m_bChanged = 1;
    if (!IsExpanded() && s_pHost && s_pHost->GetMemoTipWindow() == this) s_pHost->MoveMemoTip();
}

void CMemoDlg::OnGetMinMaxInfo(MINMAXINFO* info) {
    info->ptMinTrackSize.x = g_Settings.MemoMinWidth > 0 ? g_Settings.MemoMinWidth : NoteLogic::MinTrackWidth;
    info->ptMinTrackSize.y = g_Settings.MemoMinHeight > 0 ? g_Settings.MemoMinHeight : NoteLogic::MinTrackHeight;
    if (!IsExpanded()) info->ptMinTrackSize = CPoint(1, 1);
}

void CMemoDlg::LayoutControls() {
    if (!m_bCreated) return;
    NoteLogic::LayoutInput in;
    in.client = m_rcClient;
    in.expanded = IsExpanded() != FALSE;
    in.styleBarOpen = m_pStyleBar && m_pStyleBar->m_hWnd;
    in.hasImportance = m_info.m_nImportance != 0;
    in.hasTitle = !m_info.m_strTitle.IsEmpty();
    in.contractDX = ContractDX();
    m_rcEdit = NoteLogic::EditorRect(in);
    if (in.expanded) {
        if (in.styleBarOpen) {
            CRect bar = NoteLogic::StyleBarRect(m_rcClient.Width());
            m_pStyleBar->MoveWindow(&bar);
            m_pStyleBar->SetBackColor(LightenColor(m_info.m_crTitle, 1.1f));
            m_pStyleBar->ShowWindow(SW_SHOW);
        }
        ShowFoldedButtons(false);
    } else {
        if (in.styleBarOpen) m_pStyleBar->ShowWindow(SW_HIDE);
        ShowFoldedButtons(true);
    }
    PlaceEditor(m_rcEdit);
    ClipFoldedEditor(!in.expanded);
}

void CMemoDlg::PlaceEditor(const CRect& rect) {
    if (rect == m_rcEditPlaced) return;
    // Without its window yet the editor is made where it would stand.
    if (m_edit.m_hWnd) m_edit.MoveWindow(&rect);
    m_rcEditPlaced = rect;
}

void CMemoDlg::ClipFoldedEditor(bool folded) {
    // A folded strip shows one line: the editor is cut at the top of the
    // next one, so that no sliver of it shows below the first.
    if (!m_edit.m_hWnd) return;
    int cut = 0;
    if (folded) {
        int next = m_edit.LineIndex(m_edit.GetFirstVisibleLine() + 1);
        if (next > 0) {
            POINTL at = {};
            m_edit.SendMessage(EM_POSFROMCHAR, (WPARAM)&at, next);
            if (at.y > 0 && at.y < m_rcEdit.Height()) cut = at.y;
        }
    }
    if (cut == 0 && m_nFoldedCut == 0) return;
    m_nFoldedCut = cut;
    ::SetWindowRgn(m_edit.m_hWnd, cut ? ::CreateRectRgn(0, 0, m_rcEdit.Width(), cut) : nullptr, TRUE);
}

CSize CMemoDlg::MeasureTitle() {
    CreateSharedMemoFont();
    if (m_info.m_strTitle.IsEmpty() || !g_hSharedDC) return CSize(0, 0);
    LOGFONTW lf;
    COLORREF color;
    m_info.GetTitleFont(lf, color);
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = SelectObject(g_hSharedDC, font);
    RECT r = {0, 0, 0, 0};
    DrawTextW(g_hSharedDC, m_info.m_strTitle, -1, &r, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    SelectObject(g_hSharedDC, old);
    DeleteObject(font);
    return CSize(r.right - r.left, r.bottom - r.top);
}

void CMemoDlg::SetExpanded(BOOL expand, BOOL applyAlpha) {
    if (expand && IsLocked() && !IsTextLoaded()) {
        if (!LoadLockedText()) return;
    }
    // A folded note without a title shows its first line.
    if (expand || m_info.m_strTitle.IsEmpty()) EnsureTextLoaded();
    if (expand) EnsureTitleBar();
    int savedLevel = -1;
    if (expand && m_info.m_nLevel == 2) {
        savedLevel = 2;
        SetZPosition(ZPOS_NORMAL, FALSE);
    }
    // A window on the screen is made clear while it changes; one not shown
    // yet (a group opening) has nothing to hide.
    if (IsWindowVisible()) SetLayeredAlpha(0, 0, LWA_ALPHA);
    CRect window = m_rcLoading;
    if (!m_bLoading) GetWindowRect(&window);
    m_info.m_bExpanded = expand ? 1 : 0;
    if (expand) {
        m_edit.ShowWindow(SW_SHOW);
        CRect r = NoteLogic::ExpandedRect(window, m_info.m_nExpandedWidth, m_info.m_nExpandedHeight);
        CRect present;
        GetWindowRect(&present);
        // A note that opens unfolded stands there already.
        if (!m_bLoading || r != present) MoveWindow(&r);
        m_edit.SetEditable(!m_info.m_bReadOnly && !IsOpenFailed());
    } else {
        NoteLogic::FoldInput in;
        in.window = window;
        in.showsTitle = !m_info.m_strTitle.IsEmpty() || IsLocked();
        in.titleExtent = MeasureTitle();
        in.hasImportance = m_info.m_nImportance != 0;
        in.contractDX = ContractDX();
        in.fitTitleWidth = g_Settings.General.FitTitleWidth != 0;
        CRect r = NoteLogic::FoldedRect(in);
        if (in.showsTitle) {
            if (m_edit.m_hWnd) m_edit.ShowWindow(SW_HIDE);
        } else {
            m_edit.ShowWindow(SW_SHOW);
            m_edit.SetReadOnly(TRUE);
            r = KeepOnScreen(r);
        }
        MoveWindow(&r);
    }
    GetWindowRect(&m_info.m_rcWindow);
    bool simple = g_Settings.General.SimpleMemoInactive && !m_nActive;
    if (m_pTitleBar) {
        if (!simple) {
            ShowTitleBar(expand != FALSE);
            m_pTitleBar->ShowButtons(expand);
        } else if (!expand) {
            ShowTitleBar(false);
        }
    }
    if (g_Settings.General.ScrollMode == 2 && m_edit.m_hWnd) ::ShowScrollBar(m_edit.m_hWnd, SB_VERT, expand);
    LayoutControls();
    SetLayeredAlpha(0, (BYTE)(applyAlpha ? GetAlpha() : 255), LWA_ALPHA);
    if (savedLevel == 2) SetZPosition(ZPOS_DESKTOP, FALSE);
    if (m_info.m_bFitHeight && expand) m_edit.RequestResize();
    // The note the user works with has its buttons ready for the mouse.
    if (m_nActive && !(s_pHost && s_pHost->IsCreatingAllMemos())) MakeButtonWindows();
    Invalidate(FALSE);
}

void CMemoDlg::OnFitHeightRequest(int wanted) {
    m_nContentHeight = wanted;
    if (!m_info.m_bFitHeight || !IsExpanded()) return;
    int height = NoteLogic::FitHeight(wanted, m_pStyleBar && m_pStyleBar->m_hWnd, g_Settings.General.StartDY,
                                      ::GetSystemMetrics(SM_CYSCREEN));
    CRect window;
    GetWindowRect(&window);
    if (!NoteLogic::ShouldApplyFitHeight(height, m_nLastFitRequest, window.Height())) return;
    m_nLastFitRequest = height;
    SetWindowPos(nullptr, 0, 0, window.Width(), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMemoDlg::FitHeightOnce() {
    BYTE saved = m_info.m_bFitHeight;
    m_info.m_bFitHeight = 1;
    m_nLastFitRequest = -1;
    m_edit.RequestResize();
    m_info.m_bFitHeight = saved;
    m_edit.LineScroll(-m_edit.GetFirstVisibleLine());
}

// ---- Level, colours, importance ----

void CMemoDlg::SetLevel(int level) {
    if (level != 1 && level != 2) level = 0;
    m_info.m_nLevel = level;
    if (m_pTitleBar) m_pTitleBar->SetPinned(level == 1);
    SetZPosition(level, TRUE);
    Invalidate(FALSE);
}

void CMemoDlg::SetLevelFromPin() { SetLevel(m_pTitleBar && m_pTitleBar->IsPinned() ? 1 : 0); }

void CMemoDlg::ShowByLevel(BOOL show) {
    if (!show) {
        ShowWindow(SW_HIDE);
        return;
    }
    if (!IsWindowVisible() && m_pStyleBar) CloseStyleBar();
    switch (m_info.m_nLevel) {
    case 0:
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        ::SetForegroundWindow(m_hWnd);
        break;
    case 1:
        SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ShowWindow(SW_SHOWNOACTIVATE);
        break;
    case 2: ShowWindow(SW_SHOWNOACTIVATE); break;
    default: ShowWindow(SW_SHOW); break;
    }
}

void CMemoDlg::ApplyColors(COLORREF title, COLORREF body, COLORREF bar, BOOL redraw) {
    m_info.m_crTitle = title;
    m_info.m_crBackground = body;
    if (m_pStyleBar) m_pStyleBar->SetBackColor(bar);
    if (m_edit.m_hWnd) m_edit.SetBackgroundColor(body);
    ApplyTitleBarColor();
    m_btnUnfold.m_crFill = title;
    m_btnTitle.m_crFill = title;
    if (m_btnUnfold.m_hWnd) m_btnUnfold.Invalidate();
    if (m_btnTitle.m_hWnd) m_btnTitle.Invalidate();
    if (redraw && m_hWnd) {
        Invalidate(FALSE);
        if (m_pTitleBar && m_pTitleBar->m_hWnd) m_pTitleBar->Invalidate(FALSE);
    }
}

void CMemoDlg::SetColorType(int type, BOOL redraw) {
    m_info.m_nColorType = type;
    COLORREF title = g_Settings.Color.Type[((type % COLOR_TYPE_COUNT) + COLOR_TYPE_COUNT) % COLOR_TYPE_COUNT];
    ApplyColors(title, LightenColor(title, 1.2f), LightenColor(title, 1.1f), redraw);
}

void CMemoDlg::SetTitleColor(COLORREF color) {
    ApplyColors(color, LightenColor(color, 1.2f), LightenColor(color, 1.1f), TRUE);
}

void CMemoDlg::SetBodyColor(COLORREF color) {
    ApplyColors(DarkenColor(color, 0.8f), color, DarkenColor(color, 0.9f), TRUE);
}

void CMemoDlg::PreviewColor(COLORREF color, BOOL redraw) {
    COLORREF title = m_info.m_crTitle, body = m_info.m_crBackground;
    ApplyColors(color, LightenColor(color, 1.2f), LightenColor(color, 1.1f), FALSE);
    if (redraw) {
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    m_info.m_crTitle = title;
    m_info.m_crBackground = body;
}

void CMemoDlg::ApplyTitleBarColor() {
    if (!m_pTitleBar) return;
    m_pTitleBar->SetButtonColor(g_Settings.General.SkinType == 1 ? m_info.m_crBackground : m_info.m_crTitle);
}

void CMemoDlg::SetReminder(BOOL on) {
    if (on) {
        m_info.m_nImportance = 1;
        SetTimer(TIMER_MEMO_REMINDER, std::max(1, g_Settings.General.CheckInterval) * 60000);
    } else {
        m_info.m_nImportance = 0;
        KillTimer(TIMER_MEMO_REMINDER);
        KillTimer(TIMER_MEMO_FIRST_REMINDER);
    }
    m_bChanged = 1;
    Invalidate(FALSE);
}

void CMemoDlg::StopReminder() {
    KillTimer(TIMER_MEMO_REMINDER);
    KillTimer(TIMER_MEMO_FIRST_REMINDER);
    m_info.m_nImportance = 0;
    m_bChanged = 1;
    Invalidate(FALSE);
}

void CMemoDlg::ResumeReminder() {
    if (NoteLogic::ImportanceRunsReminder(m_info.m_nImportance))
        SetTimer(TIMER_MEMO_REMINDER, std::max(1, g_Settings.General.CheckInterval) * 60000);
    m_bChanged = 1;
    Invalidate(FALSE);
}

void CMemoDlg::SetImportance(int importance) {
    int old = m_info.m_nImportance;
    if ((importance == 0 || importance == 2) && NoteLogic::ImportanceRunsReminder(old)) {
        KillTimer(TIMER_MEMO_REMINDER);
        KillTimer(TIMER_MEMO_FIRST_REMINDER);
    }
    m_info.m_nImportance = (BYTE)importance;
    if (NoteLogic::ImportanceRunsReminder(importance))
        SetTimer(TIMER_MEMO_REMINDER, std::max(1, g_Settings.General.CheckInterval) * 60000);
    m_bChanged = 1;
    SetExpanded(IsExpanded(), TRUE);
    ::SetForegroundWindow(m_hWnd);
}

int CMemoDlg::GetAlpha() { return IsExpanded() ? g_Settings.General.MaxTransVal : g_Settings.General.MinTransVal; }

void CMemoDlg::ApplyAlpha(BOOL inactive) { SetLayeredAlpha(0, (BYTE)(inactive ? GetAlpha() : 255), LWA_ALPHA); }

BOOL CMemoDlg::IsMouseOverHiding() { return g_Settings.General.MouseOverHiding; }

void CMemoDlg::SetActive(int active) {
    m_nActive = active;
    ApplyAlpha(!active);
    if (s_pHost && s_pHost->IsCreatingAllMemos()) return;
    if (active) MakeButtonWindows();
    if (g_Settings.General.SimpleMemoInactive) ShowTitleParts(!active);
    if (g_Settings.General.ScrollMode == 2 && m_edit.m_hWnd)
        ::ShowScrollBar(m_edit.m_hWnd, SB_VERT, active && IsExpanded());
    Invalidate(FALSE);
}

BOOL CMemoDlg::OnNcActivate(BOOL active) {
    SetActive(active);
    return (BOOL)Default();
}

void CMemoDlg::ShowTitleParts(BOOL hide) {
    if (IsExpanded()) {
        if (m_pTitleBar) {
            m_pTitleBar->ShowButtons(!hide);
            ShowTitleBar(!hide);
        }
    } else {
        ShowFoldedButtons(!hide);
        if (m_pTitleBar) ShowTitleBar(false);
    }
    if (hide && !(IsExpanded() && g_Settings.General.ViewEditTime)) {
        int o = (m_info.m_nImportance && m_info.m_strTitle.IsEmpty()) ? NoteLogic::ImportanceIconRoom : 0;
        CRect r = IsExpanded() ? CRect(m_rcClient.left + 5, m_rcClient.top + 4, m_rcClient.right - 5, m_rcClient.bottom - 5)
                               : CRect(m_rcClient.left + 1 + o, m_rcClient.top + 1, m_rcClient.right - 1,
                                       m_rcClient.bottom - 1);
        PlaceEditor(r);
    } else {
        PlaceEditor(m_rcEdit);
    }
}

void CMemoDlg::ToggleStyleBar() {
    m_info.m_bStyleBar = !m_info.m_bStyleBar;
    if (m_pStyleBar) {
        if (m_pStyleBar->m_hWnd) m_pStyleBar->DestroyWindow();
        m_pStyleBar.reset();
        LayoutControls();
    } else {
        m_pStyleBar.reset(new CStyleBar(this));
        if (!m_pStyleBar->CreateBar()) {
            m_pStyleBar.reset();
            m_info.m_bStyleBar = 0;
        } else {
            LayoutControls();
            m_pStyleBar->UpdateFromEditor(m_edit);
        }
    }
    if (m_info.m_bFitHeight) {
        m_nLastFitRequest = -1;
        m_edit.RequestResize();
    }
    Invalidate(FALSE);
}

void CMemoDlg::CloseStyleBar() {
    if (m_pStyleBar && IsExpanded()) {
        ToggleStyleBar();
        if (m_pTitleBar) m_pTitleBar->SetStyleChecked(FALSE);
        Invalidate(FALSE);
    }
}

void CMemoDlg::FlashAttention(BOOL unfold) {
    if (unfold && !IsExpanded() && !IsLocked()) SetExpanded(TRUE, FALSE);
    ShowWindow(SW_SHOWNOACTIVATE);
    m_nFlashTick = 0;
    m_bFlashing = TRUE;
    SetTimer(TIMER_MEMO_FLASH, 170);
}

void CMemoDlg::OnTimer(UINT_PTR id) {
    switch (id) {
    case TIMER_MEMO_FLASH:
        if (m_nFlashTick < 3) {
            PreviewColor(m_nFlashTick % 2 == 0 ? 0xC83C32 : 0xFAFAC8, TRUE);
        } else {
            // Ends in the note's present colour, even when it changed meanwhile.
            PreviewColor(m_info.m_crTitle, TRUE);
            KillTimer(TIMER_MEMO_FLASH);
            m_bFlashing = FALSE;
        }
        ++m_nFlashTick;
        return;
    case TIMER_MEMO_FIRST_REMINDER: KillTimer(TIMER_MEMO_FIRST_REMINDER); [[fallthrough]];
    case TIMER_MEMO_REMINDER:
        if (m_info.m_nImportance == 3 && s_pHost) {
            s_pHost->ShowAboveSpotlight(this);
        } else {
            ShowByLevel(TRUE);
            FlashAttention(FALSE);
        }
        return;
    default: CZDialog::OnTimer(id);
    }
}

// ---- Text storage ----

void CMemoDlg::EnsureTextLoaded() {
    if (!m_bTextDeferred) return;
    m_bTextDeferred = FALSE;
    // Hidden: the note is folded under its title; unfolding shows it.
    MakeEditor(false);
    BYTE fit = m_info.m_bFitHeight;
    m_info.m_bFitHeight = 0;
    m_store.LoadForRecord(m_edit);
    m_info.m_bFitHeight = fit;
    if (m_store.IsOpenFailed()) {
        ShowDamagedMarker();
        return;
    }
    if (g_Settings.General.RestoreScrollPos && m_info.m_nFirstVisibleLine > 0) {
        m_edit.LineScroll(m_info.m_nFirstVisibleLine - m_edit.GetFirstVisibleLine());
        int start = m_edit.LineIndex(m_info.m_nFirstVisibleLine);
        m_edit.SetSel(start, start);
    }
    m_edit.SetModify(FALSE);
    if (m_info.m_bReadOnly) m_edit.SetEditable(FALSE);
}

BOOL CMemoDlg::IsReadyToSave(BOOL modifiedOnly) {
    // Nothing of a note whose file could not be read is ever written.
    if (m_bTextDeferred || IsOpenFailed()) return FALSE;
    if (modifiedOnly) return m_edit.GetModify();
    return m_autosave.IsReadyToSave(m_edit.GetModify() != FALSE, m_edit.GetTextLengthEx());
}

BOOL CMemoDlg::SaveMemo() {
    // An unread file holds the text as it is: there is nothing to write.
    if (m_bTextDeferred) return TRUE;
    return m_store.Save(m_edit);
}

void CMemoDlg::ShowDamagedMarker() {
    const CLanguageTable& t = g_LanguageTable;
    CString headline = t[IDS_NOTE_UNREADABLE];
    m_edit.SetEditable(FALSE);
    m_edit.SetWindowText(headline + L"\n" + GetMemoPath() + L"\n\n" + t[IDS_NOTE_READ_ONLY_HINT]);
    m_edit.SetSel(0, headline.GetLength());
    m_edit.SetColor(kDamagedMarkColor);
    m_edit.SetSel(0, 0);
    m_edit.SetModify(FALSE);
}

void CMemoDlg::OnStartAfresh() {
    if (!m_store.IsOpenFailed()) return;
    if (!m_store.StartAfresh(m_edit)) {
        if (s_pHost) s_pHost->ShowMessageBox(g_LanguageTable[IDS_AFRESH_NO_COPY], g_LanguageTable[IDS_CAPTION], -1);
        return;
    }
    m_edit.EnableWindow(TRUE);
    m_edit.SetEditable(!m_info.m_bReadOnly);
    // The note may have a new file name: the frame rewrites the list.
    m_bChanged = 1;
    Invalidate(FALSE);
    if (IsExpanded()) m_edit.SetFocus();
}

BOOL CMemoDlg::LoadLockedText() {
    if (!m_store.LoadLockedText(m_edit)) return FALSE;
    if (g_Settings.General.RestoreScrollPos && m_info.m_nFirstVisibleLine > 0) {
        m_edit.LineScroll(m_info.m_nFirstVisibleLine);
        int start = m_edit.LineIndex(m_info.m_nFirstVisibleLine);
        m_edit.SetSel(start, start);
    }
    m_edit.SetModify(FALSE);
    if (m_info.m_bReadOnly) m_edit.SetEditable(FALSE);
    return TRUE;
}

BOOL CMemoDlg::AskAndCheckPassword() {
    CString password;
    if (!s_pHost || !s_pHost->AskPassword(this, password)) return FALSE;
    if (!m_store.CheckPassword(password)) {
        s_pHost->ShowMessageBox(g_LanguageTable[IDS_WRONG_PASSWORD], g_LanguageTable[IDS_CAPTION], -1);
        return FALSE;
    }
    return TRUE;
}

bool CMemoDlg::UnlockForAction() {
    if (!IsLocked()) return true;
    if (!IsExpanded() && !AskAndCheckPassword()) return false;
    if (!IsTextLoaded() && !LoadLockedText()) return false;
    return true;
}

// ---- Painting ----

void CMemoDlg::DrawTitleText(CDC& dc, const CRect& area, UINT format, int height) {
    LOGFONTW lf;
    COLORREF color;
    m_info.GetTitleFont(lf, color);
    if (height) lf.lfHeight = height;
    HFONT font = CreateFontIndirectW(&lf);
    HGDIOBJ old = dc.SelectObject(font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(color);
    CString text = m_info.m_strTitle;
    if (text.IsEmpty()) text = IsLocked() ? g_LanguageTable[IDS_LOCKED_TITLE] : CString(L" ");
    CRect r = area;
    dc.DrawText(text, &r, format | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    dc.SelectObject(old);
    DeleteObject(font);
}

void CMemoDlg::OnPaint() {
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    // Every note paints through the same off-screen picture.
    static CPaintBuffer buffer;
    HDC back = buffer.Begin(client.Width(), client.Height());
    if (!back) return;
    CDC memory;
    memory.Attach(back);
    memory.FillSolidRect(&client, m_info.m_crBackground);
    if (IsExpanded())
        PaintExpanded(memory);
    else
        PaintFolded(memory);
    BitBlt(paint.m_hDC, 0, 0, client.Width(), client.Height(), memory.m_hDC, 0, 0, SRCCOPY);
    memory.Detach();
    buffer.End();
}

void CMemoDlg::PaintExpanded(CDC& dc) {
    const CRect& c = m_rcClient;
    bool simple = g_Settings.General.SimpleMemoInactive && !m_nActive;
    COLORREF title = m_info.m_crTitle, body = m_info.m_crBackground;
    // A note whose file could not be read wears a frame of its own.
    COLORREF frame = IsOpenFailed() ? kDamagedMarkColor : NoteLogic::FrameColor(body, m_info.m_nImportance);
    int L = c.left, R = c.right, B = c.bottom;
    if (simple)
        dc.FillSolidRect(0, 0, c.Width(), 21, frame);
    else
        dc.FillSolidRect(0, 17, c.Width(), 4, frame);
    dc.FillSolidRect(0, 17, 5, c.Height() - 17, frame);
    dc.FillSolidRect(c.Width() - 5, 17, 5, c.Height() - 17, frame);
    dc.FillSolidRect(0, c.Height() - 5, c.Width(), 5, frame);
    if (!simple) {
        auto column = [&dc](int x, int y0, int y1, COLORREF col) {
            for (int y = y0; y <= y1; ++y) SetPixel(dc.m_hDC, x, y, col);
        };
        if (m_info.m_bPinned) {
            COLORREF col = ScaleColor(title, 0.8f);
            column(L + 2, B - 8, B - 4, col);
            for (int x = L + 3; x <= L + 6; ++x) SetPixel(dc.m_hDC, x, B - 4, col);
            for (int x = R - 8; x <= R - 5; ++x) SetPixel(dc.m_hDC, x, B - 4, col);
            column(R - 4, B - 8, B - 4, col);
        } else if (m_info.m_bFitHeight) {
            COLORREF col = ScaleColor(title, 0.9f);
            column(L + 2, B - 7, B - 7, col);
            column(L + 3, B - 8, B - 6, col);
            column(L + 4, B - 9, B - 5, col);
            column(R - 5, B - 9, B - 5, col);
            column(R - 4, B - 8, B - 6, col);
            column(R - 3, B - 7, B - 7, col);
        } else {
            COLORREF col = ScaleColor(title, 0.8f);
            column(L + 2, B - 7, B - 4, col);
            column(L + 3, B - 6, B - 4, col);
            column(L + 4, B - 5, B - 4, col);
            column(L + 5, B - 4, B - 4, col);
            column(R - 7, B - 4, B - 4, col);
            column(R - 6, B - 5, B - 4, col);
            column(R - 5, B - 6, B - 4, col);
            column(R - 4, B - 7, B - 4, col);
        }
    }
    COLORREF light, dark;
    switch (g_Settings.General.SkinType) {
    case 1: light = ScaleColor(body, 1.2f), dark = ScaleColor(body, 0.7f); break;
    case 2: light = dark = g_Settings.General.SimpleMemoColor; break;
    default: light = ScaleColor(title, 1.5f), dark = ScaleColor(body, 0.7f); break;
    }
    CRect frameRect(0, simple ? 0 : 17, c.Width(), c.Height());
    dc.Draw3dRect(&frameRect, light, dark);
    if (simple && g_Settings.General.ViewEditTime) {
        int left = m_info.m_nImportance ? 17 : 5;
        CRect titleArea(left, 1, c.Width() - left, 17);
        DrawTitleText(dc, titleArea, DT_LEFT | DT_BOTTOM, 13);
        CRect measured = titleArea;
        CString text = m_info.m_strTitle.IsEmpty() ? CString(L" ") : m_info.m_strTitle;
        dc.DrawText(text, &measured, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        CRect dateArea(measured.right + left, 1, c.Width() - left, 17);
        HGDIOBJ old = dc.SelectObject(GetSharedMemoFont());
        CRect need = dateArea;
        dc.DrawText(m_info.m_strDate, &need, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
        if (need.Width() <= dateArea.Width()) {
            dc.SetTextColor(g_Settings.General.InactiveTitleCol);
            dc.DrawText(m_info.m_strDate, &dateArea, DT_SINGLELINE | DT_RIGHT | DT_VCENTER | DT_NOPREFIX);
        }
        dc.SelectObject(old);
    }
    if (m_info.m_nImportance)
        DrawIconEx(dc.m_hDC, 2, 2, CTitleBar::GetImportanceIcon(m_info.m_nImportance), 16, 16, 0, nullptr, DI_NORMAL);
    if (m_pTitleBar && !m_pTitleBar->m_hWnd && m_bTitleBarShown)
        m_pTitleBar->PaintTo(dc.m_hDC, c.Width(), NoteLogic::TitleStripHeight);
}

void CMemoDlg::PaintFolded(CDC& dc) {
    const CRect& c = m_rcClient;
    bool simple = g_Settings.General.SimpleMemoInactive && !m_nActive;
    int skin = g_Settings.General.SkinType;
    COLORREF title = m_info.m_crTitle;
    int o = m_info.m_nImportance ? NoteLogic::ImportanceIconRoom : 0;
    if (!m_info.m_strTitle.IsEmpty() || IsLocked()) {
        dc.FillSolidRect(&c, skin == 2 ? title : ScaleColor(title, 1.25f));
        CRect area(o + 5, 0, c.right - (simple ? 5 : 35), c.bottom);
        DrawTitleText(dc, area, DT_CENTER | DT_VCENTER, 0);
    } else {
        dc.FillSolidRect(1, 1, o + 3, c.Height() - 2, m_info.m_crBackground);
    }
    if (!simple) dc.FillSolidRect(c.right - 30, 0, 30, c.Height(), title);
    COLORREF topLeft = skin == 2 ? g_Settings.General.SimpleMemoColor : ScaleColor(title, 1.25f);
    COLORREF bottomRight = skin == 2 ? g_Settings.General.SimpleMemoColor : ScaleColor(title, 0.9f);
    dc.Draw3dRect(&c, topLeft, bottomRight);
    if (!simple && skin != 2) dc.FillSolidRect(c.right - 29, 1, 1, c.Height() - 2, bottomRight);
    if (m_bFoldedButtonsShown && !m_btnUnfold.m_hWnd) {
        for (CShareButtonEx* button : {&m_btnUnfold, &m_btnTitle}) {
            CPoint at = button == &m_btnUnfold ? NoteLogic::UnfoldButtonPos(c) : NoteLogic::TitleButtonPos(c);
            button->DrawTo(dc.m_hDC, CRect(at, CSize(button->m_nCellWidth, button->m_nCellHeight)));
        }
    }
    if (m_info.m_nImportance)
        DrawIconEx(dc.m_hDC, 2, 2, CTitleBar::GetImportanceIcon(m_info.m_nImportance), 16, 16, 0, nullptr, DI_NORMAL);
}

// ---- Mouse and keys ----

LRESULT CMemoDlg::OnNcHitTest(CPoint point) {
    MakeButtonWindows();
    int tipMode = g_Settings.General.MemoTipMode;
    if (!IsExpanded() && tipMode > 0 && s_pHost) {
        if (tipMode == 1 || ((tipMode == 3 || tipMode == 4) && IsCtrlDown())) s_pHost->ShowMemoTip(&m_info);
        return HTCAPTION;
    }
    NoteLogic::HitInput in;
    CPoint client = point;
    ScreenToClient(&client);
    in.point = client;
    in.size = CSize(m_rcClient.Width(), m_rcClient.Height());
    in.expanded = IsExpanded() != FALSE;
    in.pinned = !m_bMovable;
    in.fitHeight = m_info.m_bFitHeight != 0;
    in.mouseOverHiding = g_Settings.General.MouseOverHiding != 0;
    HWND focus = ::GetFocus();
    in.focusInNote = focus && (focus == m_hWnd || focus == m_edit.m_hWnd);
    in.ctrlHeld = IsCtrlDown();
    return NoteLogic::NoteHitTest(in);
}

void CMemoDlg::OnNcLButtonDown(UINT hitTest, CPoint point) {
    int tipMode = g_Settings.General.MemoTipMode;
    if ((tipMode == 2 || tipMode == 4) && !IsExpanded() && s_pHost) s_pHost->ShowMemoTip(&m_info);
    CZDialog::OnNcLButtonDown(hitTest, point);
}

void CMemoDlg::OnNcRButtonDown(UINT, CPoint point) {
    CPoint client = point;
    ScreenToClient(&client);
    // The menu has taken the button's release; the default handling would
    // wait for another one and hold every message of the program till then.
    ShowContextMenu(client);
}

void CMemoDlg::OnNcLButtonDblClk(UINT, CPoint point) {
    CPoint client = point;
    ScreenToClient(&client);
    bool ctrl = IsCtrlDown();
    if (IsShiftDown()) {
        OnTitleInput();
        return;
    }
    if (IsExpanded()) {
        if (!ctrl) {
            if (client.y < NoteLogic::TitleStripHeight) {
                SetExpanded(FALSE, FALSE);
                int tipMode = g_Settings.General.MemoTipMode;
                if ((tipMode == 2 || tipMode == 4) && s_pHost) s_pHost->ShowMemoTip(&m_info);
            }
        } else {
            FitHeightOnce();
        }
        return;
    }
    if (IsLocked() && !AskAndCheckPassword()) return;
    SetExpanded(TRUE, FALSE);
    if (s_pHost) s_pHost->HideMemoTip();
    if (ctrl) FitHeightOnce();
}

void CMemoDlg::OnLButtonDown(UINT, CPoint) {
    ::SetForegroundWindow(m_hWnd);
    Default();
}

void CMemoDlg::OnMouseMove(UINT flags, CPoint point) {
    if (!m_bTrackingLeave) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
        m_bTrackingLeave = TrackMouseEvent(&track);
    }
    if (m_edit.m_hWnd && ::GetFocus() == m_edit.m_hWnd) {
        Default();
        return;
    }
    CZDialog::OnMouseMove(flags, point);
}

void CMemoDlg::OnMouseLeave() {
    m_bTrackingLeave = FALSE;
    if (s_pHost) s_pHost->HideMemoTip();
}

BOOL CMemoDlg::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_TAB && IsExpanded() &&
        (msg->hwnd == m_hWnd || (m_edit.m_hWnd && msg->hwnd == m_edit.m_hWnd))) {
        if (m_edit.IsEditable()) m_edit.ReplaceSel(L"\t", TRUE);
        return TRUE;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE && msg->hwnd == m_hWnd) {
        ExecuteCommand(IsShiftDown() ? ID_HIDE_OTHER_WIDGETS : (UINT)ID_MEMO_FOLD);
        if (s_pHost) s_pHost->HideMemoTip();
        return TRUE;
    }
    return CZDialog::PreTranslateMessage(msg);
}

void CMemoDlg::OnEditVScroll() {
    if (!g_Settings.General.RestoreScrollPos) return;
    int line = m_edit.GetFirstVisibleLine();
    if (line != m_info.m_nFirstVisibleLine) {
        m_info.m_nFirstVisibleLine = line;
        m_bChanged = 1;
    }
}

BOOL CMemoDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    NMHDR* header = (NMHDR*)lParam;
    if (header->idFrom != IDC_MEMO_EDIT) return CZDialog::OnNotify(wParam, lParam, result);
    switch (header->code) {
    case EN_SELCHANGE:
        if (m_pStyleBar && m_pStyleBar->m_hWnd) m_pStyleBar->UpdateFromEditor(m_edit);
        return TRUE;
    case EN_REQUESTRESIZE: {
        REQRESIZE* resize = (REQRESIZE*)lParam;
        OnFitHeightRequest(resize->rc.bottom - resize->rc.top);
        return TRUE;
    }
    case EN_LINK: {
        ENLINK* link = (ENLINK*)lParam;
        if (link->msg == WM_SETCURSOR) {
            HCURSOR hand = s_pHost ? s_pHost->GetHandCursor() : nullptr;
            ::SetCursor(g_Settings.General.HyperLink && hand ? hand : ::LoadCursorW(nullptr, IDC_ARROW));
            *result = 1;
            return TRUE;
        }
        if (link->msg == WM_LBUTTONDOWN && g_Settings.General.HyperLink) {
            CString target = m_edit.GetTextRange(link->chrg.cpMin, link->chrg.cpMax);
            HCURSOR old = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
            if (COleRichEditCtrl::s_openLink) COleRichEditCtrl::s_openLink(target);
            ::SetCursor(old);
            *result = 1;
            return TRUE;
        }
        if (link->msg == WM_LBUTTONUP && g_Settings.General.HyperLink) {
            *result = 1;
            return TRUE;
        }
        return FALSE;
    }
    default: return FALSE;
    }
}

// ---- Commands ----

BOOL CMemoDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam);
    if (lParam && HIWORD(wParam) == EN_VSCROLL && id == IDC_MEMO_EDIT) {
        OnEditVScroll();
        return TRUE;
    }
    if (lParam && HIWORD(wParam) != BN_CLICKED && HIWORD(wParam) != 0) return CZDialog::OnCommand(wParam, lParam);
    if (ExecuteCommand(id)) return TRUE;
    return CZDialog::OnCommand(wParam, lParam);
}

BOOL CMemoDlg::ExecuteCommand(UINT id) {
    // Commands of the note read or write its text.
    EnsureTextLoaded();
    switch (id) {
    case IDC_FOLDED_UNFOLD: OnUnfold(); return TRUE;
    case IDC_FOLDED_TITLE: OnTitleInput(); return TRUE;
    case ID_WINDOW_HIDE: ShowWindow(SW_HIDE); return TRUE;
    case ID_MEMO_FOLD: OnFold(); return TRUE;
    case ID_MEMO_WORDPAD: OnOpenWordPad(); return TRUE;
    case ID_MEMO_DELETE: DeleteMemo(); return TRUE;
    case ID_MEMO_ARRANGE:
        if (s_pHost) s_pHost->PlaceInMemoColumn(this);
        return TRUE;
    case ID_MEMO_ALARM:
        SaveMemo();
        if (s_pHost) s_pHost->AlarmForMemo(this);
        return TRUE;
    case ID_MEMO_SAVE_TO_FILE: OnSaveToFile(); return TRUE;
    case ID_MEMO_TOPMOST: SetLevel(1); return TRUE;
    case ID_MEMO_NORMAL: SetLevel(0); return TRUE;
    case ID_MEMO_DESKTOP: SetLevel(2); return TRUE;
    case ID_MEMO_SKIN_COLOR: {
        COLORREF color = m_info.m_crBackground;
        if (COleRichEditCtrl::s_chooseColor && COleRichEditCtrl::s_chooseColor(this, color)) {
            SetBodyColor(color);
            m_bChanged = 1;
        }
        return TRUE;
    }
    case ID_FIX_LOCATION:
        m_info.m_bPinned = m_bMovable ? 1 : 0;
        m_bMovable = !m_bMovable;
        m_bChanged = 1;
        Invalidate(FALSE);
        return TRUE;
    case ID_MEMO_FIT_HEIGHT:
        m_info.m_bFitHeight = !m_info.m_bFitHeight;
        m_bChanged = 1;
        if (!m_info.m_bFitHeight) {
            m_nLastFitRequest = -1;
        } else {
            m_edit.RequestResize();
            m_edit.LineScroll(-m_edit.GetFirstVisibleLine());
        }
        Invalidate(FALSE);
        return TRUE;
    case ID_MEMO_LOCK: OnLock(); return TRUE;
    case ID_MEMO_SEND: OnSend(); return TRUE;
    case ID_MEMO_REMINDER:
        SetReminder(m_info.m_nImportance != 1);
        if (!IsExpanded()) ::SetForegroundWindow(m_hWnd);
        return TRUE;
    case ID_MEMO_READ_ONLY:
        m_info.m_bReadOnly = !m_info.m_bReadOnly;
        m_edit.SetEditable(!m_info.m_bReadOnly && !IsOpenFailed());
        m_bChanged = 1;
        return TRUE;
    case ID_IMPORTANCE_NORMAL: SetImportance(0); return TRUE;
    case ID_IMPORTANCE_FAVOURITE: SetImportance(2); return TRUE;
    case ID_IMPORTANCE_IMPORTANT: SetImportance(1); return TRUE;
    case ID_IMPORTANCE_VERY: SetImportance(3); return TRUE;
    case ID_MEMO_PRINT: OnPrint(); return TRUE;
    case ID_MEMO_START_AFRESH: OnStartAfresh(); return TRUE;
    default: break;
    }
    if (id >= ID_MOVE_GROUP_FIRST && id <= ID_MOVE_GROUP_LAST) {
        OnMoveToGroup(id);
        return TRUE;
    }
    return FALSE;
}

HMENU CMemoDlg::BuildContextMenu() {
    EnsureTextLoaded();  // the menu greys what an unreadable file cannot do
    HMENU menu = CreatePopupMenu();
    auto add = [menu](UINT id, const CString& text) { AppendMenuW(menu, MF_STRING, id, text); };
    auto separator = [menu] { AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); };
    auto popup = [menu](HMENU sub, const CString& text) { AppendMenuW(menu, MF_POPUP, (UINT_PTR)sub, text); };
    const CLanguageTable& t = g_LanguageTable;
    static const int importanceText[4] = {IDS_IMPORTANCE_NORMAL, IDS_IMPORTANCE_IMPORTANT, IDS_IMPORTANCE_FAVOURITE,
                                          IDS_IMPORTANCE_VERY};
    static const UINT importanceId[4] = {ID_IMPORTANCE_NORMAL, ID_IMPORTANCE_IMPORTANT, ID_IMPORTANCE_FAVOURITE,
                                         ID_IMPORTANCE_VERY};
    HMENU importance = CreatePopupMenu();
    AppendMenuW(importance, MF_STRING, ID_IMPORTANCE_NORMAL, t[IDS_IMPORTANCE_NORMAL]);
    AppendMenuW(importance, MF_STRING, ID_IMPORTANCE_FAVOURITE, t[IDS_IMPORTANCE_FAVOURITE]);
    AppendMenuW(importance, MF_STRING, ID_IMPORTANCE_IMPORTANT, t[IDS_IMPORTANCE_IMPORTANT]);
    AppendMenuW(importance, MF_STRING, ID_IMPORTANCE_VERY, t[IDS_IMPORTANCE_VERY]);
    int imp = m_info.m_nImportance & 3;
    CheckMenuItem(importance, importanceId[imp], MF_BYCOMMAND | MF_CHECKED);

    add(ID_NEW_MEMO, t[IDS_NEW_MEMO]);                      // 0
    separator();                                            // 1
    add(ID_MEMO_NORMAL, t[IDS_NORMAL_POSITION]);            // 2
    add(ID_MEMO_TOPMOST, t[IDS_ALWAYS_ON_TOP]);             // 3
    add(ID_MEMO_DESKTOP, t[IDS_DESKTOP]);                   // 4
    separator();                                            // 5
    popup(importance, t[importanceText[imp]]);              // 6
    add(ID_MEMO_FIT_HEIGHT, t[IDS_ADJUST_HEIGHT]);          // 7
    add(ID_MEMO_LOCK, t[IsLocked() ? IDS_PASSWORD_OFF : IDS_PASSWORD_ON]);  // 8
    separator();                                            // 9
    add(ID_MEMO_FOLD, t[IsExpanded() ? IDS_FOLD : IDS_EXPANSION]);          // 10
    add(ID_WINDOW_HIDE, t[IDS_HIDE]);                       // 11
    add(ID_HIDE_OTHER_WIDGETS, t[IDS_HIDE_OTHERS]);         // 12
    add(ID_MEMO_ARRANGE, t[IDS_ARRANGEMENT]);               // 13
    add(ID_MEMO_SKIN_COLOR, t[IDS_SKIN_COLOR]);             // 14
    add(ID_MEMO_ALARM, t[IDS_ATTACH_SCHEDULE]);             // 15
    add(IDC_FOLDED_TITLE, t[IDS_INPUT_TITLE_MENU]);         // 16
    add(ID_FIX_LOCATION, t[IDS_FIX_LOCATION]);              // 17
    add(ID_MEMO_READ_ONLY, t[IDS_READ_ONLY]);               // 18
    separator();                                            // 19
    add(ID_MEMO_DELETE, t[IDS_MEMO_DELETE]);                // 20
    separator();                                            // 21
    add(ID_MEMO_SEND, t[IDS_SEND_MEMO]);                    // 22
    separator();                                            // 23
    add(ID_MEMO_SAVE_TO_FILE, t[IDS_SAVE_TO_FILE]);         // 24
    add(ID_MEMO_WORDPAD, t[IDS_OPEN_WORDPAD]);              // 25
    add(ID_MEMO_PRINT, t[IDS_PRINT]);                       // 26
    separator();                                            // 27
    HMENU moveTo = CreatePopupMenu(), openGroup = CreatePopupMenu(), extended = CreatePopupMenu();
    popup(moveTo, t[IDS_SEND_TO_GROUP]);                    // 28
    popup(openGroup, t[IDS_OPEN_GROUP]);                    // 29
    separator();                                            // 30
    popup(extended, t[IDS_EXPANDED_MENU]);                  // 31
    if (s_pHost) {
        CMenu wrap;
        wrap.Attach(moveTo);
        s_pHost->BuildMoveToGroupMenu(&wrap);
        wrap.Detach();
        wrap.Attach(openGroup);
        s_pHost->BuildOpenGroupMenu(&wrap);
        wrap.Detach();
        wrap.Attach(extended);
        s_pHost->TranslateMemoMenu(&wrap);
        wrap.Detach();
    }

    if (m_info.m_bFitHeight) CheckMenuItem(menu, ID_MEMO_FIT_HEIGHT, MF_BYCOMMAND | MF_CHECKED);
    if (m_info.m_bPinned) CheckMenuItem(menu, ID_FIX_LOCATION, MF_BYCOMMAND | MF_CHECKED);
    if (m_info.m_bReadOnly) CheckMenuItem(menu, ID_MEMO_READ_ONLY, MF_BYCOMMAND | MF_CHECKED);
    static const UINT levelId[3] = {ID_MEMO_NORMAL, ID_MEMO_TOPMOST, ID_MEMO_DESKTOP};
    CheckMenuItem(menu, levelId[std::max(0, std::min(2, m_info.m_nLevel))], MF_BYCOMMAND | MF_CHECKED);
    if (IsLocked()) {
        EnableMenuItem(menu, ID_MEMO_ALARM, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(menu, ID_MEMO_WORDPAD, MF_BYCOMMAND | MF_GRAYED);
    }
    if (IsOpenFailed()) {
        for (UINT id : {ID_MEMO_ALARM, ID_MEMO_SEND, ID_MEMO_SAVE_TO_FILE, ID_MEMO_WORDPAD, ID_MEMO_PRINT, ID_MEMO_LOCK,
                        ID_MEMO_READ_ONLY})
            EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        // The way out of the read-only state comes first.
        InsertMenuW(menu, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        InsertMenuW(menu, 0, MF_BYPOSITION | MF_STRING, ID_MEMO_START_AFRESH, t[IDS_START_AFRESH]);
    }
    if (!GetFloatingOptions().PlatformNT) DeleteMenu(menu, ID_MEMO_ALARM, MF_BYCOMMAND);
    if (!g_Settings.General.EnableDesktop) DeleteMenu(menu, ID_MEMO_DESKTOP, MF_BYCOMMAND);
    DeleteMenu(menu, ID_MEMO_READ_ONLY, MF_BYCOMMAND);
    return menu;
}

void CMemoDlg::ShowContextMenu(CPoint clientPoint) {
    CPoint screen = clientPoint;
    ClientToScreen(&screen);
    if (CWnd* main = AfxGetMainWnd()) ::SetForegroundWindow(main->GetSafeHwnd());
    HMENU menu = BuildContextMenu();
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, m_hWnd, nullptr);
    DestroyMenu(menu);
}

void CMemoDlg::OnUnfold() {
    if (IsLocked() && !IsTextLoaded() && !AskAndCheckPassword()) return;
    SetExpanded(TRUE, FALSE);
    if (s_pHost) s_pHost->HideMemoTip();
    if (g_Settings.General.SimpleMemoInactive) ShowTitleParts(FALSE);
}

void CMemoDlg::OnFold() {
    if (!IsExpanded() && IsLocked()) {
        OnUnfold();
        return;
    }
    SetExpanded(!IsExpanded(), FALSE);
    ::SetForegroundWindow(m_hWnd);
    if (s_pHost) s_pHost->HideMemoTip();
}

bool CMemoDlg::HasContent() {
    LONGLONG size = 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExW(GetMemoPath(), GetFileExInfoStandard, &data))
        size = ((LONGLONG)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    return NoteLogic::NoteHasContent(m_edit.IsOpenFailed(), m_edit.GetTextLengthEx(), IsTextLoaded() != FALSE, size);
}

void CMemoDlg::RemoveFile() {
    // An unreadable file is never removed: it may still hold the note.
    if (!IsOpenFailed() && IsSafeFileName(m_info.m_strFileName)) ::DeleteFileW(GetMemoPath());
    if (s_pHost) s_pHost->PostToFrame(WM_MEMO_CLOSED, (WPARAM)this, 0);
}

void CMemoDlg::KeepCopy() {
    if (!HasContent()) {
        RemoveFile();
        return;
    }
    SaveMemo();
    CString target = g_Settings.MemoFolder + MakeDeletedMemoFileName(m_info.m_strFileName);
    if (IsSafeFileName(m_info.m_strFileName) && ::MoveFileW(GetMemoPath(), target) && s_pHost)
        s_pHost->AddToRestoreMemoDialog(target);
    if (s_pHost) s_pHost->PostToFrame(WM_MEMO_CLOSED, (WPARAM)this, 0);
}

void CMemoDlg::DeleteMemo() {
    NoteLogic::DeleteInput in;
    s_readModifiers(in.shift, in.ctrl, in.alt);
    in.locked = IsLocked() != FALSE;
    in.hasContent = HasContent();
    in.confirmOpen = m_bDeleteAsking != FALSE;
    NoteLogic::DeleteAction action = NoteLogic::DecideDelete(in);
    if (action == NoteLogic::DeleteAction::Ask) {
        if (!s_pHost) return;
        m_bDeleteAsking = TRUE;
        int answer = s_pHost->AskDelete(this, in.locked, s_pHost->IsRecycleBinGroup());
        m_bDeleteAsking = FALSE;
        action = NoteLogic::DeleteFromAnswer(answer, in.hasContent);
    }
    switch (action) {
    case NoteLogic::DeleteAction::Remove: RemoveFile(); break;
    case NoteLogic::DeleteAction::KeepCopy: KeepCopy(); break;
    case NoteLogic::DeleteAction::RecycleBin:
        if (s_pHost) s_pHost->PostToFrame(WM_MEMO_TO_RECYCLE_BIN, (WPARAM)this, 0);
        break;
    default: break;
    }
}

void CMemoDlg::OnLock() {
    if (!s_pHost) return;
    if (IsLocked()) {
        CString password;
        if (!s_pHost->AskPassword(this, password)) return;
        CNoteTextStore::LockResult result = m_store.Unlock(m_edit, password);
        if (result == CNoteTextStore::LockResult::WrongPassword) {
            s_pHost->ShowMessageBox(g_LanguageTable[IDS_WRONG_PASSWORD], g_LanguageTable[IDS_CAPTION], -1);
            return;
        }
        if (result != CNoteTextStore::LockResult::Done) return;
        SetFoldedButtonImages();
        SetExpanded(TRUE, FALSE);
    } else {
        CString password, title = m_info.m_strTitle;
        if (!s_pHost->AskLock(this, password, title)) return;
        CNoteTextStore::LockResult result = m_store.Lock(m_edit, password, title);
        if (result == CNoteTextStore::LockResult::NoToken) {
            s_pHost->ShowMessageBox(g_LanguageTable[IDS_PASSWORD_FAILED], g_LanguageTable[IDS_CAPTION], -1);
            return;
        }
        if (result != CNoteTextStore::LockResult::Done) return;
        SetFoldedButtonImages();
        SetExpanded(FALSE, FALSE);
    }
    // The new file is written already; the frame rewrites the memo list.
    m_bChanged = 1;
    s_pHost->AutoSaveMemos();
}

void CMemoDlg::OnMoveToGroup(UINT id) {
    int n = (int)(id - ID_MOVE_GROUP_FIRST);
    if (!s_pHost || n >= s_pHost->GetGroupFileCount()) return;
    s_pHost->MoveMemoToGroup(this, n);
}

namespace {

bool AskSavePath(CWnd* owner, CString& path) {
    wchar_t buffer[MAX_PATH];
    lstrcpynW(buffer, MakeMemoFileNameAt(Now(), L".rtf", CString()), MAX_PATH);
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner->GetSafeHwnd();
    ofn.lpstrFilter = L"Rich Text Format (RTF) Files(*.rtf) \0*.rtf\0";
    ofn.lpstrFile = buffer;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrDefExt = L"rtf";
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&ofn)) return false;
    path = buffer;
    return true;
}

}  // namespace

void CMemoDlg::OnSaveToFile() {
    if (!UnlockForAction()) return;
    if (m_edit.GetModify()) SaveMemo();
    CString path;
    if (AskSavePath(this, path)) m_edit.SaveToFile(path);
}

void CMemoDlg::OnOpenWordPad() {
    if (m_edit.GetModify()) SaveMemo();
    CString path;
    if (!AskSavePath(this, path)) return;
    m_edit.SaveToFile(path);
    wchar_t program[MAX_PATH] = {}, folder[MAX_PATH] = {};
    DWORD size = sizeof program;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\WORDPAD.EXE", nullptr,
                 RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, program, &size);
    size = sizeof folder;
    RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir",
                 RRF_RT_REG_SZ, nullptr, folder, &size);
    CString exe = program;
    exe.Replace(L"%ProgramFiles%", folder);
    if (exe.IsEmpty()) return;
    // A wide command line: paths in any language reach WordPad intact.
    CString command;
    command.Format(L"\"%s\" \"%s\"", (LPCTSTR)exe, (LPCTSTR)path);
    command.Replace(L"\"\"", L"\"");
    STARTUPINFOW si = {sizeof si};
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    std::wstring line(command.GetString());
    if (CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
}

void CMemoDlg::OnPrint() {
    if (!UnlockForAction()) return;
    if (m_edit.GetModify()) SaveMemo();
    PRINTDLGW pd = {};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = m_hWnd;
    pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE;
    if (!PrintDlgW(&pd) || !pd.hDC) return;
    HDC dc = pd.hDC;
    CRect page = NoteLogic::PrintPageTwips(GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, LOGPIXELSX),
                                           GetDeviceCaps(dc, VERTRES), GetDeviceCaps(dc, LOGPIXELSY));
    SetMapMode(dc, MM_TEXT);
    FORMATRANGE fr = {};
    fr.hdc = fr.hdcTarget = dc;
    fr.rc = fr.rcPage = page;
    DOCINFOW doc = {sizeof doc};
    doc.lpszDocName = m_info.m_strFileName;
    long length = m_edit.GetTextLengthEx();
    if (StartDocW(dc, &doc) > 0) {
        long start = 0, previous = -1;
        while (start < length) {
            fr.chrg.cpMin = start;
            fr.chrg.cpMax = -1;
            fr.rc = page;
            long next = (long)m_edit.SendMessage(EM_FORMATRANGE, FALSE, (LPARAM)&fr);
            if (next <= previous || next <= start) break;
            StartPage(dc);
            m_edit.SendMessage(EM_DISPLAYBAND, 0, (LPARAM)&fr.rc);
            EndPage(dc);
            previous = next;
            start = next;
        }
        m_edit.SendMessage(EM_FORMATRANGE, FALSE, 0);
        EndDoc(dc);
    }
    DeleteDC(dc);
    if (pd.hDevMode) GlobalFree(pd.hDevMode);
    if (pd.hDevNames) GlobalFree(pd.hDevNames);
}

void CMemoDlg::OnSend() {
    if (m_edit.GetModify()) SaveMemo();
    if (s_pHost) s_pHost->OpenSendDialog(this);
}

void CMemoDlg::OnNewSameColor() {
    g_Settings.General.DefaultColorType = m_info.m_nColorType;
    if (s_pHost) {
        s_pHost->SaveSettings();
        s_pHost->PostToFrame(WM_NEW_MEMO, 0, 0);
    }
}

void CMemoDlg::OnNextColor() {
    int type = (m_info.m_nColorType + 1) % COLOR_TYPE_COUNT;
    g_Settings.General.DefaultColorType = type;
    if (s_pHost) s_pHost->SaveSettings();
    SetColorType(type, TRUE);
    m_bChanged = 1;
}

void CMemoDlg::OnIconClick() {
    if (NoteLogic::ImportanceRunsReminder(m_info.m_nImportance))
        StopReminder();
    else
        m_info.m_nImportance = (BYTE)NoteLogic::ImportanceAfterClick(m_info.m_nImportance);
    CRect icon(2, 2, 18, 18);
    InvalidateRect(&icon, FALSE);
    if (m_pTitleBar && m_pTitleBar->m_hWnd) m_pTitleBar->Invalidate(FALSE);
    m_bChanged = 1;
}

void CMemoDlg::OnIconDoubleClick() {
    if (m_info.m_nImportance == 1)
        StopReminder();
    else
        SetReminder(TRUE);
    if (m_pTitleBar && m_pTitleBar->m_hWnd) m_pTitleBar->Invalidate(FALSE);
}

void CMemoDlg::OnTitleInput() {
    if (m_bTitleDialogOpen) return;
    m_bTitleDialogOpen = TRUE;
    LOGFONTW font;
    COLORREF color;
    m_info.GetTitleFont(font, color);
    CMemoTitleInputDlg dialog(this, font, color, m_info.m_strTitle);
    if (dialog.DoModal() == IDOK) {
        m_info.SetTitleFont(dialog.GetFont(), dialog.GetColor());
        g_Settings.General.TitleFont = m_info.m_strTitleFont;
        MemoDefaults defaults = CMemoInfo::GetDefaults();
        defaults.titleFont = m_info.m_strTitleFont;
        CMemoInfo::SetDefaults(defaults);
        if (s_pHost) s_pHost->SaveSettings();
        m_info.m_strTitle = dialog.GetTitle();
        if (g_Settings.General.SimpleMemoInactive) ShowTitleParts(!m_nActive);
        SetExpanded(IsExpanded(), TRUE);
        Invalidate(FALSE);
        m_bChanged = 1;
    }
    m_bTitleDialogOpen = FALSE;
}
