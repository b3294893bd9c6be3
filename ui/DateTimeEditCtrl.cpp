#include "ui/DateTimeEditCtrl.h"

#include "ui/ControlSettings.h"

#include <shlwapi.h>
#include <uxtheme.h>

namespace {

const UINT WM_DTE_CLOSE = WM_USER + 1;     // close the calendar (wParam 1: cancel)
const UINT WM_DTE_RECREATE = WM_USER + 2;  // a template control makes itself again
const UINT kEditId = 1, kButtonId = 2, kCalendarId = 3, kDropDownId = 4;

wchar_t g_separator = 0;
CString g_picture;
bool g_localeRead = false;

}  // namespace

// ---- Locale and dates -------------------------------------------------------------

void CDateTimeEditCtrl::ReadLocaleFormat() {
    wchar_t buf[80] = {};
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDATE, buf, 80) && buf[0]) g_separator = buf[0];
    else g_separator = L'/';
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buf, 80) && buf[0]) g_picture = buf;
    else g_picture = L"M/d/yyyy";
    g_localeRead = true;
}

void CDateTimeEditCtrl::SetLocaleFormat(wchar_t separator, LPCTSTR picture) {
    g_separator = separator;
    g_picture = picture;
    g_localeRead = true;
}

wchar_t CDateTimeEditCtrl::DateSeparator() {
    if (!g_localeRead) ReadLocaleFormat();
    return g_separator;
}

CString CDateTimeEditCtrl::ShortDateFormat() {
    if (!g_localeRead) ReadLocaleFormat();
    return g_picture;
}

bool CDateTimeEditCtrl::ParseDate(const CString& text, SYSTEMTIME* date) {
    return CDateFieldLogic::Parse(text, ShortDateFormat(), date);
}

CString CDateTimeEditCtrl::FormatDate(const SYSTEMTIME& date) { return CDateFieldLogic::Format(date, ShortDateFormat()); }

bool CDateTimeEditCtrl::IsThemed() {
    static int themed = -1;
    if (themed < 0) {
        themed = 0;
        HMODULE ux = ::LoadLibraryW(L"uxtheme.dll");
        typedef BOOL(WINAPI * IsAppThemedFn)();
        IsAppThemedFn isAppThemed = ux ? (IsAppThemedFn)(void*)::GetProcAddress(ux, "IsAppThemed") : nullptr;
        bool haveAll = ux && isAppThemed && ::GetProcAddress(ux, "OpenThemeData") &&
                       ::GetProcAddress(ux, "CloseThemeData") && ::GetProcAddress(ux, "DrawThemeBackground");
        HMODULE cc = ::GetModuleHandleW(L"COMCTL32.DLL");
        DLLGETVERSIONPROC getVersion = cc ? (DLLGETVERSIONPROC)(void*)::GetProcAddress(cc, "DllGetVersion") : nullptr;
        DLLVERSIONINFO vi = {sizeof(vi), 0, 0, 0, 0};
        bool v6 = getVersion && SUCCEEDED(getVersion(&vi)) && vi.dwMajorVersion >= 6;
        themed = (haveAll && v6 && isAppThemed()) ? 1 : 0;
    }
    return themed == 1;
}

// ---- The control ------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDateTimeEditCtrl, CControlBase)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ENABLE()
    ON_WM_DESTROY()
    ON_WM_THEMECHANGED()
    ON_WM_CANCELMODE()
    ON_MESSAGE(WM_DTE_RECREATE, OnRecreate)
    ON_MESSAGE(WM_DTE_CLOSE, OnCloseCalendar)
END_MESSAGE_MAP()

CDateTimeEditCtrl::CDateTimeEditCtrl()
    : m_pEdit(new CDateTimeEditCtrlEditCtrl(this)), m_pButton(new CDateTimeEditCtrlButton(this)) {
    m_crCalendar[0] = (COLORREF)-1;
    m_crCalendar[1] = ::GetSysColor(COLOR_BTNTEXT);
    m_crCalendar[2] = ::GetSysColor(COLOR_ACTIVECAPTION);
    m_crCalendar[3] = (COLORREF)-1;
    m_crCalendar[4] = (COLORREF)-1;
    m_crCalendar[5] = ::GetSysColor(COLOR_BTNSHADOW);
}

