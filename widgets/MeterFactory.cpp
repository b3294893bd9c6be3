#include "widgets/MeterFactory.h"

#include <cwchar>

namespace {

// DrawType words in the order in which they are compared.
struct MeterType {
    const wchar_t* word;
    MeterKind kind;
};
const MeterType kMeterTypes[] = {
    {L"BITMAP", METER_BITMAP},       {L"IMAGE", METER_IMAGE},         {L"NUMIMAGE", METER_NUMIMAGE},
    {L"ROUNDLINE", METER_ROUNDLINE}, {L"STRING", METER_STRING},       {L"DATESTRING", METER_DATESTRING},
    {L"ROTATOR", METER_ROTATOR},     {L"CALENDAR", METER_CALENDAR},   {L"SCHEDULE", METER_SCHEDULE},
    {L"RAUNCHER", METER_RAUNCHER},   {L"BUTTON", METER_BUTTON},       {L"SHORTCUT", METER_SHORTCUT},
    {L"WEBURL", METER_WEBURL},       {L"FRAMEIMAGE", METER_FRAMEIMAGE}, {L"WEATHER", METER_WEATHER},
    {L"EDITBOX", METER_EDITBOX},     {L"USERSTRING", METER_USERSTRING}, {L"BIORHYTHM", METER_BIORHYTHM},
    {L"DRAWOBJECT", METER_DRAWOBJECT}, {L"ZORDER", METER_ZORDER},
};

MeterMaker g_MeterMakers[METER_KIND_COUNT] = {};

}  // namespace

void SetMeterMaker(MeterKind kind, MeterMaker maker) {
    if (kind >= 0 && kind < METER_KIND_COUNT) g_MeterMakers[kind] = maker;
}

CMeter* CreateMeter(const wchar_t* drawType, ISkinHost* owner) {
    if (!drawType) return nullptr;
    for (const auto& t : kMeterTypes)
        if (wcscmp(drawType, t.word) == 0) return g_MeterMakers[t.kind] ? g_MeterMakers[t.kind](owner) : nullptr;
    return nullptr;
}
