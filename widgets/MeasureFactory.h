// Creates the measure kind named by a skin's MeasureType.
#pragma once

#include "widgets/Measure.h"

// The type is matched without regard to case; null for an empty or unknown
// type. The caller owns the measure.
CMeasure* CreateMeasure(const wchar_t* type);
