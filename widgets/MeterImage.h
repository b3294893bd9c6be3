// An image meter: one picture scaled into the meter's rectangle.
#pragma once

#include "widgets/MeterPicture.h"

class CMeterImage : public CMeter {
public:
    explicit CMeterImage(ISkinHost* owner);

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override { return false; }
    bool Draw() override;
    CString GetImageUrl() override { return m_Picture.GetUrl(); }
    void OnImageDownloaded(bool success) override { m_Picture.OnDownloaded(*this, success); }
    int GetIndicator() override { return m_Picture.GetIndicator(); }
    int GetCacheKey(int fallback) override { return m_Picture.GetCacheKey(fallback); }

    bool HasImage() const { return m_Picture.Get() != nullptr; }
    Gdiplus::Image* GetPicture() const { return m_Picture.Get(); }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    CMeterPicture m_Picture;
};

// The picture keys of an Image child element, shared by the XML forms of
// every picture-showing kind.
void ConvertImageElement(const TiXmlElement* element, CInfoSection& section);
