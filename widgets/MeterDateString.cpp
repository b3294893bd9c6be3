#include "widgets/MeterDateString.h"

#include "widgets/WidgetEnvironment.h"

#include "calendar/LunarCalendar.h"
#include "shell/DateUtil.h"
#include "shell/LanguageTable.h"

CMeterDateString::CMeterDateString(ISkinHost* owner) : CMeterString(owner) { m_Kind = METER_DATESTRING; }

void CMeterDateString::ReadConfig(const CInfoSection& section) {
    m_DateFormat = section.GetString(L"DateFormat", L"");
    CMeterString::ReadConfig(section);
}

CString CMeterDateString::FormatDate(const CString& format, int year, int month, int day, const DateInfo& info) {
    int weekday = GetWeekday(year, month, day);  // 1 = Sunday
    bool leap = info.leap != 0;
    int lunarYear = info.lunarYear, lunarMonth = info.lunarMonth;
    const struct {
        const wchar_t* mark;
        CString value;
    } kMarks[] = {
        {L"#SOL_LY#", Number(year)},
        {L"#SOL_SY#", Number(year % 100)},
        {L"#SOL_LM#", g_LanguageTable[20200 + month]},
        {L"#SOL_SM#", g_LanguageTable[20220 + month]},
        {L"#SOL_D#", Number(day)},
        {L"#SOL_LWEEKDAY#", g_LanguageTable[20110 + weekday]},
        {L"#SOL_SWEEKDAY#", g_LanguageTable[20117 + weekday]},
        {L"#LUN_STYPE#", g_LanguageTable[leap ? 813 : 812]},
        {L"#LUN_LTYPE#", g_LanguageTable[leap ? 25031 : 25030]},
        {L"#LUN_DTYPE#", g_LanguageTable[leap ? 806 : 805]},
        {L"#LUN_LY#", Number(lunarYear)},
        {L"#LUN_SY#", Number(lunarYear % 100)},
        {L"#LUN_LM#", g_LanguageTable[20200 + lunarMonth]},
        {L"#LUN_SM#", g_LanguageTable[20220 + lunarMonth]},
        {L"#LUN_D#", Number(info.lunarDay)},
        {L"#HANGUL_YEAR#", info.yearName},
        {L"#HANGUL_MONTH#", info.monthName},
        {L"#HANGUL_DAY#", info.dayName},
        {L"#HANGUL_DDI#", info.animal},
        {L"#HANJA_YEAR#", info.yearNameChinese},
        {L"#HANJA_MONTH#", info.monthNameChinese},
        {L"#HANJA_DAY#", info.dayNameChinese},
        {L"#HANJA_WEEKDAY#", info.weekdayChinese},
        {L"#DAYOFYEAR#", Number(GetDaysBetween(year, 1, 1, year, month, day) + 1)},
        {L"#WEEKORDER#", Number(GetWeekdayOrdinal(year, month, day, weekday) + 1)},
        {L"#WEEKORDEROFYEAR#", Number(GetWeekOfYear(year, month, day))},
        {L"#BR#", L"\n"},
    };
    CString text = format;
    for (const auto& m : kMarks) text.Replace(m.mark, m.value);
    return text;
}

bool CMeterDateString::Update() {
    CWidgetEnvironment& environment = GetWidgetEnvironment();
    struct tm local = {};
    if (!environment.ToLocal(environment.Now(), local)) return false;
    int year = local.tm_year + 1900, month = local.tm_mon + 1, day = local.tm_mday;
    if (year == m_Year && month == m_Month && day == m_Day) return true;
    m_Values.clear();
    m_Year = year, m_Month = month, m_Day = day;
    // The lunisolar tables end there; such a date has no text.
    if (year <= 1840 || year > 2043) return false;
    DateInfo info = GetDateInfo(year, month, day);
    if (!info.valid) return false;
    m_Values.push_back(FormatDate(m_DateFormat, year, month, day, info));
    return true;
}
