// The current month as an absolute month number (year x 12 + month), which
// calendar meters page through with their Offset.
#pragma once

#include "widgets/Measure.h"

class CMeasureCalendar : public CMeasure {
public:
    CMeasureCalendar() { m_Kind = MEASURE_CALENDAR; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

private:
    int m_Offset = 0;
};
