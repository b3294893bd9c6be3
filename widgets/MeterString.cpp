#include "widgets/MeterString.h"

#include "widgets/Measure.h"
#include "widgets/SkinHost.h"
#include "widgets/SkinXml.h"

#include "shell/LanguageTable.h"
#include "ui/ControlSettings.h"
#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

namespace {

// The screen's dots per inch, from the desktop's device context: the font
// keeps the same number of pixels at any screen resolution.
int ScreenDpi() {
    HDC dc = ::GetDC(::GetDesktopWindow());
    int dpi = dc ? ::GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ::ReleaseDC(::GetDesktopWindow(), dc);
    return dpi > 0 ? dpi : 96;
}

Gdiplus::StringAlignment ToAlignment(int align) {
    switch (align) {
    case 1: return Gdiplus::StringAlignmentFar;
    case 2: return Gdiplus::StringAlignmentCenter;
    default: return Gdiplus::StringAlignmentNear;
    }
}

}  // namespace

int ParseStringAlign(const CString& word) {
    if (word.CompareNoCase(L"RIGHT") == 0) return 1;
    if (word.CompareNoCase(L"CENTER") == 0) return 2;
    return 0;
}

int ParseStringVAlign(const CString& word) {
    if (word.CompareNoCase(L"BOTTOM") == 0) return 1;
    if (word.CompareNoCase(L"CENTER") == 0) return 2;
    return 0;
}

int ParseStringStyle(const CString& word) {
    if (word.CompareNoCase(L"BOLD") == 0) return 1;
    if (word.CompareNoCase(L"ITALIC") == 0) return 2;
    if (word.CompareNoCase(L"BOLDITALIC") == 0) return 3;
    return 0;
}

CMeterString::CMeterString(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_STRING; }

CMeterString::~CMeterString() = default;

void CMeterString::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_FontColor = section.GetColor(L"FontColor", 0xFF000000);
    m_ShadowColor = section.GetColor(L"ShadowColor", 0xFFFFFFFF);
    m_OffsetX = section.GetInt(L"OffsetX", 0);
    m_OffsetY = section.GetInt(L"OffsetY", 0);
    m_Prefix = section.GetString(L"Prefix", L"");
    m_Postfix = section.GetString(L"Postfix", L"");
    m_Text = section.GetString(L"Text", L"");
    if (m_Text.IsEmpty()) {
        CString id = section.GetString(L"TextID", L"");
        if (!id.IsEmpty()) m_Text = g_LanguageTable[CInfoSection::ParseInt(id)];
    }
    m_AntiAlias = section.GetInt(L"AntiAlias", 0) != 0;
    m_Percentual = section.GetInt(L"Percentual", 0) != 0;
    m_AutoScale = section.GetInt(L"AutoScale", 0) != 0;
    m_ClipString = section.GetInt(L"ClipString", 0) != 0;
    m_SingleLine = section.GetInt(L"SingleLine", 0) != 0;
    m_FontSize = section.GetInt(L"FontSize", 10);
    m_NumOfDecimals = section.GetInt(L"NumOfDecimals", -1);
    CString scale = section.GetString(L"Scale", L"1");
    m_Scale = CInfoSection::ParseDouble(scale);
    m_ScaleWhole = scale.IsEmpty() || scale.Find(L'.') < 0;
    m_FontFace = section.GetString(L"FontFace", g_ControlSettings.DefaultFontFace);
    m_Align = ParseStringAlign(section.GetString(L"StringAlign", L"LEFT"));
    m_VAlign = ParseStringVAlign(section.GetString(L"StringVAlign", L"TOP"));
    m_Style = ParseStringStyle(section.GetString(L"StringStyle", L"NORMAL"));
    m_Text.Replace(L"#BR#", L"\n");
}

void CMeterString::Initialize() {
    m_Font.reset();
    m_FontFamily.reset(new Gdiplus::FontFamily(m_FontFace));
    if (m_FontFamily->GetLastStatus() != Gdiplus::Ok || !m_FontFamily->IsAvailable())
        m_FontFamily.reset(Gdiplus::FontFamily::GenericSansSerif()->Clone());
    static const INT kStyles[] = {Gdiplus::FontStyleRegular, Gdiplus::FontStyleBold, Gdiplus::FontStyleItalic,
                                  Gdiplus::FontStyleBoldItalic};
    float size = (float)m_FontSize * 96.0f / (float)ScreenDpi();
    m_Font.reset(new Gdiplus::Font(m_FontFamily.get(), size, kStyles[m_Style & 3], Gdiplus::UnitPoint));
    if (m_Font->GetLastStatus() != Gdiplus::Ok) m_Font.reset();
}

CString CMeterString::GetFontFamilyName() const {
    if (!m_FontFamily) return CString();
    WCHAR name[LF_FACESIZE] = {};
    m_FontFamily->GetFamilyName(name);
    return name;
}

int CMeterString::GetDecimals() const {
    if (m_NumOfDecimals != -1) return m_NumOfDecimals;
    return m_ScaleWhole && !m_AutoScale ? 0 : 1;
}

bool CMeterString::Update() {
    if (!m_Measure) return false;
    m_Values.assign(1, m_Measure->GetStringValue(m_AutoScale, m_Scale, GetDecimals(), m_Percentual));
    return true;
}

int CMeterString::GetX(bool raw) {
    if (raw) return m_X;
    switch (m_Align) {
    case 1: return m_X - m_W;
    case 2: return m_X - m_W / 2;
    default: return m_X;
    }
}

