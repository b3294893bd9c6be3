// The month calendar meter of a skin. Its month grid, hit tests and mark
// choices are in CalendarGrid.h; this file holds the skin-side part.
#pragma once

#include "widgets/InfoSection.h"

class TiXmlElement;

// The section keys of a calendar widget element: the common meter keys, then
// one key per attribute the calendar reads. Missing elements set nothing.
void ConvertCalendarXml(const TiXmlElement* element, CInfoSection& section);
