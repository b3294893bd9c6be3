#include "widgets/MeterFrameImage.h"

#include "widgets/Measure.h"
#include "widgets/MeterImage.h"
#include "widgets/SkinHost.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cmath>

namespace {

const int kLoadingStripId = 290;

// A value as a whole number toward zero; values beyond what a frame number
// can be (and NaN) give 0 instead of an undefined conversion.
long long Truncate(double value) {
    if (!std::isfinite(value) || std::fabs(value) >= 9.0e18) return 0;
    return (long long)value;
}

CMeter* MakeLoadingIndicator() {
    auto* indicator = new CMeterFrameImage(nullptr);
    indicator->SetUpAsLoadingIndicator();
    return indicator;
}

}  // namespace

CMeterFrameImage::CMeterFrameImage(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_FRAMEIMAGE; }

void CMeterFrameImage::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_VerticalFrame = section.GetBool(L"VerticalFrame", false);
    m_ValueMax = section.GetInt(L"ValueMax", 0);
    m_ValueMaxFrame = section.GetInt(L"ValueMaxFrame", 0);
    m_ValueDiv = section.GetFloat(L"ValueDiv", 0.0f);
    m_RevisionVal = section.GetInt(L"RevisionVal", 0);
    m_Picture.ReadConfig(*this, section, false);
}

void CMeterFrameImage::SetUpAsLoadingIndicator() {
    m_Picture.Reset(LoadPngResource(kLoadingStripId, L"PNG", true));
    m_X = m_Y = 0;
    m_W = m_H = 40;
    m_ValueMax = m_ValueMaxFrame = 8;
    m_ValueDiv = 0.0f;
    m_RevisionVal = 0;
    m_VerticalFrame = false;
}

CMeterFrameImage* CMeterFrameImage::GetLoadingIndicator() {
    // Registered on first need rather than at start-up, so that a program
    // that never shows a download never loads the strip.
    static const bool registered = (SetLoadingIndicatorMaker(MakeLoadingIndicator), true);
    (void)registered;
    return dynamic_cast<CMeterFrameImage*>(EnsureLoadingIndicator());
}

long long CMeterFrameImage::FrameFor(double value, double relative, float valueDiv, int valueMaxFrame, int valueMax,
                                     int revision) {
    long long frame;
    if (valueDiv > 0.0f) {
        frame = Truncate(value / valueDiv) + revision;
    } else if (valueMaxFrame > 0) {
        frame = Truncate(relative * (valueMaxFrame - 1) + 0.5);
        if (frame >= valueMaxFrame) frame = valueMaxFrame - 1;
        return frame;
    } else {
        frame = Truncate(value) + revision;
    }
    if (valueMax > 0) frame %= valueMax;
    return frame;
}

bool CMeterFrameImage::Update() {
    if (!CMeter::Update() || !m_Measure) return false;
    m_Frame = FrameFor(m_Measure->GetValue(), m_Measure->GetRelativeValue(), m_ValueDiv, m_ValueMaxFrame, m_ValueMax,
                       m_RevisionVal);
    return true;
}

bool CMeterFrameImage::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    Gdiplus::Image* image = m_Picture.Get();
    if (image) {
        // A frame outside the strip draws nothing.
        long long step = m_VerticalFrame ? m_H : m_W;
        long long length = m_VerticalFrame ? image->GetHeight() : image->GetWidth();
        if (m_Frame >= 0 && m_Frame <= length && step * m_Frame < length) {
            int offset = (int)(step * m_Frame);
            graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
            graphics.DrawImage(image, Gdiplus::Rect(GetX(), GetY(), m_W, m_H), m_VerticalFrame ? 0 : offset,
                               m_VerticalFrame ? offset : 0, m_W, m_H, Gdiplus::UnitPixel);
        }
    }
    m_Picture.DrawIndicator(*this, graphics, m_X, m_Y, m_W, m_H);
    return true;
}

void CMeterFrameImage::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"FRAMEIMAGE");
    ConvertImageElement(element, section);
    section.SetFromXml(element->FirstChildElement("Image"), "Vertical", L"VerticalFrame");
    const TiXmlElement* value = element->FirstChildElement("Value");
    section.SetFromXml(value, "Max", L"ValueMax");
    section.SetFromXml(value, "MaxFrame", L"ValueMaxFrame");
    section.SetFromXml(value, "Div", L"ValueDiv");
    section.SetFromXml(value, "Revision", L"RevisionVal");
}
