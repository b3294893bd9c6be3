// The installed physical memory in use, in bytes or as a percentage.
#pragma once

#include "widgets/Measure.h"

class CMeasurePhysicalMemory : public CMeasure {
public:
    CMeasurePhysicalMemory() { m_Kind = MEASURE_PHYSICALMEMORY; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

private:
    bool m_Total = false;
    bool m_Relative = false;
};
