#include "widgets/MeasureNumber.h"

#include <climits>

void CMeasureNumber::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_Start = section.GetInt(L"Start", 0);
    m_End = section.GetInt(L"End", 1);
    m_Step = section.GetInt(L"Step", 1);
    m_Refit = section.GetBool(L"Refit", true);
    m_Current = m_Start;
    m_MinValue = m_Start;
    m_MaxValue = m_End;
}

bool CMeasureNumber::Update() {
    m_Value = m_Current;
    // Without Refit the counter keeps growing; it stops at the int range
    // instead of wrapping round.
    long long next = (long long)m_Current + m_Step;
    if (next > INT_MAX) next = INT_MAX;
    if (next < INT_MIN) next = INT_MIN;
    m_Current = (int)next;
    if (m_Current > m_End && m_Refit) m_Current = m_Start;
    return true;
}

CString CMeasureNumber::GetStringValue(bool, double, int, bool) {
    CString text;
    text.Format(L"%d", (int)m_Value);
    return text;
}
