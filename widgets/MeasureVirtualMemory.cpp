#include "widgets/MeasureVirtualMemory.h"

#include "widgets/MeasureMemory.h"
#include "widgets/WidgetEnvironment.h"

void CMeasureVirtualMemory::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_Total = section.GetInt(L"Total", 0) != 0;
    m_Relative = section.GetInt(L"Relative", 0) == 1;
    MEMORYSTATUSEX status = {};
    if (GetWidgetEnvironment().GetMemoryStatus(status) && status.ullTotalPageFile > 0) m_MaxValue = (double)status.ullTotalPageFile;
}

bool CMeasureVirtualMemory::Update() {
    if (!BeginUpdate()) return false;
    MEMORYSTATUSEX status = {};
    if (!GetWidgetEnvironment().GetMemoryStatus(status)) return EndUpdate();
    m_Value = m_Total ? (double)status.ullTotalPageFile : (double)(status.ullTotalPageFile - status.ullAvailPageFile);
    if (m_Relative) m_Value = GetRelativeValue() * 100.0;
    return EndUpdate();
}

CString CMeasureVirtualMemory::GetStringValue(bool, double, int, bool) {
    return FormatMemoryText(*this, m_Relative);
}
