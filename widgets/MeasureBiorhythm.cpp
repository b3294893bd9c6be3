#include "widgets/MeasureBiorhythm.h"

#include "shell/DateUtil.h"
#include "widgets/MeasureUser.h"
#include "widgets/WidgetEnvironment.h"

bool CMeasureBiorhythm::Update() {
    CWidgetEnvironment& env = GetWidgetEnvironment();
    WidgetUserProfile profile = env.GetUserProfile();
    if (profile.useUserInfo == 0) return true;
    struct tm local = {};
    env.ToLocal(env.Now(), local);
    CMeasureUser::GetSolarBirthDate(profile, m_SolarYear, m_SolarMonth, m_SolarDay);
    m_DaysLived = GetDaysBetween(m_SolarYear, m_SolarMonth, m_SolarDay, local.tm_year + 1900, local.tm_mon + 1,
                                 local.tm_mday);
    return true;
}

CString CMeasureBiorhythm::GetStringValue(bool, double, int, bool) {
    return GetWidgetEnvironment().GetUserProfile().userName;
}
