#include "widgets/MeasureCPU.h"

#include "widgets/WidgetEnvironment.h"

#include <cstddef>
#include <cstring>

namespace {

// The system's basic information record in the layout of this build (its
// pointer-sized fields make it 64 bytes in a 64-bit process).
struct BasicInformation {
    ULONG reserved;
    ULONG timerResolution;
    ULONG pageSize;
    ULONG numberOfPhysicalPages;
    ULONG lowestPhysicalPageNumber;
    ULONG highestPhysicalPageNumber;
    ULONG allocationGranularity;
    ULONG_PTR minimumUserModeAddress;
    ULONG_PTR maximumUserModeAddress;
    ULONG_PTR activeProcessorsAffinityMask;
    CCHAR numberOfProcessors;
};

#ifdef _WIN64
static_assert(offsetof(BasicInformation, numberOfProcessors) == 56, "64-bit basic information layout");
#endif

}  // namespace

CMeasureCPU::CMeasureCPU() {
    m_Kind = MEASURE_CPU;
    m_MinValue = 0.0;
    m_MaxValue = 100.0;
    BasicInformation info = {};
    ULONG got = 0;
    if (GetWidgetEnvironment().QuerySystemInformation(kBasicInformation, &info, sizeof info, &got))
        m_ProcessorCount = (BYTE)info.numberOfProcessors;
    // The sample buffers are sized once from the processor count, so an
    // update never allocates and every processor's record fits.
    m_Current.assign((size_t)m_ProcessorCount, ProcessorTimes());
    m_Previous.assign((size_t)m_ProcessorCount, ProcessorTimes());
}

void CMeasureCPU::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_MakeFrame = section.GetInt(L"MakeFrame", 0) != 0;
    m_MaxFrame = section.GetInt(L"MaxFrame", 1);
}

bool CMeasureCPU::Update() {
    if (!BeginUpdate()) return false;
    CWidgetEnvironment& env = GetWidgetEnvironment();
    if (env.GetPlatformId() < VER_PLATFORM_WIN32_NT || m_ProcessorCount <= 0) return EndUpdate();

    ULONG size = (ULONG)(m_Current.size() * sizeof(ProcessorTimes));
    ULONG got = 0;
    bool ok = env.QuerySystemInformation(kProcessorPerformanceInformation, m_Current.data(), size, &got);
    if (!ok || got % sizeof(ProcessorTimes) != 0 || got > size || got == 0) {
        m_Value = 0.0;
        return false;
    }
    size_t records = got / sizeof(ProcessorTimes);
    LONGLONG sum = 0;
    for (size_t i = 0; i < records; ++i) {
        const ProcessorTimes& now = m_Current[i];
        const ProcessorTimes& before = m_Previous[i];
        LONGLONG total = (now.kernelTime - before.kernelTime) + (now.userTime - before.userTime);
        if (total <= 0) {
            m_Value = 0.0;
            return false;
        }
        sum += 100 + ((before.idleTime - now.idleTime) * 100) / total;
    }
    memcpy(m_Previous.data(), m_Current.data(), got);
    LONGLONG load = sum / (LONGLONG)records;
    if (load > 100) load = 100;
    if (load < 0) load = 0;
    m_Value = (double)load;
    if (m_MakeFrame && m_MaxFrame > 0) m_Value = m_Value / 100.0 * m_MaxFrame;
    return EndUpdate();
}

CString CMeasureCPU::GetStringValue(bool, double, int, bool) {
    CString text;
    text.Format(L"%d", (int)(GetRelativeValue() * 100.0));
    return text;
}
