// Total, free or used space of a drive, in bytes or as a percentage, shown
// in gigabytes, megabytes, kilobytes or bytes.
#pragma once

#include "widgets/Measure.h"

class CMeasureDiskSpace : public CMeasure {
public:
    enum ValueType { VALUE_TOTAL = 0, VALUE_FREE = 1, VALUE_USED = 2 };
    enum UnitType { UNIT_GIGA = 0, UNIT_MEGA = 1, UNIT_KILO = 2, UNIT_BYTE = 3 };

    CMeasureDiskSpace() { m_Kind = MEASURE_DISKSPACE; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

    const CString& GetDriveName() const { return m_DriveName; }

    // A drive name a skin may ask about: a local drive or folder path, never
    // a network or device path (asking for one would reach out to a server).
    static bool IsAllowedDriveName(const CString& drive);

private:
    bool IsRemovable() const;

    CString m_DriveName = L"C:\\";
    bool m_Relative = false;
    int m_ValueType = VALUE_TOTAL;
    int m_UnitType = UNIT_GIGA;
};
