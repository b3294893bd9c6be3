#include "widgets/MeterDrawObject.h"

#include "widgets/MeterShading.h"
#include "widgets/SkinHost.h"
#include "widgets/SkinXml.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cwchar>

namespace {

const wchar_t* const kTypeWords[] = {L"Line",     L"Line3D",  L"Rectangle", L"FRectangle",
                                     L"Ellipse",  L"FEllipse", L"Ellipse3D"};
const int kTypeCount = 7;

// More shapes than any skin draws; a larger count is a damaged skin and
// must not make the window read keys for ever.
const int kMaxObjects = 1000;

CString Numbered(const wchar_t* key, int n) {
    CString name;
    name.Format(L"%s%d", key, n);
    return name;
}

BYTE Channel(DWORD color, int shift) { return (BYTE)((color >> shift) & 0xFF); }

}  // namespace

int CMeterDrawObject::TypeOfWord(const wchar_t* word) {
    if (!word) return -1;
    for (int i = 0; i < kTypeCount; ++i)
        if (wcscmp(word, kTypeWords[i]) == 0) return i;
    return -1;
}

void CMeterDrawObject::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_Objects.clear();
    int count = std::min(section.GetInt(L"ObjectCount", 0), kMaxObjects);
    int previousType = -1;
    for (int n = 0; n < count; ++n) {
        int type = TypeOfWord(section.GetString(Numbered(L"Type", n), L""));
        // An unknown word takes the type of the shape before it; before the
        // first known one there is none, and the shape is left out.
        if (type < 0) type = previousType;
        if (type < 0) continue;
        previousType = type;
        CMDrawObject object;
        object.type = type;
        object.SX = section.GetFloat(Numbered(L"SX", n), 0.0f);
        object.SY = section.GetFloat(Numbered(L"SY", n), 0.0f);
        object.EX = section.GetFloat(Numbered(L"EX", n), 0.0f);
        object.EY = section.GetFloat(Numbered(L"EY", n), 0.0f);
        object.color = section.GetColor(Numbered(L"Color", n), 0xFF000000);
        object.width = section.GetFloat(Numbered(L"Width", n), 1.0f);
        object.antiAlias = section.GetFloat(Numbered(L"AntiAlias", n), 1.0f);
        m_Objects.push_back(object);
    }
}

bool CMeterDrawObject::Draw() {
    if (m_Hidden) return false;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    Gdiplus::Graphics graphics(buffer);
    DrawBackground(graphics);
    Gdiplus::Pen pen(Gdiplus::Color(255, 0, 0, 0), 1.0f);
    Gdiplus::SolidBrush brush(Gdiplus::Color(255, 0, 0, 0));
    for (const CMDrawObject& o : m_Objects) {
        // Without its own anti-alias value a shape keeps the smoothing the
        // shape before it left.
        if (o.antiAlias != 0.0f) graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        Gdiplus::Color color((Gdiplus::ARGB)o.color);
        float w = o.EX - o.SX, h = o.EY - o.SY;
        switch (o.type) {
        case DRAWOBJ_LINE:
            pen.SetColor(color);
            pen.SetWidth(o.width);
            graphics.DrawLine(&pen, o.SX, o.SY, o.EX, o.EY);
            break;
        case DRAWOBJ_LINE3D: {
            Gdiplus::PointF points[2] = {Gdiplus::PointF(o.SX, o.SY), Gdiplus::PointF(o.EX, o.EY)};
            DrawLine3D(graphics, points, 2, o.width, Channel(o.color, 16), Channel(o.color, 8), Channel(o.color, 0),
                       Channel(o.color, 24));
            break;
        }
        case DRAWOBJ_RECTANGLE:
            pen.SetColor(color);
            pen.SetWidth(o.width);
            graphics.DrawRectangle(&pen, o.SX, o.SY, w, h);
            break;
        case DRAWOBJ_FRECTANGLE:
            brush.SetColor(color);
            graphics.FillRectangle(&brush, o.SX, o.SY, w, h);
            break;
        case DRAWOBJ_ELLIPSE:
            pen.SetColor(color);
            pen.SetWidth(o.width);
            graphics.DrawEllipse(&pen, o.SX, o.SY, w, h);
            break;
        case DRAWOBJ_FELLIPSE:
            brush.SetColor(color);
            graphics.FillEllipse(&brush, o.SX, o.SY, w, h);
            break;
        case DRAWOBJ_ELLIPSE3D:
            DrawEllipse3D(graphics, (o.SX + o.EX) / 2, (o.SY + o.EY) / 2, (o.SX - o.EX) / 2, Channel(o.color, 16),
                          Channel(o.color, 8), Channel(o.color, 0), Channel(o.color, 24));
            break;
        }
    }
    return true;
}

void CMeterDrawObject::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"DRAWOBJECT");
    static const struct {
        const char* attribute;
        const wchar_t* key;
    } kKeys[] = {{"SX", L"SX"},       {"SY", L"SY"},       {"EX", L"EX"},          {"EY", L"EY"},
                 {"Color", L"Color"}, {"Width", L"Width"}, {"AntiAlias", L"AntiAlias"}};
    int n = 0;
    for (const TiXmlElement* object = element->FirstChildElement("Object"); object && object->Attribute("Type");
         object = object->NextSiblingElement()) {
        CString word = XmlText(object->Attribute("Type"));
        int type = -1;
        for (int i = 0; i < kTypeCount && type < 0; ++i)
            if (word.CompareNoCase(kTypeWords[i]) == 0) type = i;
        // A shape of another type is left out and takes no number, so the
        // ones after it stay consecutive.
        if (type < 0) continue;
        section.SetValue(Numbered(L"Type", n), kTypeWords[type]);
        for (const auto& k : kKeys) section.SetFromXml(object, k.attribute, Numbered(k.key, n));
        ++n;
    }
    CString count;
    count.Format(L"%d", n);
    section.SetValue(L"ObjectCount", count);
}
