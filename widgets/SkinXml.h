// Conversion of XML skin elements into flat skin sections: measure elements
// by their kind's table, widget elements through the converter of their
// meter kind.
#pragma once

#include "widgets/InfoSection.h"

class TiXmlElement;

void ConvertMeasureXml(const TiXmlElement* element, CInfoSection& section);
void ConvertMeterXml(const TiXmlElement* element, CInfoSection& section);

// Each meter kind brings its own element-to-key converter, which writes
// DrawType and the kind's keys and calls ConvertMeterCommon. The kinds plug
// theirs in here by their upper-case Type word; a type without a converter
// is converted like an unknown one (its attributes only, so no meter).
typedef void (*MeterXmlConverter)(const TiXmlElement* element, CInfoSection& section);
bool SetMeterXmlConverter(const wchar_t* type, MeterXmlConverter converter);

// The element's tag or attribute in the thread's ANSI code page as text.
CString XmlText(const char* text);
