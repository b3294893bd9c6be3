// The battery's charge in percent.
#pragma once

#include "widgets/Measure.h"

class CMeasureBattery : public CMeasure {
public:
    CMeasureBattery() {
        m_Kind = MEASURE_BATTERY;
        m_MaxValue = 100.0;
    }
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;
};
