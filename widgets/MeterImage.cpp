#include "widgets/MeterImage.h"

#include "widgets/SkinHost.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

CMeterImage::CMeterImage(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_IMAGE; }

void CMeterImage::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_Picture.ReadConfig(*this, section, true);
}

bool CMeterImage::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    if (Gdiplus::Image* image = m_Picture.Get()) {
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
        graphics.DrawImage(image, Gdiplus::Rect(GetX(), GetY(), m_W, m_H));
    }
    m_Picture.DrawIndicator(*this, graphics, m_X, m_Y, m_W, m_H);
    return true;
}

void ConvertImageElement(const TiXmlElement* element, CInfoSection& section) {
    const TiXmlElement* image = element->FirstChildElement("Image");
    section.SetFromXml(image, "Image", L"ImageName");
    // Stored after the common Origin and Size, so these win.
    static const struct {
        const char* attribute;
        const wchar_t* key;
    } kKeys[] = {{"ImageID", L"ImageID"}, {"ImageUrl", L"ImageUrl"}, {"Indicator", L"Indicator"},
                 {"CacheID", L"CacheID"}, {"X", L"X"},             {"Y", L"Y"},
                 {"W", L"W"},             {"H", L"H"}};
    for (const auto& k : kKeys) section.SetFromXml(image, k.attribute, k.key);
}

void CMeterImage::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"IMAGE");
    ConvertImageElement(element, section);
}
