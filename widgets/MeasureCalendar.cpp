#include "widgets/MeasureCalendar.h"

#include "widgets/WidgetEnvironment.h"

void CMeasureCalendar::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_Offset = section.GetInt(L"Offset", 0);
}

bool CMeasureCalendar::Update() {
    CWidgetEnvironment& env = GetWidgetEnvironment();
    struct tm local = {};
    env.ToLocal(env.Now(), local);
    m_Value = (double)(local.tm_year + 1900) * 12.0 + (local.tm_mon + 1) + m_Offset;
    return true;
}

CString CMeasureCalendar::GetStringValue(bool, double, int, bool) {
    CString text;
    text.Format(L"%d", (int)m_Value);
    return text;
}
