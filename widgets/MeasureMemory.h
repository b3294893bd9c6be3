// Memory in use: installed physical memory and the process's virtual address
// space, alone or together, as bytes or as a percentage.
#pragma once

#include "widgets/Measure.h"

class CMeasureMemory : public CMeasure {
public:
    CMeasureMemory() { m_Kind = MEASURE_MEMORY; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

protected:
    bool m_Total = false;
    bool m_Physical = true;
    bool m_Virtual = false;
    bool m_Relative = false;
};

// The memory measures' shared text: the percentage when relative, else the
// relative value in percent.
CString FormatMemoryText(const CMeasure& measure, bool relative);
