// The biorhythm chart: the Health (23 days), Intelligent (33) and Emotion
// (28) curves over a window of days around today, each with a dot on
// today's value and an optional label with today's percentage. The day
// count comes from the bound biorhythm measure.
#pragma once

#include "widgets/Meter.h"

class CMeterString;

class CMeterBiorhythm : public CMeter {
public:
    explicit CMeterBiorhythm(ISkinHost* owner);
    ~CMeterBiorhythm() override;

    void ReadConfig(const CInfoSection& section) override;
    void Initialize() override;
    bool Update() override;
    bool Draw() override;

    enum { CURVE_HEALTH = 0, CURVE_INTELLIGENT = 1, CURVE_EMOTION = 2, CURVE_COUNT = 3 };
    struct Curve {
        CString format;
        CMeterString* label = nullptr;
        DWORD lineColor = 0, markColor = 0;
        float lineWidth = 2.0f, markRadius = 3.0f;
    };
    struct Point {
        float x, y;
    };
    // The polyline of one curve and today's dot, for a day count; empty when
    // the offsets give no point.
    std::vector<Point> CurvePoints(int curve, int days, Point* today) const;
    const Curve& GetCurve(int curve) const { return m_Curves[curve]; }
    int GetBeforeOffset() const { return m_BeforeOffset; }
    int GetAfterOffset() const { return m_AfterOffset; }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    int m_BeforeOffset = 5;
    int m_AfterOffset = 10;
    Curve m_Curves[CURVE_COUNT];
};

// The label text for today's value: the format applied to value x 100 when
// it holds at most one floating-point conversion (flags, a width and a
// precision of up to two digits) and any number of "%%"; empty for any other
// format, and for formats of 100 characters or more.
CString FormatBiorhythmLabel(const CString& format, double value);

// The keys of a text label that a composite meter hands to its string meter
// child, with the composite's defaults: P + "Align" -> StringAlign and so on.
void ReadLabelConfig(CMeterString& label, const CInfoSection& section, const CString& prefix);

// The biorhythm curve periods in days, in the order Health, Intelligent,
// Emotion.
extern const int kBiorhythmPeriods[3];
