#include "widgets/Measure.h"

#include <cmath>

void CMeasure::ReadConfig(const CInfoSection& section) {
    m_Invert = section.GetBool(L"InvertMeasure", false);
    m_MinValue = section.GetDouble(L"MinValue", m_MinValue);
    m_MaxValue = section.GetDouble(L"MaxValue", m_MaxValue);
}

CString CMeasure::GetStringValue(bool, double, int, bool) { return CString(); }

double CMeasure::GetValue() const { return m_Invert ? m_MaxValue - m_Value + m_MinValue : m_Value; }

double CMeasure::GetRelativeValue() const {
    double v = GetValue();
    if (v > m_MaxValue) v = m_MaxValue;
    if (v < m_MinValue) v = m_MinValue;
    double range = GetRange();
    if (range == 0.0 || !std::isfinite(range)) return 0.0;
    double r = (v - m_MinValue) / range;
    return std::isfinite(r) ? r : 0.0;
}