CDateTimeEditCtrl::~CDateTimeEditCtrl() {
    if (m_pCalendarWnd) {
        if (m_pCalendarWnd->m_hWnd) m_pCalendarWnd->DestroyWindow();
        delete m_pCalendarWnd;
        m_pCalendarWnd = nullptr;
    }
    if (m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_hWnd) DestroyWindow();
    if (m_hButtonBitmap) ::DeleteObject(m_hButtonBitmap);
    if (m_hMarlett) ::DeleteObject(m_hMarlett);
}

BOOL CDateTimeEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
    m_bCreatedByCode = TRUE;
    return CWnd::Create(DATETIMEPICK_CLASSW, nullptr, style, rect, parent, id);
}

BOOL CDateTimeEditCtrl::PreCreateWindow(CREATESTRUCT& cs) {
    // The picker's own DTS_ styles are ours to interpret: taken out before the
    // system control sees them.
    m_bReadOnly = (cs.style & 0x800) != 0;
    m_bRightAlign = (cs.style & DTS_RIGHTALIGN) != 0;
    cs.style &= ~0x8FFu;
    cs.style |= WS_CLIPCHILDREN;
    if (IsThemed() && m_nBitmapEnabled) cs.style |= WS_BORDER;
    return CControlBase::PreCreateWindow(cs);
}

void CDateTimeEditCtrl::PreSubclassWindow() {
    CControlBase::PreSubclassWindow();
    if (!m_bCreatedByCode && !m_bRecreating) PostMessage(WM_DTE_RECREATE);
}

