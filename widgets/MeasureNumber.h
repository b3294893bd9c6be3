// A plain counter from Start towards End in steps, starting over at Start
// after End when Refit is on.
#pragma once

#include "widgets/Measure.h"

class CMeasureNumber : public CMeasure {
public:
    CMeasureNumber() { m_Kind = MEASURE_NUMBER; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

private:
    int m_Start = 0;
    int m_End = 1;
    int m_Step = 1;
    bool m_Refit = true;
    int m_Current = 0;
};
