// A round-line meter: a needle, or a filled arc, whose angle follows the
// bound measure, as on a gauge.
#pragma once

#include "widgets/Meter.h"

class CMeterRoundLine : public CMeter {
public:
    explicit CMeterRoundLine(ISkinHost* owner) : CMeter(owner) { m_Kind = METER_ROUNDLINE; }

    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    bool Draw() override;

    double GetValue() const { return m_Value; }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    double m_LineWidth = 1.0;
    double m_LineLength = 20.0;
    double m_LineStart = -1.0;
    double m_StartAngle = 0.0;
    double m_RotationAngle = 6.2832;
    bool m_AntiAlias = false;
    int m_ValueRemainder = 0;
    DWORD m_LineColor = 0xFF000000;
    bool m_Solid = false;
    double m_Value = 0.0;
};

// What the dial line and the rotated picture share: the remainder key in
// either spelling (ValueRemainder wins), the fraction of a turn a value
// gives, and the XML angle elements.
int ReadValueRemainder(const CInfoSection& section);
// With a remainder R: (value toward zero) modulo R, divided by R, so that a
// time in seconds with R = 60 turns once a minute; without one the
// measure's relative value.
double TurnFraction(double value, double relative, int remainder);
// Angle / Start, Rotation; or, without an Angle element, DegreeAngle's
// degrees as radians with six decimals.
void ConvertAngleElements(const TiXmlElement* element, CInfoSection& section);
