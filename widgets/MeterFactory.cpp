#include "widgets/MeterFactory.h"

#include "widgets/MeterBiorhythm.h"
#include "widgets/MeterBitmap.h"
#include "widgets/MeterCalendar.h"
#include "widgets/MeterDrawObject.h"
#include "widgets/MeterEditBox.h"
#include "widgets/MeterFrameImage.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterNumImage.h"
#include "widgets/MeterRotator.h"
#include "widgets/MeterRoundLine.h"
#include "widgets/MeterButton.h"
#include "widgets/MeterDateString.h"
#include "widgets/MeterString.h"
#include "widgets/MeterUserString.h"
#include "widgets/MeterWeather.h"
#include "widgets/MeterRauncher.h"
#include "widgets/MeterSchedule.h"
#include "widgets/MeterShortCut.h"
#include "widgets/MeterWebUrl.h"
#include "widgets/MeterZOrder.h"
#include "widgets/SkinXml.h"

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

template <typename T>
CMeter* Make(ISkinHost* owner) { return new T(owner); }

// The kinds built into the widget engine, with their XML forms. Plugged in
// when the program starts, before any skin is read; the factory's own file
// does it, so every program that makes meters has them.
struct BuiltInKind {
    MeterKind kind;
    const wchar_t* xmlType;
    MeterMaker make;
    MeterXmlConverter convert;
};
const BuiltInKind kBuiltInKinds[] = {
    {METER_IMAGE, L"IMAGE", Make<CMeterImage>, CMeterImage::ConvertXml},
    {METER_FRAMEIMAGE, L"FRAMEIMAGE", Make<CMeterFrameImage>, CMeterFrameImage::ConvertXml},
    {METER_NUMIMAGE, L"NUMIMAGE", Make<CMeterNumImage>, CMeterNumImage::ConvertXml},
    {METER_BITMAP, L"BITMAP", Make<CMeterBitmap>, CMeterBitmap::ConvertXml},
    {METER_DRAWOBJECT, L"DRAWOBJECT", Make<CMeterDrawObject>, CMeterDrawObject::ConvertXml},
    {METER_ROUNDLINE, L"ROUNDLINE", Make<CMeterRoundLine>, CMeterRoundLine::ConvertXml},
    {METER_ROTATOR, L"ROTATOR", Make<CMeterRotator>, CMeterRotator::ConvertXml},
    {METER_STRING, L"STRING", Make<CMeterString>, CMeterString::ConvertXml},
    {METER_DATESTRING, L"DATESTRING", Make<CMeterDateString>, CMeterString::ConvertDateXml},
    {METER_USERSTRING, L"USERSTRING", Make<CMeterUserString>, CMeterString::ConvertUserXml},
    {METER_BUTTON, L"BUTTON", Make<CMeterButton>, CMeterButton::ConvertXml},
    {METER_EDITBOX, L"EDITBOX", Make<CMeterEditBox>, CMeterEditBox::ConvertXml},
    {METER_SHORTCUT, L"SHORTCUT", Make<CMeterShortCut>, CMeterShortCut::ConvertXml},
    {METER_WEBURL, L"WEBURL", Make<CMeterWebUrl>, CMeterWebUrl::ConvertXml},
    {METER_ZORDER, L"ZORDER", Make<CMeterZOrder>, CMeterZOrder::ConvertXml},
    {METER_CALENDAR, L"CALENDAR", Make<CMeterCalendar>, ConvertCalendarXml},
    {METER_BIORHYTHM, L"BIORHYTHM", Make<CMeterBiorhythm>, CMeterBiorhythm::ConvertXml},
    {METER_WEATHER, L"WEATHER", Make<CMeterWeather>, CMeterWeather::ConvertXml},
    {METER_SCHEDULE, L"SCHEDULE", Make<CMeterSchedule>, ConvertScheduleXml},
};

bool RegisterBuiltInKinds() {
    for (const auto& k : kBuiltInKinds) {
        SetMeterMaker(k.kind, k.make);
        SetMeterXmlConverter(k.xmlType, k.convert);
    }
    // The icon list has no XML form.
    SetMeterMaker(METER_RAUNCHER, Make<CMeterRauncher>);
    return true;
}
const bool g_BuiltInKindsRegistered = RegisterBuiltInKinds();

}  // namespace

MeterMaker GetMeterMaker(MeterKind kind) {
    return kind >= 0 && kind < METER_KIND_COUNT ? g_MeterMakers[kind] : nullptr;
}

void SetMeterMaker(MeterKind kind, MeterMaker maker) {
    if (kind >= 0 && kind < METER_KIND_COUNT) g_MeterMakers[kind] = maker;
}

CMeter* CreateMeter(const wchar_t* drawType, ISkinHost* owner) {
    if (!drawType) return nullptr;
    for (const auto& t : kMeterTypes)
        if (wcscmp(drawType, t.word) == 0) return g_MeterMakers[t.kind] ? g_MeterMakers[t.kind](owner) : nullptr;
    return nullptr;
}
