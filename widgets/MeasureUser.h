// Facts derived from the user's birth date: age, days lived, days to the
// next birthday, exact age; its text is the user's name.
#pragma once

#include "widgets/Measure.h"

struct WidgetUserProfile;

class CMeasureUser : public CMeasure {
public:
    CMeasureUser() { m_Kind = MEASURE_USER; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

    CString GetSolarBirthKey() const;
    CString GetLunarBirthKey() const;

    // The solar date of the user's birth (a lunar birth converted in its year).
    static void GetSolarBirthDate(const WidgetUserProfile& profile, int& year, int& month, int& day);

    int m_SolarYear = 2000, m_SolarMonth = 1, m_SolarDay = 1;
    int m_LunarYear = 2000, m_LunarMonth = 1, m_LunarDay = 1;
    int m_LunarLeap = 0;
    int m_LifetimeDays = 0;
    int m_DaysToBirthday = 0;
    int m_Age = 0;
    int m_ExactYears = 0, m_ExactMonths = 0, m_ExactDays = 0;
    int m_LifetimeRevision = 1;
    int m_AgeRevision = 1;
    int m_PassDayRevision = 0;
    int m_NextBirthdayRevision = 0;

private:
    int m_BirthHour = 12, m_BirthMinute = 0;
};
