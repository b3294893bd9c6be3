#include "widgets/MeterRotator.h"

#include "widgets/Measure.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterRoundLine.h"
#include "widgets/SkinHost.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

const double kPi = 3.1415927;

}  // namespace

CMeterRotator::CMeterRotator(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_ROTATOR; }

void CMeterRotator::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_Picture.ReadConfig(*this, section, false);
    m_OffsetX = section.GetFloat(L"OffsetX", 0.0f);
    m_OffsetY = section.GetFloat(L"OffsetY", 0.0f);
    m_StartAngle = section.GetFloat(L"StartAngle", 0.0f);
    m_RotationAngle = section.GetFloat(L"RotationAngle", 6.2832f);
    m_ValueRemainder = ReadValueRemainder(section);
}

bool CMeterRotator::Update() {
    if (!CMeter::Update() || !m_Measure) return false;
    m_Value = TurnFraction(m_Measure->GetValue(), m_Measure->GetRelativeValue(), m_ValueRemainder);
    return true;
}

bool CMeterRotator::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    if (Gdiplus::Image* image = m_Picture.Get()) {
        float cx = (float)(GetX() + m_W * 0.5), cy = (float)(GetY() + m_H * 0.5);
        float degrees = (float)((m_Value * m_RotationAngle + m_StartAngle) * 180 / kPi);
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
        graphics.TranslateTransform(cx, cy);
        graphics.RotateTransform(degrees);
        graphics.TranslateTransform((float)-m_OffsetX, (float)-m_OffsetY);
        graphics.DrawImage(image, 0.0f, 0.0f, (float)image->GetWidth(), (float)image->GetHeight());
        graphics.ResetTransform();
    }
    m_Picture.DrawIndicator(*this, graphics, m_X, m_Y, m_W, m_H);
    return true;
}

void CMeterRotator::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"ROTATOR");
    ConvertImageElement(element, section);
    const TiXmlElement* offset = element->FirstChildElement("Offset");
    section.SetFromXml(offset, "X", L"OffsetX");
    section.SetFromXml(offset, "Y", L"OffsetY");
    ConvertAngleElements(element, section);
    section.SetFromXml(element->FirstChildElement("Value"), "Reminder", L"ValueReminder");
}