LRESULT CDateTimeEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A template control makes itself again before it does anything else.
    if (!m_bCreatedByCode && !m_bRecreating && !m_pEdit->m_hWnd && message != WM_DTE_RECREATE &&
        message != WM_NCDESTROY && message != WM_DESTROY) {
        MSG pending;
        if (::PeekMessageW(&pending, m_hWnd, WM_DTE_RECREATE, WM_DTE_RECREATE, PM_REMOVE)) {
            HWND old = m_hWnd;
            OnRecreate(0, 0);
            if (m_hWnd != old) return m_hWnd ? ::SendMessageW(m_hWnd, message, wParam, lParam) : 0;
        }
    }
    switch (message) {
    case WM_SETTEXT:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
        if (m_pEdit->m_hWnd) return m_pEdit->SendMessage(message, wParam, lParam);
        break;
    case WM_SETFONT:
        if (m_pEdit->m_hWnd) m_pEdit->SendMessage(WM_SETFONT, wParam, lParam);
        if (m_pButton->m_hWnd) {
            if (!m_hMarlett) {
                HDC dc = ::GetDC(m_hWnd);
                int height = -::MulDiv(10, ::GetDeviceCaps(dc, LOGPIXELSY), 72);
                ::ReleaseDC(m_hWnd, dc);
                m_hMarlett = ::CreateFontW(height, 0, 0, 0, FW_NORMAL, 0, 0, 0, SYMBOL_CHARSET, OUT_DEFAULT_PRECIS,
                                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"Marlett");
                // Without the Marlett font the caption would read "6": the
                // button then draws the arrow itself.
                dc = ::GetDC(m_hWnd);
                HGDIOBJ old = ::SelectObject(dc, m_hMarlett);
                wchar_t face[LF_FACESIZE] = {};
                ::GetTextFaceW(dc, LF_FACESIZE, face);
                ::SelectObject(dc, old);
                ::ReleaseDC(m_hWnd, dc);
                m_bDrawArrow = lstrcmpiW(face, L"Marlett") != 0;
                if (m_bDrawArrow) m_pButton->ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
            }
            m_pButton->SendMessage(WM_SETFONT, (WPARAM)m_hMarlett, lParam);
        }
        return 0;
    case DTM_GETSYSTEMTIME: {
        CString text = GetText();
        if (text.IsEmpty()) return GDT_NONE;
        SYSTEMTIME st;
        // A text that is no date is reported as an error, not as a valid date.
        if (!ParseDate(text, &st)) return GDT_ERROR;
        if (lParam) *(SYSTEMTIME*)lParam = st;
        return GDT_VALID;
    }
    case DTM_SETSYSTEMTIME: {
        if (wParam == GDT_NONE) {
            m_nStatus = DateNull;
            SetText(CString());
            return 1;
        }
        const SYSTEMTIME* st = (const SYSTEMTIME*)lParam;
        if (wParam != GDT_VALID || !st || !CDateFieldLogic::IsValidDate(st->wYear, st->wMonth, st->wDay)) {
            m_nStatus = DateInvalid;
            return 0;
        }
        m_date = *st;
        m_nStatus = DateValid;
        SetText(FormatDate(*st));
        return 1;
    }
    case DTM_GETRANGE: {
        SYSTEMTIME* out = (SYSTEMTIME*)lParam;
        DWORD flags = 0;
        if (out && m_pMinDate) { out[0] = *m_pMinDate; flags |= GDTR_MIN; }
        if (out && m_pMaxDate) { out[1] = *m_pMaxDate; flags |= GDTR_MAX; }
        return flags;
    }
    case DTM_SETRANGE: {
        const SYSTEMTIME* in = (const SYSTEMTIME*)lParam;
        m_pMinDate.reset((wParam & GDTR_MIN) && in ? new SYSTEMTIME(in[0]) : nullptr);
        m_pMaxDate.reset((wParam & GDTR_MAX) && in ? new SYSTEMTIME(in[1]) : nullptr);
        if (m_pCalendarWnd) m_pCalendarWnd->Calendar().SendMessage(MCM_SETRANGE, wParam, lParam);
        return 1;
    }
    case DTM_SETMCCOLOR:
        if (wParam < 6) {
            COLORREF old = m_crCalendar[wParam];
            m_crCalendar[wParam] = (COLORREF)lParam;
            if (m_pCalendarWnd) m_pCalendarWnd->Calendar().SendMessage(MCM_SETCOLOR, wParam, lParam);
            return old;
        }
        return (LRESULT)-1;
    case DTM_GETMCCOLOR:
        if (wParam >= 6) return (LRESULT)-1;
        if (m_pCalendarWnd) return m_pCalendarWnd->Calendar().SendMessage(MCM_GETCOLOR, wParam);
        return m_crCalendar[wParam];
    case DTM_GETMONTHCAL:
        return m_pCalendarWnd ? (LRESULT)m_pCalendarWnd->Calendar().m_hWnd : 0;
    case DTM_SETMCFONT:
        m_hCalendarFont = (HFONT)wParam;
        if (m_pCalendarWnd) m_pCalendarWnd->Calendar().SendMessage(WM_SETFONT, wParam, lParam);
        return 0;
    case DTM_GETMCFONT:
        return (LRESULT)m_hCalendarFont;
    case DTM_SETFORMATW:
    case DTM_SETFORMATA:
        // The text always follows the user's short date format.
        return FALSE;
    case WM_STYLECHANGED:
        if (wParam == (WPARAM)GWL_STYLE && lParam) {
            const STYLESTRUCT* ss = (const STYLESTRUCT*)lParam;
            DWORD changed = ss->styleOld ^ ss->styleNew;
            if (changed & 0x800) SetReadOnly((ss->styleNew & 0x800) != 0);
            if ((changed & DTS_RIGHTALIGN) && m_pEdit->m_hWnd) {
                m_bRightAlign = (ss->styleNew & DTS_RIGHTALIGN) != 0;
                m_pEdit->ModifyStyle(m_bRightAlign ? 0 : ES_RIGHT, m_bRightAlign ? ES_RIGHT : 0);
                m_pEdit->Invalidate();
            }
        }
        break;
    case WM_NOTIFY: {
        NMHDR* nm = (NMHDR*)lParam;
        // Other notifications of our children go on under our name.
        HWND parent = ::GetParent(m_hWnd);
        if (nm && parent && nm->hwndFrom != m_hWnd) {
            nm->hwndFrom = m_hWnd;
            nm->idFrom = (UINT_PTR)GetDlgCtrlID();
            return ::SendMessageW(parent, WM_NOTIFY, nm->idFrom, lParam);
        }
        break;
    }
    default:
        break;
    }
    return CControlBase::WindowProc(message, wParam, lParam);
}

int CDateTimeEditCtrl::OnCreate(LPCREATESTRUCT cs) {
    if (Default() == -1) return -1;
    DWORD visible = cs->style & (WS_VISIBLE | WS_DISABLED);
    CRect none(0, 0, 0, 0);
    if (!m_pEdit->Create(L"EDIT", L"", WS_CHILD | WS_CLIPSIBLINGS | ES_AUTOHSCROLL | visible, none, this, kEditId))
        return -1;
    DWORD buttonStyle = WS_CHILD | visible | (IsThemed() ? BS_OWNERDRAW : BS_PUSHBUTTON);
    if (!m_pButton->Create(L"BUTTON", L"6", buttonStyle, none, this, kButtonId)) return -1;
    if (m_bReadOnly) SetReadOnly(true);
    ApplyButtonBitmap();
    HWND parent = ::GetParent(m_hWnd);
    WPARAM font = parent ? ::SendMessageW(parent, WM_GETFONT, 0, 0) : 0;
    if (!font) font = (WPARAM)::GetStockObject(DEFAULT_GUI_FONT);
    SendMessage(WM_SETFONT, font, FALSE);
    // The button keeps the Marlett arrow: a text font would show the "6".
    return 0;
}

