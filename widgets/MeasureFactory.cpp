#include "widgets/MeasureFactory.h"

#include "widgets/MeasureBattery.h"
#include "widgets/MeasureBiorhythm.h"
#include "widgets/MeasureCPU.h"
#include "widgets/MeasureCalendar.h"
#include "widgets/MeasureCountDown.h"
#include "widgets/MeasureDiskSpace.h"
#include "widgets/MeasureMemory.h"
#include "widgets/MeasureNumber.h"
#include "widgets/MeasurePhysicalMemory.h"
#include "widgets/MeasureTime.h"
#include "widgets/MeasureUser.h"
#include "widgets/MeasureVirtualMemory.h"

namespace {

template <typename T>
CMeasure* Make() { return new T(); }

struct MeasureType {
    const wchar_t* name;
    CMeasure* (*make)();
};
const MeasureType kMeasureTypes[] = {
    {L"Time", Make<CMeasureTime>},
    {L"Calendar", Make<CMeasureCalendar>},
    {L"CPU", Make<CMeasureCPU>},
    {L"Memory", Make<CMeasureMemory>},
    {L"Battery", Make<CMeasureBattery>},
    {L"Number", Make<CMeasureNumber>},
    {L"PhysicalMemory", Make<CMeasurePhysicalMemory>},
    {L"VirtualMemory", Make<CMeasureVirtualMemory>},
    {L"CountDown", Make<CMeasureCountDown>},
    {L"DiskSpace", Make<CMeasureDiskSpace>},
    {L"User", Make<CMeasureUser>},
    {L"Biorhythm", Make<CMeasureBiorhythm>},
};

}  // namespace

CMeasure* CreateMeasure(const wchar_t* type) {
    if (!type || !*type) return nullptr;
    for (const auto& t : kMeasureTypes)
        if (_wcsicmp(type, t.name) == 0) return t.make();
    return nullptr;
}
