#include "widgets/MeterButton.h"

#include "widgets/MeterString.h"
#include "widgets/SkinHost.h"

#include "res/images.h"
#include "shell/AppGlobals.h"
#include "shell/LanguageTable.h"
#include "ui/ControlSettings.h"
#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

CString Number(int n) {
    CString s;
    s.Format(L"%d", n);
    return s;
}

// How much of its colour a pressed single face keeps without a highlight.
const float kPressedShade = 0.65f;

}  // namespace

CMeterButton::CMeterButton(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_BUTTON; }

CMeterButton::~CMeterButton() = default;

void CMeterButton::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_Command = section.GetString(L"Command", L"");
    m_HyperLink = section.GetInt(L"HyperLink", 0);
    m_ToolTip = section.GetString(L"ToolTip", L"");
    int toolTipId = section.GetInt(L"ToolTipID", 0);
    if (m_ToolTip.IsEmpty() && toolTipId > 0) m_ToolTip = g_LanguageTable[toolTipId];
    m_SingleFrame = section.GetInt(L"SingleFrame", 0);
    m_TouchHighlight = section.GetInt(L"TouchHighlight", g_OSMajorVersion < 6 ? 1 : 0);
    // The size counts as given when both W and H are there, whatever they say.
    bool sizeGiven = section.HasKey(L"W") && section.HasKey(L"H");
    m_Picture.ReadConfig(*this, section, false);
    // A strip's four frames lie side by side.
    if (!sizeGiven && m_SingleFrame == 0) m_W /= 4;

    m_Label.reset();
    if (!section.HasKey(L"Label") && !section.HasKey(L"LabelID")) return;
    CString labelId = section.GetString(L"LabelID", L"");
    // A LabelID that is no number selects text 0.
    CString text = labelId.IsEmpty() ? section.GetString(L"Label", L"") : g_LanguageTable[CInfoSection::ParseInt(labelId)];
    CInfoSection label(L"LABEL");
    const struct {
        const wchar_t* from;
        const wchar_t* to;
        CString def;
    } kLabelKeys[] = {
        {L"LabelAlign", L"StringAlign", L"CENTER"},
        {L"LabelVAlign", L"StringVAlign", L"CENTER"},
        {L"LabelWidth", L"W", Number(GetW())},
        {L"LabelHeight", L"H", Number(GetH())},
        {L"LabelFontSize", L"FontSize", L"9"},
        {L"LabelStyle", L"StringStyle", L"BOLD"},
        {L"LabelFontFace", L"FontFace", g_ControlSettings.DefaultFontFace},
        {L"LabelSingleLine", L"SingleLine", L"1"},
        {L"LabelAntiAlias", L"AntiAlias", L"0"},
        {L"LabelOffsetX", L"OffsetX", L"0"},
        {L"LabelOffsetY", L"OffsetY", L"0"},
        {L"LabelShadowColor", L"ShadowColor", L"255,255,255,255"},
    };
    label.SetValue(L"Text", text);
    for (const auto& k : kLabelKeys) label.SetValue(k.to, section.GetString(k.from, k.def));
    m_Label.reset(new CMeterString(m_Owner));
    m_Label->ReadConfig(label);
    m_LabelRelativeX = section.GetInt(L"LabelRelativeX", GetW() / 2);
    m_LabelRelativeY = section.GetInt(L"LabelRelativeY", 0);
    m_LabelColors[STATE_NORMAL] = section.GetColor(L"LabelNormalColor", 0xFF000000);
    m_LabelColors[STATE_PRESSED] = section.GetColor(L"LabelSelectColor", 0xFFFFFFFF);
    m_LabelColors[STATE_OVER] = section.GetColor(L"LabelOverColor", 0xFF0000FF);
    m_LabelColors[STATE_DISABLED] = section.GetColor(L"LabelDisableColor", 0xFF505050);
}

void CMeterButton::Initialize() {
    if (m_Label) m_Label->Initialize();
}

void CMeterButton::OnImageDownloaded(bool success) {
    // A downloaded picture is one face: no division by four.
    m_Picture.OnDownloaded(*this, success);
}

bool CMeterButton::UpdateButtonState(bool down, CPoint point) {
    if (m_State == STATE_DISABLED) return false;
    int state = down && HitTest(point.x, point.y) ? STATE_PRESSED : STATE_NORMAL;
    if (state == m_State) return false;
    m_State = state;
    return true;
}

bool CMeterButton::HitTestToolTip(CPoint point) { return !m_ToolTip.IsEmpty() && HitTest(point.x, point.y); }

