// The days the user has lived, which the biorhythm meter turns into curves;
// its text is the user's name.
#pragma once

#include "widgets/Measure.h"

class CMeasureBiorhythm : public CMeasure {
public:
    CMeasureBiorhythm() { m_Kind = MEASURE_BIORHYTHM; }
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

    int m_SolarYear = 2000, m_SolarMonth = 1, m_SolarDay = 1;
    int m_DaysLived = 0;
};
