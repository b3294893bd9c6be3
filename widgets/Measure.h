// A measure: one data source of a skinned window (processor load, memory,
// time, a countdown...). Meters read its value, its value relative to its
// range, or its text.
#pragma once

#include "widgets/InfoSection.h"

class ISkinHost;

enum MeasureKind {
    MEASURE_DISKSPACE = 0,
    MEASURE_BATTERY = 1,
    MEASURE_CALENDAR = 2,
    MEASURE_COUNTDOWN = 3,
    MEASURE_CPU = 4,
    MEASURE_MEMORY = 5,
    MEASURE_NUMBER = 6,
    MEASURE_PHYSICALMEMORY = 7,
    MEASURE_VIRTUALMEMORY = 8,
    MEASURE_TIME = 9,
    MEASURE_USER = 10,
    MEASURE_BIORHYTHM = 11,
};

class CMeasure {
public:
    CMeasure() = default;
    virtual ~CMeasure() = default;
    CMeasure(const CMeasure&) = delete;
    CMeasure& operator=(const CMeasure&) = delete;

    virtual void ReadConfig(const CInfoSection& section);
    virtual bool Update() = 0;
    // The measure's text, returned by value: meters on other threads may
    // read it while the window updates.
    virtual CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                                   bool percentual = false);
    virtual bool BeginUpdate() { return true; }
    virtual bool EndUpdate() { return true; }

    CString GetName() const { return m_Name; }
    void SetName(const CString& name) { m_Name = name; }
    ISkinHost* GetOwner() const { return m_Owner; }
    void SetOwner(ISkinHost* owner) { m_Owner = owner; }

    MeasureKind GetKind() const { return m_Kind; }
    bool IsInverted() const { return m_Invert; }
    double GetMinValue() const { return m_MinValue; }
    double GetMaxValue() const { return m_MaxValue; }
    double GetRawValue() const { return m_Value; }

    double GetValue() const;
    double GetRange() const { return m_MaxValue - m_MinValue; }
    // The value clamped to the range, as a fraction 0..1 of it. An empty
    // range gives 0 so that no meter ever divides by it or draws from NaN.
    double GetRelativeValue() const;

protected:
    MeasureKind m_Kind = MEASURE_DISKSPACE;
    bool m_Invert = false;
    double m_MinValue = 0.0;
    double m_MaxValue = 1.0;
    double m_Value = 0.0;
    CString m_Name;
    ISkinHost* m_Owner = nullptr;
};