bool CMeterButton::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQuality);
    int x = GetX(), y = GetY();
    Gdiplus::Rect target(x, y, m_W, m_H);
    Gdiplus::Image* image = m_Picture.Get();
    bool pressedFace = m_SingleFrame != 0 && m_State == STATE_PRESSED;
    if (image) {
        if (m_SingleFrame == 0) {
            graphics.DrawImage(image, target, m_W * m_State, 0, m_W, m_H, Gdiplus::UnitPixel);
        } else if (!pressedFace || m_TouchHighlight) {
            graphics.DrawImage(image, target);
        } else {
            Gdiplus::ColorMatrix darken = {{{kPressedShade, 0, 0, 0, 0},
                                            {0, kPressedShade, 0, 0, 0},
                                            {0, 0, kPressedShade, 0, 0},
                                            {0, 0, 0, 1, 0},
                                            {0, 0, 0, 0, 1}}};
            Gdiplus::ImageAttributes attributes;
            attributes.SetColorMatrix(&darken);
            graphics.DrawImage(image, target, 0, 0, (INT)image->GetWidth(), (INT)image->GetHeight(),
                               Gdiplus::UnitPixel, &attributes);
        }
    }
    if (pressedFace && m_TouchHighlight) {
        // Loaded for this drawing only, at its own size.
        std::unique_ptr<Gdiplus::Image> glow(LoadPngResource(IDP_TOUCH_HIGHLIGHT, L"PNG", true));
        if (glow) {
            int w = (int)glow->GetWidth(), h = (int)glow->GetHeight();
            if (!image || w < m_W || h < m_H)
                graphics.DrawImage(glow.get(), (m_W - w) / 2 + x, (m_H - h) / 2 + y, w, h);
            else
                graphics.DrawImage(glow.get(), target);
        }
    }
    if (m_Label) {
        m_Label->SetPosition(x + m_LabelRelativeX, y + m_LabelRelativeY);
        m_Label->SetFontColor(m_LabelColors[m_State & 3]);
        m_Label->Draw();
    }
    m_Picture.DrawIndicator(*this, graphics, m_X, m_Y, m_W, m_H);
    return true;
}

void CMeterButton::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"BUTTON");
    const TiXmlElement* button = element->FirstChildElement("Button");
    section.SetFromXml(button, "Image", L"ImageName");
    // After the common Origin and Size, so these win.
    static const struct {
        const char* attribute;
        const wchar_t* key;
    } kButtonKeys[] = {{"ImageID", L"ImageID"}, {"ImageUrl", L"ImageUrl"}, {"Indicator", L"Indicator"},
                       {"CacheID", L"CacheID"}, {"X", L"X"},             {"Y", L"Y"},
                       {"W", L"W"},             {"H", L"H"}};
    for (const auto& k : kButtonKeys) section.SetFromXml(button, k.attribute, k.key);
    const struct {
        const char* child;
        const char* attribute;
        const wchar_t* key;
    } kKeys[] = {
        {"HyperLink", "Value", L"HyperLink"},       {"ToolTip", "Value", L"ToolTip"},
        {"ToolTip", "ValueID", L"ToolTipID"},       {"SingleFrame", "Value", L"SingleFrame"},
        {"TouchHighlight", "Value", L"TouchHighlight"}, {"Command", "Value", L"Command"},
    };
    for (const auto& k : kKeys) section.SetFromXml(element->FirstChildElement(k.child), k.attribute, k.key);
    const TiXmlElement* label = element->FirstChildElement("Label");
    if (!label) return;
    const struct {
        const char* child;
        const char* attribute;
        const wchar_t* key;
    } kLabelKeys[] = {
        {"Text", "Value", L"Label"},             {"Text", "ValueID", L"LabelID"},
        {"Align", "Align", L"LabelAlign"},       {"Align", "VAlign", L"LabelVAlign"},
        {"Size", "W", L"LabelWidth"},            {"Size", "H", L"LabelHeight"},
        {"Relative", "X", L"LabelRelativeX"},    {"Relative", "Y", L"LabelRelativeY"},
        {"SingleLine", "Value", L"LabelSingleLine"}, {"AntiAlias", "Value", L"LabelAntiAlias"},
        {"Font", "Size", L"LabelFontSize"},      {"Font", "Style", L"LabelStyle"},
        {"Font", "Face", L"LabelFontFace"},      {"Color", "Normal", L"LabelNormalColor"},
        {"Color", "Select", L"LabelSelectColor"}, {"Color", "Over", L"LabelOverColor"},
        {"Color", "Disable", L"LabelDisableColor"}, {"Offset", "X", L"LabelOffsetX"},
        {"Offset", "Y", L"LabelOffsetY"},        {"Offset", "Color", L"LabelShadowColor"},
    };
    for (const auto& k : kLabelKeys) section.SetFromXml(label->FirstChildElement(k.child), k.attribute, k.key);
}