void CDateTimeEditCtrl::OnDestroy() {
    if (m_pCalendarWnd) CloseCalendar(false);
    CControlBase::OnDestroy();
}

LRESULT CDateTimeEditCtrl::OnRecreate(WPARAM, LPARAM) {
    if (m_bRecreating || !m_hWnd) return 0;
    m_bRecreating = true;
    HWND parent = ::GetParent(m_hWnd);
    DWORD style = GetStyle(), exStyle = GetExStyle();
    CRect rect;
    GetWindowRect(&rect);
    if (parent) ::MapWindowPoints(nullptr, parent, (LPPOINT)&rect, 2);
    UINT id = (UINT)GetDlgCtrlID();
    HFONT font = (HFONT)SendMessage(WM_GETFONT);
    bool hadFocus = ::GetFocus() == m_hWnd || ::IsChild(m_hWnd, ::GetFocus());
    HWND before = ::GetWindow(m_hWnd, GW_HWNDPREV);
    if (IsThemed() && m_nBitmapEnabled) style |= WS_BORDER;
    DestroyWindow();
    m_bCreatedByCode = FALSE;
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_DATE_CLASSES};
    ::InitCommonControlsEx(&icc);
    BOOL ok = CreateEx(exStyle, DATETIMEPICK_CLASSW, nullptr, style, rect.left, rect.top, rect.Width(),
                       rect.Height(), parent, (HMENU)(UINT_PTR)id);
    if (ok) {
        if (!font && parent) font = (HFONT)::SendMessageW(parent, WM_GETFONT, 0, 0);
        if (font) SendMessage(WM_SETFONT, (WPARAM)font, FALSE);
        if (hadFocus) SetFocus();
        ::SetWindowPos(m_hWnd, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    m_bRecreating = false;
    return 0;
}

void CDateTimeEditCtrl::OnSize(UINT, int cx, int cy) {
    if (cx == 0 || cy == 0 || !m_pEdit->m_hWnd) return;
    int buttonWidth = IsThemed() ? 16 : cy;
    CRect edit(0, 0, cx - buttonWidth, cy);
    if (IsThemed() && m_nBitmapEnabled) edit.DeflateRect(2, 2);
    m_pEdit->MoveWindow(&edit);
    m_pButton->MoveWindow(cx - buttonWidth, 0, buttonWidth, cy);
}

void CDateTimeEditCtrl::OnSetFocus(CWnd*) {
    if (!m_pEdit->m_hWnd) return;
    m_pEdit->SetFocus();
    m_pEdit->SendMessage(EM_SETSEL, 0, -1);
    m_pEdit->SendMessage(EM_SCROLLCARET);
}

void CDateTimeEditCtrl::OnEnable(BOOL enable) {
    Default();
    m_bDisabled = !enable;
    if (m_pButton->m_hWnd) m_pButton->EnableWindow(enable && !m_bReadOnly);
    if (m_pEdit->m_hWnd) {
        m_pEdit->EnableWindow(enable);
        if (enable && !m_bReadOnly) m_pEdit->SendMessage(EM_SETREADONLY, FALSE);
    }
    ApplyButtonBitmap();
}

void CDateTimeEditCtrl::SetReadOnly(bool on) {
    m_bReadOnly = on;
    if (m_pEdit->m_hWnd) m_pEdit->SendMessage(EM_SETREADONLY, on);
    if (m_hWnd) {
        EnableWindow(FALSE);
        EnableWindow(TRUE);
    }
}

LRESULT CDateTimeEditCtrl::OnThemeChanged() {
    ApplyButtonBitmap();
    if (m_pButton->m_hWnd)
        m_pButton->ModifyStyle(BS_TYPEMASK, IsThemed() || m_bDrawArrow ? BS_OWNERDRAW : BS_PUSHBUTTON);
    return 0;
}

void CDateTimeEditCtrl::OnCancelMode() {
    Default();
    if (m_pCalendarWnd) CloseCalendar(false);
}

int CDateTimeEditCtrl::SetButtonBitmap(UINT enabledId, UINT disabledId) {
    m_nBitmapEnabled = enabledId;
    m_nBitmapDisabled = disabledId;
    if (!m_pButton->m_hWnd) return 1;
    if (enabledId == 0) {
        m_pButton->ModifyStyle(BS_BITMAP | BS_CENTER, 0);
        m_pButton->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, 0);
        if (m_hButtonBitmap) ::DeleteObject(m_hButtonBitmap);
        m_hButtonBitmap = nullptr;
        if (IsThemed()) ModifyStyle(WS_BORDER, 0, SWP_FRAMECHANGED);
        return 1;
    }
    UINT id = (!m_pButton->IsWindowEnabled() && disabledId) ? disabledId : enabledId;
    HBITMAP bmp = ::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(id));
    if (!bmp) return 0;
    if (m_hButtonBitmap) ::DeleteObject(m_hButtonBitmap);
    m_hButtonBitmap = bmp;
    m_pButton->ModifyStyle(0, BS_BITMAP | BS_CENTER);
    m_pButton->SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)bmp);
    if (IsThemed()) ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED);
    return 1;
}

