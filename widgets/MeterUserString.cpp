#include "widgets/MeterUserString.h"

#include "widgets/MeasureUser.h"
#include "widgets/WidgetEnvironment.h"

#include "shell/LanguageTable.h"

CMeterUserString::CMeterUserString(ISkinHost* owner) : CMeterString(owner) { m_Kind = METER_USERSTRING; }

void CMeterUserString::ReadConfig(const CInfoSection& section) {
    m_UserFormat = section.GetString(L"UserFormat", L"");
    CMeterString::ReadConfig(section);
}

CString CMeterUserString::WithThousandsComma(int number) {
    if (number < 1000) return Number(number);
    CString s;
    s.Format(L"%d,%03d", number / 1000, number % 1000);
    return s;
}

CString CMeterUserString::FormatUser(const CString& format, const CMeasureUser& measure,
                                     const WidgetUserProfile& profile) {
    int lifetime = measure.m_LifetimeDays + measure.m_LifetimeRevision;
    const struct {
        const wchar_t* mark;
        CString value;
    } kMarks[] = {
        {L"#NAME#", profile.userName},
        {L"#CITY#", profile.regionName},
        {L"#LIFETIME#", Number(lifetime)},
        {L"#LIFE_TIME#", WithThousandsComma(lifetime)},
        {L"#NEXTBIRTHDAY#", Number(measure.m_DaysToBirthday + measure.m_NextBirthdayRevision)},
        {L"#AGE#", Number(measure.m_Age + measure.m_AgeRevision)},
        {L"#PASSYEAR#", Number(measure.m_ExactYears)},
        {L"#PASSMONTH#", Number(measure.m_ExactMonths)},
        {L"#PASSDAY#", Number(measure.m_ExactDays + measure.m_PassDayRevision)},
        {L"#BIRTHYEAR#", Number(profile.birthYear)},
        {L"#BIRTHMONTH#", Number(profile.birthMonth)},
        {L"#BIRTHDAY#", Number(profile.birthDay)},
    };
    CString text = format;
    for (const auto& m : kMarks) text.Replace(m.mark, m.value);
    // Solar, lunar, lunar leap month; another value keeps both marks.
    if (profile.birthCalendar >= 0 && profile.birthCalendar <= 2) {
        CString type;
        if (profile.birthCalendar != 0) type = L"(" + g_LanguageTable[profile.birthCalendar == 1 ? 805 : 806] + L")";
        text.Replace(L"#BIRTHTYPE#", type);
        text.Replace(L"#BIRTH_TYPE#", g_LanguageTable[811 + profile.birthCalendar]);
    }
    return text;
}

bool CMeterUserString::Update() {
    // Bound to nothing, or to a measure of another kind: the text stays.
    if (!m_Measure || m_Measure->GetKind() != MEASURE_USER) return true;
    const CMeasureUser& user = *static_cast<const CMeasureUser*>(m_Measure);
    m_Values.assign(1, FormatUser(m_UserFormat, user, GetWidgetEnvironment().GetUserProfile()));
    return true;
}
