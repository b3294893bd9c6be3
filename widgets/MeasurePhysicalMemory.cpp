#include "widgets/MeasurePhysicalMemory.h"

#include "widgets/MeasureMemory.h"
#include "widgets/WidgetEnvironment.h"

void CMeasurePhysicalMemory::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_Total = section.GetInt(L"Total", 0) != 0;
    m_Relative = section.GetInt(L"Relative", 0) == 1;
    MEMORYSTATUSEX status = {};
    if (GetWidgetEnvironment().GetMemoryStatus(status) && status.ullTotalPhys > 0) m_MaxValue = (double)status.ullTotalPhys;
}

bool CMeasurePhysicalMemory::Update() {
    if (!BeginUpdate()) return false;
    MEMORYSTATUSEX status = {};
    if (!GetWidgetEnvironment().GetMemoryStatus(status)) return EndUpdate();
    m_Value = m_Total ? (double)status.ullTotalPhys : (double)(status.ullTotalPhys - status.ullAvailPhys);
    if (m_Relative) m_Value = GetRelativeValue() * 100.0;
    return EndUpdate();
}

CString CMeasurePhysicalMemory::GetStringValue(bool, double, int, bool) {
    return FormatMemoryText(*this, m_Relative);
}