void CDateTimeEditCtrl::ApplyButtonBitmap() {
    if (m_nBitmapEnabled) SetButtonBitmap(m_nBitmapEnabled, m_nBitmapDisabled);
}

DWORD CDateTimeEditCtrl::GetTime(SYSTEMTIME* time) {
    SYSTEMTIME st = {};
    st.wYear = 65535;
    st.wMonth = 65535;
    st.wDay = 65535;
    LRESULT r = SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)&st);
    if (st.wYear > 10000 || st.wMonth > 12 || st.wDay > 31) {
        SYSTEMTIME now;
        ::GetLocalTime(&now);
        st.wYear = now.wYear;
        st.wMonth = now.wMonth;
        st.wDay = now.wDay;
        if (time) *time = st;
        return 1000;
    }
    if (time) *time = st;
    return (DWORD)r;
}

BOOL CDateTimeEditCtrl::IsValidDateText(LPCTSTR text) {
    CString t = (text && *text) ? CString(text) : GetText();
    return ParseDate(t, nullptr);
}

void CDateTimeEditCtrl::SetText(const CString& text) {
    if (m_pEdit->m_hWnd) m_pEdit->SetWindowText(text);
}

CString CDateTimeEditCtrl::GetText() const {
    return m_pEdit->m_hWnd ? m_pEdit->GetWindowText() : CString();
}

void CDateTimeEditCtrl::Notify(UINT code, NMHDR* header, size_t) {
    HWND parent = ::GetParent(m_hWnd);
    if (!parent) return;
    header->hwndFrom = m_hWnd;
    header->idFrom = (UINT_PTR)GetDlgCtrlID();
    header->code = code;
    ::SendMessageW(parent, WM_NOTIFY, header->idFrom, (LPARAM)header);
}

void CDateTimeEditCtrl::NotifyChange() {
    NMDATETIMECHANGE nm = {};
    SYSTEMTIME st = {};
    CString text = GetText();
    if (text.IsEmpty()) {
        nm.dwFlags = GDT_NONE;
    } else if (ParseDate(text, &st)) {
        nm.dwFlags = GDT_VALID;
        nm.st = st;
    } else {
        nm.dwFlags = (DWORD)GDT_ERROR;  // all fields 0
    }
    Notify(DTN_DATETIMECHANGE, &nm.nmhdr, sizeof(nm));
}

BOOL CDateTimeEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT id = LOWORD(wParam), code = HIWORD(wParam);
    if (id == kEditId && m_pEdit->m_hWnd && (HWND)lParam == m_pEdit->m_hWnd) {
        HWND parent = ::GetParent(m_hWnd);
        if (parent) ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), (LPARAM)m_hWnd);
        return TRUE;
    }
    if (id == kButtonId && code == BN_CLICKED) {
        ToggleCalendar();
        return TRUE;
    }
    return CControlBase::OnCommand(wParam, lParam);
}

