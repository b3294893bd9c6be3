#include "widgets/SkinXml.h"

#include "widgets/SkinDefinition.h"
#include "shell/XmlDepth.h"

#include "tinyxml.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

namespace {

// Widget types in the order in which they are tested.
struct MeterXmlEntry {
    const wchar_t* type;
    MeterXmlConverter converter;
};
MeterXmlEntry g_MeterXmlConverters[] = {
    {L"CALENDAR", nullptr},   {L"BUTTON", nullptr},     {L"SHORTCUT", nullptr},   {L"WEBURL", nullptr},
    {L"FRAMEIMAGE", nullptr}, {L"NUMIMAGE", nullptr},   {L"BITMAP", nullptr},     {L"IMAGE", nullptr},
    {L"ROUNDLINE", nullptr},  {L"ROTATOR", nullptr},    {L"DRAWOBJECT", nullptr}, {L"STRING", nullptr},
    {L"DATESTRING", nullptr}, {L"USERSTRING", nullptr}, {L"SCHEDULE", nullptr},   {L"WEATHER", nullptr},
    {L"EDITBOX", nullptr},    {L"BIORHYTHM", nullptr},  {L"ZORDER", nullptr},
};

CString Upper(CString text) { return text.MakeUpper(); }

// Every attribute of the element under its upper-cased name.
void CopyAllAttributes(const TiXmlElement* element, CInfoSection& section) {
    for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next())
        section.SetValue(Upper(XmlText(a->Name())), XmlText(a->Value()));
}

// The first grandchild of that exact name; its attribute, when present, is
// stored under the key.
void Take(const TiXmlElement* element, CInfoSection& section, const char* child, const char* attribute,
          const wchar_t* key) {
    section.SetFromXml(element->FirstChildElement(child), attribute, key);
}

// The common elements of every measure kind: a Value attribute under the
// element's own name.
void TakeValue(const TiXmlElement* element, CInfoSection& section, const char* child, const wchar_t* key) {
    Take(element, section, child, "Value", key);
}

void ConvertTime(const TiXmlElement* e, CInfoSection& s) {
    TakeValue(e, s, "Format", L"Format");
    TakeValue(e, s, "TimeZone", L"TimeZone");
    TakeValue(e, s, "TimeOffset", L"TimeOffset");
}

void ConvertCalendar(const TiXmlElement* e, CInfoSection& s) { TakeValue(e, s, "Offset", L"Offset"); }

void ConvertCpu(const TiXmlElement* e, CInfoSection& s) {
    TakeValue(e, s, "MakeFrame", L"MakeFrame");
    TakeValue(e, s, "Frame", L"MaxFrame");
}

void ConvertMemory(const TiXmlElement* e, CInfoSection& s) {
    TakeValue(e, s, "Total", L"Total");
    TakeValue(e, s, "Physical", L"Physical");
    TakeValue(e, s, "Virtual", L"Virtual");
    TakeValue(e, s, "Relative", L"Relative");
}

void ConvertNothing(const TiXmlElement*, CInfoSection&) {}

void ConvertNumber(const TiXmlElement* e, CInfoSection& s) {
    Take(e, s, "Value", "Start", L"Start");
    Take(e, s, "Value", "End", L"End");
    Take(e, s, "Value", "Step", L"Step");
    Take(e, s, "Value", "Refit", L"Refit");
}

void ConvertTotalRelative(const TiXmlElement* e, CInfoSection& s) {
    TakeValue(e, s, "Total", L"Total");
    TakeValue(e, s, "Relative", L"Relative");
}

void ConvertCountDown(const TiXmlElement* e, CInfoSection& s) {
    Take(e, s, "Target", "Year", L"TargetYear");
    Take(e, s, "Target", "Month", L"TargetMonth");
    Take(e, s, "Target", "Day", L"TargetDay");
    Take(e, s, "Target", "Hour", L"TargetHour");
    Take(e, s, "Target", "Minute", L"TargetMinute");
    Take(e, s, "Target", "Second", L"TargetSecond");
    Take(e, s, "Target", "RemainTime", L"RemainTime");
    TakeValue(e, s, "Label", L"Label");
    TakeValue(e, s, "Command", L"Command");
    TakeValue(e, s, "AlertBG", L"AlertBG");
    TakeValue(e, s, "AlertTime", L"AlertTime");
}

void ConvertDiskSpace(const TiXmlElement* e, CInfoSection& s) {
    Take(e, s, "Drive", "Name", L"DriveName");
    TakeValue(e, s, "Relative", L"Relative");
    Take(e, s, "Value", "Type", L"ValueType");
    Take(e, s, "Value", "Unit", L"UnitType");
}

void ConvertUser(const TiXmlElement* e, CInfoSection& s) {
    Take(e, s, "Revision", "Lifetime", L"LifetimeRevision");
    Take(e, s, "Revision", "Age", L"AgeRevision");
    Take(e, s, "Revision", "PassDay", L"PassDayRevision");
    Take(e, s, "Revision", "NextBirthday", L"NextBirthdayRevision");
}

