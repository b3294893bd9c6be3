// Creates the meter kind named by a skin's DrawType.
#pragma once

#include "widgets/Meter.h"

// The DrawType is compared exactly (INI-like skins must write it in upper
// case); null for anything else. The caller owns the meter.
CMeter* CreateMeter(const wchar_t* drawType, ISkinHost* owner);

// Each meter kind plugs in its constructor here; a kind not yet plugged in
// creates nothing, like an unknown word.
typedef CMeter* (*MeterMaker)(ISkinHost* owner);
void SetMeterMaker(MeterKind kind, MeterMaker maker);
MeterMaker GetMeterMaker(MeterKind kind);
