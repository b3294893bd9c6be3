// A rotator meter: a picture turned about a pivot by an angle that follows
// the bound measure, as the hands of an analog clock.
#pragma once

#include "widgets/MeterPicture.h"

class CMeterRotator : public CMeter {
public:
    explicit CMeterRotator(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    bool Draw() override;
    CString GetImageUrl() override { return m_Picture.GetUrl(); }
    void OnImageDownloaded(bool success) override { m_Picture.OnDownloaded(*this, success); }
    int GetIndicator() override { return m_Picture.GetIndicator(); }
    int GetCacheKey(int fallback) override { return m_Picture.GetCacheKey(fallback); }

    double GetValue() const { return m_Value; }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    CMeterPicture m_Picture;
    double m_OffsetX = 0.0;
    double m_OffsetY = 0.0;
    double m_StartAngle = 0.0;
    double m_RotationAngle = 6.2832;
    int m_ValueRemainder = 0;
    double m_Value = 0.0;
};
