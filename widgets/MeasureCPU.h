// Processor load in percent, averaged over the processors, from the busy
// and idle times the system reports between two updates.
#pragma once

#include "widgets/Measure.h"

#include <vector>

class CMeasureCPU : public CMeasure {
public:
    // One processor's counters as the system returns them (48 bytes).
    struct ProcessorTimes {
        LONGLONG idleTime;
        LONGLONG kernelTime;  // includes the idle time
        LONGLONG userTime;
        LONGLONG dpcTime;
        LONGLONG interruptTime;
        ULONG interruptCount;
        ULONG reserved;
    };
    static_assert(sizeof(ProcessorTimes) == 48, "processor record layout");

    static const ULONG kBasicInformation = 0;
    static const ULONG kProcessorPerformanceInformation = 8;

    CMeasureCPU();
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

    int GetProcessorCount() const { return m_ProcessorCount; }

private:
    int m_ProcessorCount = 0;
    bool m_MakeFrame = false;
    int m_MaxFrame = 1;
    std::vector<ProcessorTimes> m_Current;
    std::vector<ProcessorTimes> m_Previous;
};