void CDateTimeEditCtrl::StepField(bool up) {
    DWORD start = 0, end = 0;
    m_pEdit->SendMessage(EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
    CString text = GetText();
    CDateFieldLogic::StepResult r = CDateFieldLogic::Step(text, (int)start, (int)end, DateSeparator(),
                                                          ShortDateFormat(), up, m_pMinDate.get(), m_pMaxDate.get());
    SetText(r.text);
    m_pEdit->SendMessage(EM_SETSEL, r.selStart, r.selEnd);
    m_pEdit->SendMessage(EM_SCROLLCARET);
    NotifyChange();
}

void CDateTimeEditCtrl::ToggleCalendar() {
    if (m_pCalendarWnd) CloseCalendar(false);
    else OpenCalendar();
}

void CDateTimeEditCtrl::OpenCalendar() {
    if (m_pCalendarWnd || !m_hWnd) return;
    CRect edit;
    m_pEdit->GetWindowRect(&edit);
    CRect control;
    GetWindowRect(&control);
    m_strSavedText = GetText();
    m_pCalendarWnd = new CDateTimeEditCtrlCalendarWnd(this);
    if (!m_pCalendarWnd->Open(CRect(edit.left, control.top, edit.right, control.bottom))) {
        delete m_pCalendarWnd;
        m_pCalendarWnd = nullptr;
        return;
    }
    CWnd& cal = m_pCalendarWnd->Calendar();
    DWORD flags = (m_pMinDate ? GDTR_MIN : 0) | (m_pMaxDate ? GDTR_MAX : 0);
    if (flags) {
        SYSTEMTIME range[2] = {};
        if (m_pMinDate) range[0] = *m_pMinDate;
        if (m_pMaxDate) range[1] = *m_pMaxDate;
        cal.SendMessage(MCM_SETRANGE, flags, (LPARAM)range);
    }
    SYSTEMTIME day;
    ::GetLocalTime(&day);
    SYSTEMTIME parsed;
    if (ParseDate(m_strSavedText, &parsed)) day = parsed;
    if (m_pMinDate && CDateFieldLogic::CompareDates(day, *m_pMinDate) < 0) day = *m_pMinDate;
    if (m_pMaxDate && CDateFieldLogic::CompareDates(day, *m_pMaxDate) > 0) day = *m_pMaxDate;
    cal.SendMessage(MCM_SETCURSEL, 0, (LPARAM)&day);
    if (m_hCalendarFont) cal.SendMessage(WM_SETFONT, (WPARAM)m_hCalendarFont, TRUE);
    for (int i = 0; i < 6; ++i)
        if (m_crCalendar[i] != (COLORREF)-1) cal.SendMessage(MCM_SETCOLOR, i, m_crCalendar[i]);
    NMHDR nm = {};
    Notify(DTN_DROPDOWN, &nm, sizeof(nm));
}

LRESULT CDateTimeEditCtrl::OnCloseCalendar(WPARAM wParam, LPARAM) {
    CloseCalendar(wParam != 0);
    return 0;
}

void CDateTimeEditCtrl::CloseCalendar(bool cancel) {
    if (!m_pCalendarWnd) return;
    CDateTimeEditCtrlCalendarWnd* wnd = m_pCalendarWnd;
    m_pCalendarWnd = nullptr;
    if (wnd->m_hWnd) wnd->DestroyWindow();
    delete wnd;
    if (m_pEdit->m_hWnd) m_pEdit->SetFocus();
    if (cancel) {
        SetText(m_strSavedText);
        NotifyChange();
    }
    NMHDR nm = {};
    Notify(DTN_CLOSEUP, &nm, sizeof(nm));
}

void CDateTimeEditCtrl::SelectionFromCalendar(const SYSTEMTIME& day, bool final) {
    m_date = day;
    m_nStatus = DateValid;
    SetText(FormatDate(day));
    NotifyChange();
    if (final) PostMessage(WM_DTE_CLOSE, 0);
}

// ---- The edit box -----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDateTimeEditCtrl::CDateTimeEditCtrlEditCtrl, CControlBase)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

CDateTimeEditCtrl::CDateTimeEditCtrlEditCtrl::CDateTimeEditCtrlEditCtrl(CDateTimeEditCtrl* owner) : m_pOwner(owner) {
    DateSeparator();  // the locale is read when the first edit box is made
}

void CDateTimeEditCtrl::CDateTimeEditCtrlEditCtrl::OnKeyDown(UINT ch, UINT, UINT) {
    bool readOnly = (GetStyle() & ES_READONLY) != 0;
    if ((ch == VK_UP || ch == VK_DOWN) && m_bSpin && !readOnly) {
        m_pOwner->StepField(ch == VK_UP);
        return;
    }
    if (ch == VK_F4 && !readOnly) {
        m_pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)m_pOwner->m_pButton->m_hWnd);
        return;
    }
    Default();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlEditCtrl::OnChar(UINT, UINT, UINT) {
    Default();
    m_pOwner->NotifyChange();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlEditCtrl::OnSettingChange(UINT, LPCTSTR section) {
    Default();
    if (section && lstrcmpiW(section, L"intl") == 0) ReadLocaleFormat();
}

// ---- The button -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CDateTimeEditCtrl::CDateTimeEditCtrlButton, CControlBase)
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

void CDateTimeEditCtrl::CDateTimeEditCtrlButton::OnKeyDown(UINT ch, UINT, UINT) {
    if (ch == VK_ESCAPE || ch == VK_RETURN) {
        if (m_pOwner->IsCalendarOpen()) {
            m_pOwner->SendMessage(WM_DTE_CLOSE, ch == VK_ESCAPE ? 1 : 0);
            return;
        }
    } else if (ch == VK_F4) {
        m_pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), (LPARAM)m_hWnd);
        return;
    }
    Default();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlButton::OnLButtonDown(UINT, CPoint) {
    Default();
    DropDefaultLook();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlButton::DropDefaultLook() {
    DWORD style = GetStyle() & 0xFFFF;
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) SendMessage(BM_SETSTYLE, (style & ~BS_TYPEMASK) | BS_PUSHBUTTON, TRUE);
}

