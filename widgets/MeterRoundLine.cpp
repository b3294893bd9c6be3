#include "widgets/MeterRoundLine.h"

#include "widgets/Measure.h"
#include "widgets/SkinHost.h"
#include "widgets/SkinXml.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cmath>

namespace {

const double kPi = 3.14159265;
// Degrees per radian. The exact value, so that 270 degrees is written as
// 4.712389, the three quarters of a turn that skins mean by it.
const double kDegreesPerRadian = 180.0 / 3.14159265358979;

}  // namespace

int ReadValueRemainder(const CInfoSection& section) {
    return section.GetInt(L"ValueRemainder", section.GetInt(L"ValueReminder", 0));
}

double TurnFraction(double value, double relative, int remainder) {
    if (remainder == 0) return relative;
    // Signed arithmetic on both kinds: a value below zero turns back from
    // the start instead of landing on an arbitrary angle.
    if (!std::isfinite(value) || std::fabs(value) >= 9.0e18) return 0.0;
    long long whole = (long long)value;
    return (double)(whole % remainder) / remainder;
}

void ConvertAngleElements(const TiXmlElement* element, CInfoSection& section) {
    if (const TiXmlElement* angle = element->FirstChildElement("Angle")) {
        section.SetFromXml(angle, "Start", L"StartAngle");
        section.SetFromXml(angle, "Rotation", L"RotationAngle");
        return;
    }
    const TiXmlElement* degrees = element->FirstChildElement("DegreeAngle");
    if (!degrees) return;
    static const struct {
        const char* attribute;
        const wchar_t* key;
    } kKeys[] = {{"Start", L"StartAngle"}, {"Rotation", L"RotationAngle"}};
    for (const auto& k : kKeys) {
        const char* text = degrees->Attribute(k.attribute);
        if (!text) continue;
        CString radians;
        radians.Format(L"%.6f", CInfoSection::ParseDouble(XmlText(text)) / kDegreesPerRadian);
        section.SetValue(k.key, radians);
    }
}

void CMeterRoundLine::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_LineWidth = section.GetFloat(L"LineWidth", 1.0f);
    m_LineLength = section.GetFloat(L"LineLength", 20.0f);
    m_LineStart = section.GetFloat(L"LineStart", -1.0f);
    m_LineColor = section.GetColor(L"LineColor", 0xFF000000);
    m_Solid = section.GetInt(L"Solid", 0) != 0;
    m_AntiAlias = section.GetInt(L"AntiAlias", 0) != 0;
    m_StartAngle = section.GetFloat(L"StartAngle", 0.0f);
    m_RotationAngle = section.GetFloat(L"RotationAngle", 6.2832f);
    m_ValueRemainder = ReadValueRemainder(section);
}

bool CMeterRoundLine::Update() {
    if (!CMeter::Update() || !m_Measure) return false;
    m_Value = TurnFraction(m_Measure->GetValue(), m_Measure->GetRelativeValue(), m_ValueRemainder);
    return true;
}

bool CMeterRoundLine::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    if (m_AntiAlias) graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    float cx = (float)(GetX() + m_W * 0.5), cy = (float)(GetY() + m_H * 0.5);
    Gdiplus::Color color((Gdiplus::ARGB)m_LineColor);
    if (m_Solid) {
        if (m_LineStart > 0) {
            // The inner circle is cut out, leaving a ring.
            Gdiplus::GraphicsPath hole;
            float r = (float)m_LineStart;
            hole.AddEllipse(cx - r, cy - r, 2 * r, 2 * r);
            graphics.SetClip(&hole, Gdiplus::CombineModeExclude);
        }
        Gdiplus::SolidBrush brush(color);
        float r = (float)m_LineLength;
        graphics.FillPie(&brush, cx - r, cy - r, 2 * r, 2 * r, (float)(m_StartAngle * 180 / kPi),
                         (float)(m_Value * m_RotationAngle * 180 / kPi));
    } else {
        double a = m_Value * m_RotationAngle + m_StartAngle;
        double c = std::cos(a), s = std::sin(a);
        float ex = (float)(cx + m_LineLength * c), ey = (float)(cy + m_LineLength * s);
        float sx = cx, sy = cy;
        if (m_LineStart > 0) {
            sx = (float)(cx + m_LineStart * c);
            sy = (float)(cy + m_LineStart * s);
        }
        Gdiplus::Pen pen(color, (float)m_LineWidth);
        graphics.DrawLine(&pen, sx, sy, ex, ey);
    }
    return true;
}

void CMeterRoundLine::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"ROUNDLINE");
    static const struct {
        const char* child;
        const wchar_t* key;
    } kValues[] = {{"Width", L"LineWidth"}, {"Length", L"LineLength"}, {"Color", L"LineColor"},
                   {"Start", L"LineStart"}, {"Solid", L"Solid"},       {"AntiAlias", L"AntiAlias"}};
    for (const auto& k : kValues) section.SetFromXml(element->FirstChildElement(k.child), "Value", k.key);
    ConvertAngleElements(element, section);
    section.SetFromXml(element->FirstChildElement("Value"), "Reminder", L"ValueReminder");
}
