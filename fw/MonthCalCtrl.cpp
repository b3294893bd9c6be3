#include "MonthCalCtrl.h"

#include "CommonControls.h"

BOOL CMonthCalCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    AfxInitCommonControls();
    return CWnd::Create(MONTHCAL_CLASSW, nullptr, style, rect, parent, id);
}

BOOL CMonthCalCtrl::GetCurSel(CTime& time) const {
    SYSTEMTIME st = {};
    if (!GetCurSel(&st)) return FALSE;
    st.wHour = st.wMinute = st.wSecond = st.wMilliseconds = 0;
    time = CTime(st);
    return TRUE;
}

BOOL CMonthCalCtrl::SetCurSel(const CTime& time) {
    SYSTEMTIME st = {};
    if (!time.GetAsSystemTime(st)) return FALSE;
    return SetCurSel(&st);
}

BOOL CMonthCalCtrl::SetRange(const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime) {
    return AfxSendTimeRange(m_hWnd, MCM_SETRANGE, minTime, maxTime);
}
