#include "DateTimeCtrl.h"

#include "CommonControls.h"

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    AfxInitCommonControls();
    return CWnd::Create(DATETIMEPICK_CLASSW, nullptr, style, rect, parent, id);
}

DWORD CDateTimeCtrl::GetTime(CTime& time) const {
    SYSTEMTIME st = {};
    DWORD result = GetTime(&st);
    if (result == GDT_VALID) time = CTime(st);
    return result;
}

BOOL CDateTimeCtrl::SetTime(const CTime& time) {
    SYSTEMTIME st = {};
    if (!time.GetAsSystemTime(st)) return FALSE;
    return SetTime(&st);
}

BOOL CDateTimeCtrl::SetRange(const SYSTEMTIME* minTime, const SYSTEMTIME* maxTime) {
    return AfxSendTimeRange(m_hWnd, DTM_SETRANGE, minTime, maxTime);
}
