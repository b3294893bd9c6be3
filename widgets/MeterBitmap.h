// A bitmap meter: accepted in skins but reads no keys at all and loads no
// picture, so it draws only the background its defaults give (none).
#pragma once

#include "widgets/Meter.h"

class CMeterBitmap : public CMeter {
public:
    explicit CMeterBitmap(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_BITMAP; }

    void ReadConfig(const CInfoSection&) override {}
    bool Update() override { return false; }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);
};
