#include "widgets/MeasureUser.h"

#include "calendar/AnniversaryDays.h"
#include "calendar/LunarCalendar.h"
#include "shell/DateUtil.h"
#include "widgets/WidgetEnvironment.h"

void CMeasureUser::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_LifetimeRevision = section.GetInt(L"LifetimeRevision", 1);
    m_AgeRevision = section.GetInt(L"AgeRevision", 1);
    m_PassDayRevision = section.GetInt(L"PassDayRevision", 0);
    m_NextBirthdayRevision = section.GetInt(L"NextBirthdayRevision", 0);
}

void CMeasureUser::GetSolarBirthDate(const WidgetUserProfile& profile, int& year, int& month, int& day) {
    year = profile.birthYear, month = profile.birthMonth, day = profile.birthDay;
    if (profile.birthCalendar == 0) return;
    // A lunar date the table cannot convert is kept as it was given.
    SolarDate solar = LunarToSolar(profile.birthYear, profile.birthMonth, profile.birthDay,
                                   profile.birthCalendar == 2 ? TRUE : FALSE);
    if (solar.valid) year = solar.year, month = solar.month, day = solar.day;
}

bool CMeasureUser::Update() {
    CWidgetEnvironment& env = GetWidgetEnvironment();
    WidgetUserProfile profile = env.GetUserProfile();
    m_BirthHour = profile.birthHour;
    m_BirthMinute = profile.birthMinute;
    if (profile.useUserInfo == 0) return true;

    struct tm local = {};
    env.ToLocal(env.Now(), local);
    int ty = local.tm_year + 1900, tm = local.tm_mon + 1, td = local.tm_mday;

    GetSolarBirthDate(profile, m_SolarYear, m_SolarMonth, m_SolarDay);
    if (profile.birthCalendar != 0) {
        m_LunarYear = profile.birthYear, m_LunarMonth = profile.birthMonth, m_LunarDay = profile.birthDay;
        m_LunarLeap = profile.birthCalendar == 2 ? 1 : 0;
    } else {
        LunarDate lunar = SolarToLunar(profile.birthYear, profile.birthMonth, profile.birthDay);
        if (lunar.valid) {
            m_LunarYear = lunar.year, m_LunarMonth = lunar.month, m_LunarDay = lunar.day;
            m_LunarLeap = lunar.leap ? 1 : 0;
        } else {
            m_LunarYear = profile.birthYear, m_LunarMonth = profile.birthMonth, m_LunarDay = profile.birthDay;
            m_LunarLeap = 0;
        }
    }
    m_Age = ty - m_SolarYear;
    m_LifetimeDays = GetDaysBetween(m_SolarYear, m_SolarMonth, m_SolarDay, ty, tm, td);
    m_DaysToBirthday = DaysUntilAnniversary(ty, tm, td, profile.birthMonth, profile.birthDay,
                                            profile.birthCalendar != 0 ? TRUE : FALSE,
                                            profile.birthCalendar == 2 ? TRUE : FALSE);
    // A birthday with no date to count to shows 0 rather than a number the
    // meter's revision would overflow.
    if (m_DaysToBirthday == kNoAnniversaryDay) m_DaysToBirthday = 0;

    int years = ty - m_SolarYear, months = tm - m_SolarMonth, days = td - m_SolarDay;
    if (days < 0) {
        --months;
        days += tm == 1 ? GetDaysInMonth(ty - 1, 12) : GetDaysInMonth(ty, tm - 1);
    }
    if (months < 0) {
        --years;
        months += 12;
    }
    m_ExactYears = years, m_ExactMonths = months, m_ExactDays = days;
    return true;
}

CString CMeasureUser::GetStringValue(bool, double, int, bool) { return GetWidgetEnvironment().GetUserProfile().userName; }

CString CMeasureUser::GetSolarBirthKey() const {
    CString key;
    key.Format(L"%04d_%02d_%02d_00_%02d_%02d", m_SolarYear, m_SolarMonth, m_SolarDay, m_BirthHour, m_BirthMinute);
    return key;
}

CString CMeasureUser::GetLunarBirthKey() const {
    CString key;
    key.Format(L"%04d_%02d_%02d_%02d_%02d_%02d", m_LunarYear, m_LunarMonth, m_LunarDay, m_LunarLeap, m_BirthHour,
               m_BirthMinute);
    return key;
}
