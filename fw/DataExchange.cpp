#include "DataExchange.h"

#include "Wnd.h"

#include <commctrl.h>

#include <cerrno>
#include <climits>
#include <cwchar>
#include <limits>

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    m_lastControl = control;
    if (!control) Fail();  // a template without the control is a program error
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_lastControl) {
        ::SetFocus(m_lastControl);
        ::SendMessageW(m_lastControl, EM_SETSEL, 0, -1);
    }
    throw Failure();
}

static CString ControlText(HWND control) {
    CString text;
    CWnd(control).GetWindowText(text);
    return text;
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) value = ControlText(control);
    else ::SetWindowTextW(control, value);
}

// Whole text as a number in range; blanks around it are allowed.
static bool ParseSigned(const CString& text, long long minValue, long long maxValue, long long& out) {
    CString t = text;
    t.Trim();
    if (t.IsEmpty()) return false;
    wchar_t* end = nullptr;
    errno = 0;
    long long v = wcstoll(t, &end, 10);
    if (errno || !end || *end || v < minValue || v > maxValue) return false;
    out = v;
    return true;
}

static bool ParseUnsigned(const CString& text, unsigned long long maxValue, unsigned long long& out) {
    CString t = text;
    t.Trim();
    if (t.IsEmpty() || t[0] == L'-') return false;
    wchar_t* end = nullptr;
    errno = 0;
    unsigned long long v = wcstoull(t, &end, 10);
    if (errno || !end || *end || v > maxValue) return false;
    out = v;
    return true;
}

template <class T>
static void ExchangeSigned(CDataExchange* dx, int id, T& value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        long long v = 0;
        if (!ParseSigned(ControlText(control), std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), v))
            dx->Fail();
        value = (T)v;
    } else {
        CString text;
        text.Format(L"%lld", (long long)value);
        ::SetWindowTextW(control, text);
    }
}

template <class T>
static void ExchangeUnsigned(CDataExchange* dx, int id, T& value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        unsigned long long v = 0;
        if (!ParseUnsigned(ControlText(control), std::numeric_limits<T>::max(), v)) dx->Fail();
        value = (T)v;
    } else {
        CString text;
        text.Format(L"%llu", (unsigned long long)value);
        ::SetWindowTextW(control, text);
    }
}

void DDX_Text(CDataExchange* dx, int id, int& value) { ExchangeSigned(dx, id, value); }
void DDX_Text(CDataExchange* dx, int id, long& value) { ExchangeSigned(dx, id, value); }
void DDX_Text(CDataExchange* dx, int id, UINT& value) { ExchangeUnsigned(dx, id, value); }
void DDX_Text(CDataExchange* dx, int id, DWORD& value) { ExchangeUnsigned(dx, id, value); }

void DDX_Text(CDataExchange* dx, int id, double& value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) {
        CString t = ControlText(control);
        t.Trim();
        wchar_t* end = nullptr;
        errno = 0;
        double v = t.IsEmpty() ? 0 : wcstod(t, &end);
        if (t.IsEmpty() || errno || !end || *end) dx->Fail();
        value = v;
    } else {
        CString text;
        text.Format(L"%.*g", 15, value);
        ::SetWindowTextW(control, text);
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = (int)::SendMessageW(control, BM_GETCHECK, 0, 0);
    else ::SendMessageW(control, BM_SETCHECK, (WPARAM)value, 0);
}