void CDateTimeEditCtrl::CDateTimeEditCtrlButton::OnLButtonUp(UINT, CPoint) {
    Default();
    if (m_hWnd) DropDefaultLook();
    if (m_pOwner->m_hWnd) m_pOwner->SetFocus();
}

BOOL CDateTimeEditCtrl::CDateTimeEditCtrlButton::OnEraseBkgnd(CDC* dc) {
    if (IsThemed() || m_pOwner->m_bDrawArrow) return TRUE;
    return (BOOL)Default();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlButton::DrawItem(LPDRAWITEMSTRUCT dis) {
    HMODULE ux = ::GetModuleHandleW(L"uxtheme.dll");
    typedef HANDLE(WINAPI * OpenFn)(HWND, LPCWSTR);
    typedef HRESULT(WINAPI * CloseFn)(HANDLE);
    typedef HRESULT(WINAPI * DrawFn)(HANDLE, HDC, int, int, const RECT*, const RECT*);
    OpenFn open = ux ? (OpenFn)(void*)::GetProcAddress(ux, "OpenThemeData") : nullptr;
    CloseFn close = ux ? (CloseFn)(void*)::GetProcAddress(ux, "CloseThemeData") : nullptr;
    DrawFn draw = ux ? (DrawFn)(void*)::GetProcAddress(ux, "DrawThemeBackground") : nullptr;
    HANDLE theme = (IsThemed() && open) ? open(m_hWnd, L"COMBOBOX") : nullptr;
    int state = (dis->itemState & ODS_SELECTED) ? 3 : !IsWindowEnabled() ? 4 : 1;
    if (theme && draw) draw(theme, dis->hDC, 1, state, &dis->rcItem, nullptr);
    else ::DrawFrameControl(dis->hDC, &dis->rcItem, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | ((dis->itemState & ODS_SELECTED) ? DFCS_PUSHED : 0));
    if (theme && close) close(theme);
    if (m_pOwner->m_hButtonBitmap) {
        HDC mem = ::CreateCompatibleDC(dis->hDC);
        HGDIOBJ old = ::SelectObject(mem, m_pOwner->m_hButtonBitmap);
        int cx = dis->rcItem.right - 8, cy = (dis->rcItem.top + dis->rcItem.bottom) / 2;
        ::BitBlt(dis->hDC, cx - 8, cy - 8, 16, 16, mem, 0, 0, SRCCOPY);
        ::SelectObject(mem, old);
        ::DeleteDC(mem);
    }
}

// ---- The month calendar -----------------------------------------------------------

BEGIN_MESSAGE_MAP(CDateTimeEditCtrl::CDateTimeEditCtrlMonthCalCtrl, CControlBase)
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONUP()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

bool CDateTimeEditCtrl::CDateTimeEditCtrlMonthCalCtrl::PressOutside(CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) return false;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    m_pOwner->PostMessage(WM_DTE_CLOSE, 0);
    return true;
}

