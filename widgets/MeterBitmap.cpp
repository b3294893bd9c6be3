#include "widgets/MeterBitmap.h"

void CMeterBitmap::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"BITMAP");
}
