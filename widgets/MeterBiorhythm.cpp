#include "widgets/MeterBiorhythm.h"

#include "ui/ControlSettings.h"
#include "widgets/MeasureBiorhythm.h"
#include "widgets/MeterShading.h"
#include "widgets/MeterString.h"
#include "widgets/SkinHost.h"
#include "widgets/SkinXml.h"

#include "tinyxml.h"

#include <objidl.h>
#include <gdiplus.h>

#include <cmath>
#include <cwchar>

const int kBiorhythmPeriods[3] = {23, 33, 28};

namespace {

const wchar_t* const kPrefixes[3] = {L"Health", L"Intelligent", L"Emotion"};
const DWORD kColors[3] = {0xFFFF0000, 0xFF008000, 0xFF0000FF};
// Pi as the nearest single-precision float, which is what the curves were
// always computed with.
const double kPi = (double)3.14159265f;
const int kMaxFormat = 100;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

void ReadLabelConfig(CMeterString& label, const CInfoSection& section, const CString& prefix) {
    static const struct {
        const wchar_t* suffix;
        const wchar_t* key;
        const wchar_t* def;
    } kKeys[] = {
        {L"Align", L"StringAlign", L"CENTER"},
        {L"VAlign", L"StringVAlign", L"CENTER"},
        {L"X", L"X", L"0"},
        {L"Y", L"Y", L"0"},
        {L"W", L"W", L"80"},
        {L"H", L"H", L"15"},
        {L"FontColor", L"FontColor", L"0,0,0,255"},
        {L"ShadowColor", L"ShadowColor", L"255,255,255,255"},
        {L"OffsetX", L"OffsetX", L"0"},
        {L"OffsetY", L"OffsetY", L"0"},
        {L"FontSize", L"FontSize", L"9"},
        {L"FontStyle", L"StringStyle", L"BOLD"},
        {L"FontFace", L"FontFace", nullptr},
        {L"AntiAlias", L"AntiAlias", L"1"},
    };
    CInfoSection scratch(prefix);
    for (const auto& k : kKeys) {
        CString def = k.def ? CString(k.def) : g_ControlSettings.DefaultFontFace;
        scratch.SetValue(k.key, section.GetString(prefix + k.suffix, def));
    }
    label.ReadConfig(scratch);
}

CString FormatBiorhythmLabel(const CString& format, double value) {
    int length = format.GetLength();
    if (length < 1 || length >= kMaxFormat) return CString();
    // Only "%%" and one floating-point conversion reach the formatter: a
    // text or pointer conversion would read an argument that is not there.
    const wchar_t* p = format;
    int conversions = 0;
    for (int i = 0; i < length; ++i) {
        if (p[i] != L'%') continue;
        ++i;
        if (i < length && p[i] == L'%') continue;
        while (i < length && wcschr(L"-+ #0", p[i])) ++i;
        int digits = 0;
        while (i < length && IsDigit(p[i])) ++i, ++digits;
        if (digits > 2) return CString();
        if (i < length && p[i] == L'.') {
            ++i;
            digits = 0;
            while (i < length && IsDigit(p[i])) ++i, ++digits;
            if (digits > 2) return CString();
        }
        if (i >= length || !wcschr(L"fFeEgGaA", p[i])) return CString();
        if (++conversions > 1) return CString();
    }
    wchar_t buffer[512];
    int written = _snwprintf(buffer, 511, p, value * 100.0);
    if (written < 0) return CString();
    buffer[511] = 0;
    return CString(buffer);
}

CMeterBiorhythm::CMeterBiorhythm(ISkinHost* owner) : CMeter(owner) {
    m_Kind = METER_BIORHYTHM;
    for (int c = 0; c < CURVE_COUNT; ++c) {
        m_Curves[c].label = new CMeterString(owner);
        m_Curves[c].lineColor = m_Curves[c].markColor = kColors[c];
    }
}

CMeterBiorhythm::~CMeterBiorhythm() {
    for (auto& curve : m_Curves) delete curve.label;
}

void CMeterBiorhythm::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    m_BeforeOffset = section.GetInt(L"BeforeOffset", 5);
    m_AfterOffset = section.GetInt(L"AfterOffset", 10);
    for (int c = 0; c < CURVE_COUNT; ++c) {
        CString p = kPrefixes[c];
        Curve& curve = m_Curves[c];
        ReadLabelConfig(*curve.label, section, p);
        curve.format = section.GetString(p + L"Format", L"");
        curve.lineColor = section.GetColor(p + L"LineColor", kColors[c]);
        curve.markColor = section.GetColor(p + L"MarkColor", kColors[c]);
        curve.lineWidth = section.GetFloat(p + L"LineWidth", 2.0f);
        curve.markRadius = section.GetFloat(p + L"MarkRadius", 3.0f);
    }
}

void CMeterBiorhythm::Initialize() {
    for (auto& curve : m_Curves) curve.label->Initialize();
}