void DDX_Radio(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = -1;
    // The group runs from this button to the next control with WS_GROUP.
    int index = 0;
    for (HWND button = control; button; button = ::GetWindow(button, GW_HWNDNEXT), ++index) {
        if (button != control && (::GetWindowLongPtrW(button, GWL_STYLE) & WS_GROUP)) break;
        if (!(::SendMessageW(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
        if (dx->m_bSaveAndValidate) {
            if (::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            ::SendMessageW(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) return;
    HWND item = dx->PrepareCtrl(id);
    if (!control.SubclassWindow(item)) dx->Fail();
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) index = (int)::SendMessageW(control, CB_GETCURSEL, 0, 0);
    else ::SendMessageW(control, CB_SETCURSEL, (WPARAM)index, 0);
}

static void ComboString(CDataExchange* dx, int id, CString& value, bool exact) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        int sel = (int)::SendMessageW(control, CB_GETCURSEL, 0, 0);
        if (sel != CB_ERR) {
            int length = (int)::SendMessageW(control, CB_GETLBTEXTLEN, (WPARAM)sel, 0);
            wchar_t* buffer = value.GetBufferSetLength(length + 1);
            int got = (int)::SendMessageW(control, CB_GETLBTEXT, (WPARAM)sel, (LPARAM)buffer);
            value.ReleaseBuffer(got < 0 ? 0 : got);
        } else {
            value = ControlText(control);  // the edit part of a drop-down
        }
    } else {
        int found = (int)::SendMessageW(control, exact ? CB_FINDSTRINGEXACT : CB_FINDSTRING, (WPARAM)-1,
                                        (LPARAM)value.GetString());
        if (found != CB_ERR) ::SendMessageW(control, CB_SETCURSEL, (WPARAM)found, 0);
        else ::SetWindowTextW(control, value);
    }
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) { ComboString(dx, id, value, false); }
void DDX_CBStringExact(CDataExchange* dx, int id, CString& value) { ComboString(dx, id, value, true); }

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) index = (int)::SendMessageW(control, LB_GETCURSEL, 0, 0);
    else ::SendMessageW(control, LB_SETCURSEL, (WPARAM)index, 0);
}

void DDX_LBString(CDataExchange* dx, int id, CString& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        int sel = (int)::SendMessageW(control, LB_GETCURSEL, 0, 0);
        value.Empty();
        if (sel != LB_ERR) {
            int length = (int)::SendMessageW(control, LB_GETTEXTLEN, (WPARAM)sel, 0);
            wchar_t* buffer = value.GetBufferSetLength(length + 1);
            int got = (int)::SendMessageW(control, LB_GETTEXT, (WPARAM)sel, (LPARAM)buffer);
            value.ReleaseBuffer(got < 0 ? 0 : got);
        }
    } else {
        int found = (int)::SendMessageW(control, LB_FINDSTRING, (WPARAM)-1, (LPARAM)value.GetString());
        ::SendMessageW(control, LB_SETCURSEL, (WPARAM)(found == LB_ERR ? -1 : found), 0);
    }
}

void DDX_Slider(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = (int)::SendMessageW(control, TBM_GETPOS, 0, 0);
    else ::SendMessageW(control, TBM_SETPOS, TRUE, (LPARAM)value);
}

void DDX_DateTimeCtrl(CDataExchange* dx, int id, SYSTEMTIME& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) ::SendMessageW(control, DTM_GETSYSTEMTIME, 0, (LPARAM)&value);
    else ::SendMessageW(control, DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&value);
}

void DDX_DateTimeCtrl(CDataExchange* dx, int id, CTime& value) {
    SYSTEMTIME st = {};
    if (!dx->m_bSaveAndValidate) value.GetAsSystemTime(st);
    DDX_DateTimeCtrl(dx, id, st);
    if (dx->m_bSaveAndValidate) value = CTime(st);
}

void DDX_MonthCalCtrl(CDataExchange* dx, int id, CTime& value) {
    HWND control = dx->PrepareCtrl(id);
    SYSTEMTIME st = {};
    if (dx->m_bSaveAndValidate) {
        ::SendMessageW(control, MCM_GETCURSEL, 0, (LPARAM)&st);
        st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
        value = CTime(st);
    } else {
        value.GetAsSystemTime(st);
        ::SendMessageW(control, MCM_SETCURSEL, 0, (LPARAM)&st);
    }
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
    // The limit applies to the control just exchanged.
    if (dx->m_bSaveAndValidate) {
        if (value.GetLength() > maxChars) dx->Fail();
    } else if (HWND control = dx->GetLastControl()) {
        ::SendMessageW(control, EM_LIMITTEXT, (WPARAM)maxChars, 0);
    }
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minValue, int maxValue) {
    if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue)) dx->Fail();
}

void DDV_MinMaxUInt(CDataExchange* dx, UINT value, UINT minValue, UINT maxValue) {
    if (dx->m_bSaveAndValidate && (value < minValue || value > maxValue)) dx->Fail();
}
