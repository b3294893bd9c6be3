#include "widgets/MeasureMemory.h"

#include "widgets/WidgetEnvironment.h"

void CMeasureMemory::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_Total = section.GetInt(L"Total", 0) == 1;
    m_Physical = section.GetInt(L"Physical", 1) == 1;
    m_Virtual = section.GetInt(L"Virtual", 0) == 1;
    m_Relative = section.GetInt(L"Relative", 0) == 1;
    MEMORYSTATUSEX status = {};
    double maximum = 0.0;
    if (GetWidgetEnvironment().GetMemoryStatus(status)) {
        if (m_Physical) maximum += (double)status.ullTotalPhys;
        if (m_Virtual) maximum += (double)status.ullTotalVirtual;
    }
    m_MaxValue = (m_Physical || m_Virtual) && maximum > 0.0 ? maximum : 1.0;
}

bool CMeasureMemory::Update() {
    if (!BeginUpdate()) return false;
    MEMORYSTATUSEX status = {};
    if (!GetWidgetEnvironment().GetMemoryStatus(status)) return EndUpdate();
    if (m_Total) {
        m_Value = m_MaxValue;
    } else {
        double used = 0.0;
        if (m_Physical) used += (double)(status.ullTotalPhys - status.ullAvailPhys);
        if (m_Virtual) used += (double)(status.ullTotalVirtual - status.ullAvailVirtual);
        m_Value = used;
    }
    if (m_Relative) m_Value = GetRelativeValue() * 100.0;
    return EndUpdate();
}

CString CMeasureMemory::GetStringValue(bool, double, int, bool) { return FormatMemoryText(*this, m_Relative); }

CString FormatMemoryText(const CMeasure& measure, bool relative) {
    CString text;
    text.Format(L"%d", relative ? (int)measure.GetRawValue() : (int)(measure.GetRelativeValue() * 100.0));
    return text;
}
