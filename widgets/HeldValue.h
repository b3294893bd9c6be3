// The value a composite meter hands to a number or frame child: set by the
// meter before each child draws, never measured.
#pragma once

#include "widgets/Measure.h"

class CHeldValue : public CMeasure {
public:
    CHeldValue() { m_MaxValue = 1e9; }
    bool Update() override { return true; }
    void Set(double value) { m_Value = value; }
};
