#include "calendar/DayinfoLogic.h"

#include <climits>
#include <cstdlib>

namespace {
const int kDaysBefore[CDayinfoLogic::DaysBeforePositions] = {0, 1, 2, 3, 5, 7, 10, 15, 20, 30, 45, 60, 90};
}

int CDayinfoLogic::DaysBeforeAt(int position) {
    return position >= 0 && position < DaysBeforePositions ? kDaysBefore[position] : 0;
}

int CDayinfoLogic::DaysBeforePosition(int days) {
    for (int i = 0; i < DaysBeforePositions; ++i)
        if (kDaysBefore[i] == days)
            return i;
    return -1;
}

CDayinfoLogic::Form CDayinfoLogic::FromRecord(const CDayInfo& record) {
    Form form;
    form.text = record.m_strText;
    form.holiday = record.m_bHoliday != 0;
    form.kind = record.m_bLeap ? KindLeap : record.m_bLunar ? KindLunar : KindSolar;
    form.monthText.Format(L"%d", record.m_nMonth);
    form.dayText.Format(L"%d", record.m_nDay);
    form.icon = record.m_nIcon;
    form.daysBefore = DaysBeforePosition(record.m_nDaysBefore);
    return form;
}

int CDayinfoLogic::ReadNumber(const CString& text, int limit) {
    long value = wcstol(text, nullptr, 10);
    // Beyond what a long holds the box still means "a large number".
    if (value < 0)
        value = value == LONG_MIN ? limit : -value;
    return value > limit ? limit : (int)value;
}

int CDayinfoLogic::Apply(const Form& form, CDayInfo& record) {
    if (form.text.IsEmpty())
        return TextNoInformation;
    record.m_strText = form.text;
    record.m_bHoliday = form.holiday ? 1 : 0;
    record.m_bLunar = form.kind == KindLunar || form.kind == KindLeap ? 1 : 0;
    record.m_bLeap = form.kind == KindLeap ? 1 : 0;
    record.m_nDay = ReadNumber(form.dayText, 31);
    record.m_nMonth = ReadNumber(form.monthText, 12);
    record.m_nIcon = form.icon;
    if (form.daysBefore >= 0)
        record.m_nDaysBefore = (WORD)DaysBeforeAt(form.daysBefore);
    return 0;
}