bool CMeterBiorhythm::Update() { return CMeter::Update() && m_Measure; }

std::vector<CMeterBiorhythm::Point> CMeterBiorhythm::CurvePoints(int curve, int days, Point* today) const {
    std::vector<Point> points;
    // Offsets are read as they stand; a window that would hold no day (or
    // an absurd number of them) draws no curve.
    long long n = (long long)m_BeforeOffset + m_AfterOffset + 1;
    if (n < 1 || n > 100000) return points;
    int x0 = m_X, y0 = m_Y, half = m_H / 2, centre = y0 + half;
    double step = n > 2 ? (double)m_W / (double)(n - 1) : 1.0;
    double period = kBiorhythmPeriods[curve];
    points.reserve((size_t)n);
    for (long long i = 0; i < n; ++i) {
        double t = (double)days - m_BeforeOffset + (double)i;
        float v = (float)std::sin(2 * kPi * t / period);
        points.push_back({(float)(x0 + i * step), (float)(centre - half * v)});
    }
    if (today) {
        float w = (float)std::sin(2 * kPi * days / period);
        *today = {(float)(x0 + m_BeforeOffset * step), (float)(centre - half * w)};
    }
    return points;
}

bool CMeterBiorhythm::Draw() {
    if (!CMeter::Draw()) return false;
    if (!m_Measure || m_Measure->GetKind() != MEASURE_BIORHYTHM) return false;
    int days = static_cast<CMeasureBiorhythm*>(m_Measure)->m_DaysLived;
    Gdiplus::Bitmap* buffer = m_Owner ? m_Owner->GetBackBuffer() : nullptr;
    if (!buffer) return true;
    {
        Gdiplus::Graphics graphics(buffer);
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        for (int c = 0; c < CURVE_COUNT; ++c) {
            const Curve& curve = m_Curves[c];
            Point today;
            std::vector<Point> points = CurvePoints(c, days, &today);
            if (points.empty()) continue;
            std::vector<Gdiplus::PointF> line;
            for (const Point& p : points) line.emplace_back(p.x, p.y);
            DWORD lc = curve.lineColor, mc = curve.markColor;
            DrawLine3D(graphics, line.data(), (int)line.size(), curve.lineWidth, (BYTE)(lc >> 16), (BYTE)(lc >> 8),
                       (BYTE)lc, (BYTE)(lc >> 24));
            DrawEllipse3D(graphics, today.x, today.y, curve.markRadius, (BYTE)(mc >> 16), (BYTE)(mc >> 8),
                          (BYTE)mc, (BYTE)(mc >> 24));
        }
    }
    // The labels draw through their own graphics, after the chart's is gone.
    for (int c = 0; c < CURVE_COUNT; ++c) {
        const Curve& curve = m_Curves[c];
        if (!curve.label) continue;
        double w = (float)std::sin(2 * kPi * days / (double)kBiorhythmPeriods[c]);
        CString text = FormatBiorhythmLabel(curve.format, w);
        if (text.IsEmpty()) continue;
        curve.label->SetText(text);
        curve.label->Draw();
    }
    return true;
}

void CMeterBiorhythm::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"BIORHYTHM");
    if (!element) return;
    const TiXmlElement* offset = element->FirstChildElement("Offset");
    section.SetFromXml(offset, "Before", L"BeforeOffset");
    section.SetFromXml(offset, "After", L"AfterOffset");
    static const struct {
        const char* child;
        const char* attribute;
        const wchar_t* suffix;
    } kKeys[] = {
        {nullptr, "W", L"W"},
        {nullptr, "H", L"H"},
        {nullptr, "X", L"X"},
        {nullptr, "Y", L"Y"},
        {"Text", "Color", L"FontColor"},
        {"Text", "ShadowColor", L"ShadowColor"},
        {"Text", "OffsetX", L"OffsetX"},
        {"Text", "OffsetY", L"OffsetY"},
        {"Text", "Size", L"FontSize"},
        {"Text", "Face", L"FontFace"},
        {"Text", "Style", L"FontStyle"},
        {"Text", "AntiAlias", L"AntiAlias"},
        {"Text", "Align", L"Align"},
        {"Text", "VAlign", L"VAlign"},
        {"Text", "Format", L"Format"},
        {"Graph", "Color", L"LineColor"},
        {"Graph", "MarkColor", L"MarkColor"},
        {"Graph", "Width", L"LineWidth"},
        {"Graph", "MarkRadius", L"MarkRadius"},
    };
    static const char* const kNames[3] = {"Health", "Intelligent", "Emotion"};
    for (int c = 0; c < CURVE_COUNT; ++c) {
        const TiXmlElement* curve = element->FirstChildElement(kNames[c]);
        if (!curve) continue;
        CString prefix = kPrefixes[c];
        for (const auto& k : kKeys) {
            const TiXmlElement* from = k.child ? curve->FirstChildElement(k.child) : curve;
            section.SetFromXml(from, k.attribute, prefix + k.suffix);
        }
    }
}