void CDateTimeEditCtrl::CDateTimeEditCtrlMonthCalCtrl::OnLButtonDown(UINT, CPoint point) {
    if (!PressOutside(point)) Default();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlMonthCalCtrl::OnRButtonDown(UINT, CPoint point) {
    if (!PressOutside(point)) Default();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlMonthCalCtrl::OnLButtonUp(UINT, CPoint) {
    Default();
    if (m_hWnd && m_pOwner->IsCalendarOpen()) SetCapture();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlMonthCalCtrl::OnRButtonUp(UINT, CPoint) {
    Default();
    if (m_hWnd && m_pOwner->IsCalendarOpen()) SetCapture();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlMonthCalCtrl::OnKeyDown(UINT ch, UINT, UINT) {
    if (ch == VK_ESCAPE || ch == VK_RETURN || ch == VK_F4) {
        m_pOwner->PostMessage(WM_DTE_CLOSE, ch == VK_ESCAPE ? 1 : 0);
        return;
    }
    Default();
}

// ---- The drop-down window ---------------------------------------------------------

BEGIN_MESSAGE_MAP(CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd, CControlBase)
    ON_WM_DESTROY()
    ON_WM_ACTIVATEAPP()
    ON_NOTIFY(MCN_SELCHANGE, kCalendarId, OnSelChange)
    ON_NOTIFY(MCN_SELECT, kCalendarId, OnSelect)
    ON_NOTIFY(MCN_GETDAYSTATE, kCalendarId, OnGetDayState)
END_MESSAGE_MAP()

CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd::~CDateTimeEditCtrlCalendarWnd() {
    if (m_hWnd) DestroyWindow();
}

BOOL CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd::Open(const CRect& control) {
    HWND top = ::GetAncestor(m_pOwner->m_hWnd, GA_ROOT);
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, GetDefaultClassName(), nullptr, WS_POPUP | WS_BORDER, 0, 0, 10,
                  10, top, (HMENU)nullptr))
        return FALSE;
    ::SetWindowLongPtrW(m_hWnd, GWLP_ID, kDropDownId);
    if (!m_calendar.Create(MONTHCAL_CLASSW, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this, kCalendarId))
        return FALSE;
    CRect min;
    m_calendar.SendMessage(MCM_GETMINREQRECT, 0, (LPARAM)&min);
    if (min.Width() <= 0 || min.Height() <= 0) min.SetRect(0, 0, 180, 160);
    m_calendar.MoveWindow(0, 0, min.Width(), min.Height());
    CRect window(0, 0, min.Width(), min.Height());
    ::AdjustWindowRectEx(&window, GetStyle(), FALSE, GetExStyle());
    int w = window.Width(), h = window.Height();

    // Below the field, left- or right-aligned with it; above it when there
    // is no room below; never left of the work area.
    HMONITOR mon = ::MonitorFromRect(&control, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi = {sizeof(mi), {}, {}, 0};
    ::GetMonitorInfoW(mon, &mi);
    CRect work(mi.rcWork);
    int x = m_pOwner->m_bRightAlign ? control.right - w : control.left;
    int y = control.bottom;
    if (y + h > work.bottom) y = control.top - h;
    if (x < work.left) x = work.left;
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, x, y, w, h, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_calendar.SetCapture();
    return TRUE;
}

void CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd::OnDestroy() {
    if (m_calendar.m_hWnd && ::GetCapture() == m_calendar.m_hWnd) ::ReleaseCapture();
    if (m_calendar.m_hWnd) m_calendar.DestroyWindow();
    CControlBase::OnDestroy();
}

void CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd::OnActivateApp(BOOL active, DWORD) {
    if (!active) m_pOwner->PostMessage(WM_DTE_CLOSE, 1);
}

void CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd::OnSelChange(NMHDR* nm, LRESULT* result) {
    m_pOwner->SelectionFromCalendar(((NMSELCHANGE*)nm)->stSelStart, false);
    *result = 0;
}

void CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd::OnSelect(NMHDR* nm, LRESULT* result) {
    m_pOwner->SelectionFromCalendar(((NMSELCHANGE*)nm)->stSelStart, true);
    *result = 0;
}

void CDateTimeEditCtrl::CDateTimeEditCtrlCalendarWnd::OnGetDayState(NMHDR* nm, LRESULT* result) {
    NMDAYSTATE* ds = (NMDAYSTATE*)nm;
    ds->prgDayState = nullptr;
    *result = 0;
}
