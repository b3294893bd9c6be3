// The current time: local wall-clock seconds, the time in another zone, or a
// number taken from the local time formatted with a skin's Format.
#pragma once

#include "widgets/Measure.h"

#include <ctime>

class CMeasureTime : public CMeasure {
public:
    static const int kNoOffset = 999999;

    CMeasureTime() { m_Kind = MEASURE_TIME; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

    bool IsLocal() const { return m_Local; }
    int GetOffset() const { return m_Offset; }
    __time64_t GetLastMoment() const { return m_Now; }

    // strftime-style formatting that passes only the conversions it knows to
    // the runtime (an unknown one is copied as it stands instead of stopping
    // the program); "%#d" and its kin drop leading zeros.
    static CString FormatTime(const CString& format, const struct tm& local);

private:
    CString m_Format;
    int m_Offset = 0;
    bool m_Local = true;
    __time64_t m_Now = 0;
};