CString CMeterString::GetDrawnText() const {
    CString text = m_Prefix;
    if (!m_Text.IsEmpty()) {
        CString body = m_Text;
        // From the highest number down, so "%1" never eats the start of "%10".
        for (size_t i = m_Values.size(); i > 0; --i) {
            CString mark;
            mark.Format(L"%%%d", (int)i);
            body.Replace(mark, m_Values[i - 1]);
        }
        text += body;
    } else if (!m_Values.empty()) {
        text += m_Values[0];
    }
    return text + m_Postfix;
}

void CMeterString::DrawTextAt(Gdiplus::Graphics& graphics, const CString& text, int x, int y, DWORD color) {
    Gdiplus::StringFormat format;
    format.SetAlignment(ToAlignment(m_Align));
    format.SetLineAlignment(ToAlignment(m_VAlign));
    if (m_SingleLine) {
        format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
        format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsLineLimit);
    } else if (m_ClipString) {
        format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    } else {
        format.SetTrimming(Gdiplus::StringTrimmingNone);
        format.SetFormatFlags(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
    }
    Gdiplus::SolidBrush brush(Gdiplus::Color((Gdiplus::ARGB)color));
    Gdiplus::RectF layout((float)x, (float)y, (float)m_W, (float)m_H);
    if (!m_SingleLine && !m_ClipString) {
        // Free text runs past the rectangle: laid out from its anchor in a
        // rectangle of no width, which sets no limit on the line (some GDI+
        // versions cut an unwrapped line at the width, clipping or not).
        layout.X += m_Align == 1 ? (float)m_W : m_Align == 2 ? (float)m_W / 2.0f : 0.0f;
        layout.Width = 0.0f;
    }
    graphics.DrawString(text, text.GetLength(), m_Font.get(), layout, &format, &brush);
}

bool CMeterString::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    if (!m_Font) Initialize();
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    if (!m_Font) return true;
    graphics.SetTextRenderingHint(m_AntiAlias ? Gdiplus::TextRenderingHintAntiAlias
                                              : Gdiplus::TextRenderingHintSingleBitPerPixelGridFit);
    CString text = GetDrawnText();
    int x = GetX(false), y = GetY();
    if (m_OffsetX != 0 || m_OffsetY != 0) {
        int a = m_OffsetX % 100, b = m_OffsetY % 100;
        bool bigX = m_OffsetX >= 100, bigY = m_OffsetY >= 100;
        if (!bigX && !bigY) {
            DrawTextAt(graphics, text, x + m_OffsetX, y + m_OffsetY, m_ShadowColor);
        } else if (bigX && !bigY) {
            // A horizontal smear.
            for (int dx : {a, 0, -a}) DrawTextAt(graphics, text, x + dx, y + m_OffsetY, m_ShadowColor);
        } else if (!bigX && bigY) {
            for (int dy : {b, 0, -b}) DrawTextAt(graphics, text, x + m_OffsetX, y + dy, m_ShadowColor);
        } else {
            // An outline: the eight neighbours.
            const int around[8][2] = {{a, b}, {-a, -b}, {-a, b}, {a, -b}, {0, b}, {0, -b}, {-a, 0}, {a, 0}};
            for (const auto& d : around) DrawTextAt(graphics, text, x + d[0], y + d[1], m_ShadowColor);
        }
    }
    DrawTextAt(graphics, text, x, y, m_FontColor);
    return true;
}

bool CMeterString::DrawOffset(int dx, int dy, DWORD color) {
    int x = m_X, y = m_Y;
    DWORD colour = m_FontColor;
    m_X += dx;
    m_Y += dy;
    m_FontColor = color;
    bool drawn = Draw();
    m_X = x;
    m_Y = y;
    m_FontColor = colour;
    return drawn;
}

// ---- XML forms ----

void ConvertTextXml(const TiXmlElement* element, CInfoSection& section) {
    static const struct {
        const char* child;
        const char* attribute;
        const wchar_t* key;
    } kKeys[] = {
        {"Font", "Color", L"FontColor"},      {"Font", "Size", L"FontSize"},
        {"Font", "Face", L"FontFace"},        {"Font", "Style", L"StringStyle"},
        {"Align", "Align", L"StringAlign"},   {"Align", "VAlign", L"StringVAlign"},
        {"Text", "Value", L"Text"},           {"Text", "ValueID", L"TextID"},
        {"Prefix", "Value", L"Prefix"},       {"Postfix", "Value", L"Postfix"},
        {"AntiAlias", "Value", L"AntiAlias"}, {"Percentual", "Value", L"Percentual"},
        {"AutoScale", "Value", L"AutoScale"}, {"ClipString", "Value", L"ClipString"},
        {"SingleLine", "Value", L"SingleLine"}, {"Scale", "Value", L"Scale"},
        {"Offset", "X", L"OffsetX"},          {"Offset", "Y", L"OffsetY"},
        {"Offset", "Color", L"ShadowColor"},
    };
    for (const auto& k : kKeys) section.SetFromXml(element->FirstChildElement(k.child), k.attribute, k.key);
}

void CMeterString::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"STRING");
    ConvertTextXml(element, section);
}

void CMeterString::ConvertDateXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"DATESTRING");
    ConvertTextXml(element, section);
    section.SetFromXml(element->FirstChildElement("DateFormat"), "Value", L"DateFormat");
}

void CMeterString::ConvertUserXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"USERSTRING");
    ConvertTextXml(element, section);
    section.SetFromXml(element->FirstChildElement("UserFormat"), "Value", L"UserFormat");
}

CString CMeterString::Number(int n) {
    CString s;
    s.Format(L"%d", n);
    return s;
}
