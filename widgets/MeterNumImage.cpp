#include "widgets/MeterNumImage.h"

#include "widgets/Measure.h"
#include "widgets/MeterImage.h"
#include "widgets/SkinHost.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

#include <climits>
#include <cmath>

namespace {

// The digit field is at most this wide; a skin asking for more gets this.
const int kMaxCipher = 64;

// The whole part of a value within the range of a number; NaN gives 0.
long long WholePart(double value) {
    if (!std::isfinite(value)) return 0;
    if (value >= (double)INT_MAX) return INT_MAX;
    if (value <= (double)INT_MIN) return INT_MIN;
    return (long long)value;
}

}  // namespace

CMeterNumImage::CMeterNumImage(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_NUMIMAGE; }

void CMeterNumImage::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_Vertical = section.GetBool(L"Vertical", false);
    m_Space = section.GetInt(L"Space", 0);
    m_Rule.cipher = std::min(std::max(section.GetInt(L"Cipher", 1), 0), kMaxCipher);
    m_Rule.valueMax = section.GetInt(L"ValueMax", 0);
    m_Rule.valueDiv = section.GetInt(L"ValueDiv", 1);
    m_Rule.revision = section.GetInt(L"RevisionVal", 0);
    m_Rule.cipherSizeFit = section.GetBool(L"CipherSizeFit", false);
    m_ValueDefault = section.GetInt(L"ValueDefault", 0);
    m_AlignLeftTop = section.GetBool(L"AlignLeftTop", true);
    m_FitCipher = section.GetBool(L"FitCipher", true);
    m_Picture.ReadConfig(*this, section, false);
    m_Number = m_ValueDefault;
}

int CMeterNumImage::NumberFor(double value, double relative, const NumberRule& rule) {
    long long number;
    if (rule.valueDiv > 0) {
        // Signed division: a negative value keeps its sign instead of turning
        // into a huge unsigned quotient.
        number = WholePart(value) / rule.valueDiv + rule.revision;
        if (rule.valueMax > 0) number %= rule.valueMax;
    } else {
        number = WholePart(relative);
    }
    if (rule.cipherSizeFit) {
        // Ten places or more hold every number there is: nothing to cut.
        int places = std::max(rule.cipher, 1);
        if (places < 10) {
            long long power = 1;
            for (int i = 0; i < places; ++i) power *= 10;
            number %= power;
        }
    }
    if (number > INT_MAX) number = INT_MAX;
    if (number < INT_MIN) number = INT_MIN;
    return (int)number;
}

CString CMeterNumImage::DigitText(int number, int cipher, bool fitCipher) {
    cipher = std::min(std::max(cipher, 0), kMaxCipher);
    CString text;
    if (cipher > 0)
        text.Format(fitCipher ? L"%0*d" : L"%*d", cipher, number);
    else
        text.Format(L"%d", number);
    return text;
}

bool CMeterNumImage::Update() {
    if (!CMeter::Update() || !m_Measure) {
        m_Number = m_ValueDefault;
        return false;
    }
    m_Number = NumberFor(m_Measure->GetValue(), m_Measure->GetRelativeValue(), m_Rule);
    return true;
}

bool CMeterNumImage::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    if (Gdiplus::Image* image = m_Picture.Get()) {
        graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
        CString text = DigitText(m_Number, m_Rule.cipher, m_FitCipher);
        int direction = m_AlignLeftTop ? 1 : -1;
        int x = GetX(), y = GetY();
        for (int i = 0; i < text.GetLength(); ++i) {
            wchar_t c = text[i];
            // Blanks and the minus sign have no picture: their cell stays empty.
            if (c < L'0' || c > L'9') continue;
            Gdiplus::Rect target = m_Vertical ? Gdiplus::Rect(x, y + i * (m_H + m_Space) * direction, m_W, m_H)
                                              : Gdiplus::Rect(x + i * (m_W + m_Space) * direction, y, m_W, m_H);
            graphics.DrawImage(image, target, (c - L'0') * m_W, 0, m_W, m_H, Gdiplus::UnitPixel);
        }
    }
    m_Picture.DrawIndicator(*this, graphics, m_X, m_Y, m_W, m_H);
    return true;
}

void CMeterNumImage::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"NUMIMAGE");
    ConvertImageElement(element, section);
    section.SetFromXml(element->FirstChildElement("Image"), "Vertical", L"Vertical");
    const TiXmlElement* value = element->FirstChildElement("Value");
    static const struct {
        const char* attribute;
        const wchar_t* key;
    } kValueKeys[] = {{"Max", L"ValueMax"}, {"Div", L"ValueDiv"}, {"Revision", L"RevisionVal"},
                      {"Cipher", L"Cipher"}, {"Space", L"Space"}, {"Default", L"ValueDefault"}};
    for (const auto& k : kValueKeys) section.SetFromXml(value, k.attribute, k.key);
    section.SetFromXml(element->FirstChildElement("AlignLeftTop"), "Value", L"AlignLeftTop");
    section.SetFromXml(element->FirstChildElement("FitCipher"), "Value", L"FitCipher");
    section.SetFromXml(element->FirstChildElement("CipherSizeFit"), "Value", L"CipherSizeFit");
}