struct MeasureXmlEntry {
    const wchar_t* type;
    const wchar_t* measureType;
    void (*convert)(const TiXmlElement*, CInfoSection&);
};
const MeasureXmlEntry kMeasureXml[] = {
    {L"TIME", L"TIME", ConvertTime},
    {L"CALENDAR", L"CALENDAR", ConvertCalendar},
    {L"CPU", L"CPU", ConvertCpu},
    {L"MEMORY", L"Memory", ConvertMemory},
    {L"BATTERY", L"Battery", ConvertNothing},
    {L"NUMBER", L"Number", ConvertNumber},
    {L"PHYSICALMEMORY", L"PhysicalMemory", ConvertTotalRelative},
    {L"VIRTUALMEMORY", L"VirtualMemory", ConvertTotalRelative},
    {L"COUNTDOWN", L"CountDown", ConvertCountDown},
    {L"DISKSPACE", L"DiskSpace", ConvertDiskSpace},
    {L"USER", L"User", ConvertUser},
    {L"BIORHYTHM", L"Biorhythm", ConvertNothing},
};

}  // namespace

CString XmlText(const char* text) {
    if (!text) return CString();
    return MultiByteToString(text, (int)strlen(text), CP_THREAD_ACP);
}

bool SetMeterXmlConverter(const wchar_t* type, MeterXmlConverter converter) {
    for (auto& entry : g_MeterXmlConverters)
        if (wcscmp(entry.type, type) == 0) {
            entry.converter = converter;
            return true;
        }
    return false;
}

void ConvertMeasureXml(const TiXmlElement* element, CInfoSection& section) {
    section.SetName(XmlText(element->Attribute("Section")));
    CString type = Upper(XmlText(element->Attribute("Type")));
    for (const auto& entry : kMeasureXml) {
        if (type != entry.type) continue;
        TakeValue(element, section, "InvertMeasure", L"InvertMeasure");
        TakeValue(element, section, "MinValue", L"MinValue");
        TakeValue(element, section, "MaxValue", L"MaxValue");
        section.SetValue(L"MeasureType", entry.measureType);
        entry.convert(element, section);
        return;
    }
}

void ConvertMeterXml(const TiXmlElement* element, CInfoSection& section) {
    CString type = Upper(XmlText(element->Attribute("Type")));
    for (const auto& entry : g_MeterXmlConverters)
        if (type == entry.type && entry.converter) {
            entry.converter(element, section);
            return;
        }
    CopyAllAttributes(element, section);
}

void SkinDefinition::ConvertXml(const TiXmlElement* root) {
    if (!root) return;
    for (const TiXmlElement* child = root->FirstChildElement(); child; child = child->NextSiblingElement()) {
        auto section = std::make_unique<CInfoSection>(Upper(XmlText(child->Value())));
        const CString& tag = section->GetName();
        if (tag == L"SYSTEM") {
            Take(child, *section, "About", "Image", L"AboutSkin");
            TakeValue(child, *section, "UpdateCycle", L"UpdateCycle");
        } else if (tag == L"WINDOW") {
            Take(child, *section, "Size", "W", L"WindowWidth");
            Take(child, *section, "Size", "H", L"WindowHeight");
            Take(child, *section, "Background", "Image", L"Background");
            Take(child, *section, "Command", "LBtnDoubleClick", L"LBtnDoubleClick");
        } else if (tag == L"WIDGET") {
            ConvertMeterXml(child, *section);
        } else if (tag == L"MEASURE") {
            ConvertMeasureXml(child, *section);
        } else {
            CopyAllAttributes(child, *section);
        }
        m_Sections.push_back(std::move(section));
    }
}

bool SkinDefinition::LoadXmlFile(const CString& path) {
    if (GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES) return false;
    // Opened by its wide name, so a skin in a folder whose name the ANSI code
    // page cannot spell still loads.
    FILE* file = _wfopen(path, L"rb");
    if (!file) return false;
    // A skin nested deeper than any skin is would overflow the parser's
    // stack: it is refused like a skin that cannot be read.
    if (!XmlDepth::IsFileWithinLimit(file)) {
        fclose(file);
        return false;
    }
    TiXmlDocument doc;
    // A damaged end still leaves the elements parsed before it in the
    // document; shipped skins rely on that, so the result is not consulted.
    doc.LoadFile(file);
    fclose(file);
    const TiXmlElement* root = doc.FirstChildElement("ZorelWidget");
    if (!root) return false;
    ConvertXml(root);
    return true;
}

bool SkinDefinition::LoadXmlText(const char* text) {
    Clear();
    if (!text || !XmlDepth::IsWithinLimit(text, strlen(text))) return false;
    TiXmlDocument doc;
    doc.Parse(text);
    const TiXmlElement* root = doc.FirstChildElement("ZorelWidget");
    if (!root) return false;
    ConvertXml(root);
    return true;
}

bool SkinDefinition::LoadXmlElement(const TiXmlElement* root) {
    if (!root) return false;
    ConvertXml(root);
    return true;
}
