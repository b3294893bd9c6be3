#include "widgets/MeterWeather.h"

#include "shell/FileUtil.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/TextUtil.h"
#include "widgets/MeterBiorhythm.h"
#include "widgets/MeterImage.h"
#include "widgets/MeterString.h"
#include "widgets/SkinHost.h"
#include "widgets/SkinXml.h"
#include "widgets/WeatherRequest.h"
#include "widgets/WidgetEnvironment.h"

#include "tinyxml.h"

#include <atomic>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

// The text parts in the order of their Use flags and children; the prefix
// of their skin keys, their template key and their XML element.
struct TextPartKeys {
    const wchar_t* prefix;
    const wchar_t* use;
    const char* element;
};
const TextPartKeys kParts[CMeterWeather::TEXT_COUNT] = {
    {L"City", L"UseCity", "City"},
    {L"LowTemp", L"UseLowTemp", "LowTemp"},
    {L"HighTemp", L"UseHighTemp", "HighTemp"},
    {L"CurrentTemp", L"UseCurrentTemp", "CurrentTemp"},
    {L"UpdateTime", L"UseUpdateTime", "UpdateTime"},
    {L"InfoText", L"UseInfoText", "InfoText"},
    {L"Humidity", L"UseHumidityText", "HumidityText"},
};

const wchar_t kDegreeTemplate[] = L"#X#\x00B0";

CMeterWeather::RequestStarter g_RequestStarter;
// 64 bits: the numbers do not come round again in the life of a process.
std::atomic<unsigned long long> g_LastReplySerial{0};

void StartRealRequest(CMeterWeather* meter, const CString& woeid, const CString& unit) {
    CWeatherRequest* request = new CWeatherRequest(meter->GetOwner());
    request->SetTarget(meter);
    request->Start(woeid, unit);
}

// The refresh stamp: minutes, with every month counted as 31 days.
int RefreshStamp(const struct tm& t) {
    return ((((t.tm_year + 1900) * 12 + (t.tm_mon + 1)) * 31 + t.tm_mday) * 24 + t.tm_hour) * 60 + t.tm_min;
}

const char* Attribute(const TiXmlElement* element, const char* name) {
    return element ? element->Attribute(name) : nullptr;
}

CString Filled(const CString& format, int number) {
    CString text = format;
    ReplaceNumber(text, L"#X#", number);
    return text;
}

// A number as C reads it, then truncated toward zero the way a cast does;
// out-of-range values stop at the ends of int.
int Truncated(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return 2147483647;
    if (value <= -2147483648.0) return (-2147483647 - 1);
    return (int)value;
}

}  // namespace

void CMeterWeather::SetRequestStarter(RequestStarter starter) { g_RequestStarter = std::move(starter); }

CMeterWeather::CMeterWeather(ISkinHost* owner)
    : CMeter(owner),
      m_ReplySerial(++g_LastReplySerial),
      m_LowTempFormat(kDegreeTemplate),
      m_HighTempFormat(kDegreeTemplate),
      m_CurrentTempFormat(kDegreeTemplate) {
    m_Kind = METER_WEATHER;
    m_Icon = new CMeterImage(owner);
    for (auto& text : m_Texts) text = new CMeterString(owner);
}

CMeterWeather::~CMeterWeather() {
    delete m_Icon;
    for (auto* text : m_Texts) delete text;
}

void CMeterWeather::ReadConfig(const CInfoSection& section) {
    CMeter::ReadConfig(section);
    for (int i = 0; i < TEXT_COUNT; ++i) m_Use[i] = section.GetInt(kParts[i].use, 0);
    m_Woeid = section.GetString(L"WOEID", g_Settings.User.woeid);
    m_Unit = section.GetString(L"Unit", L"c");
    m_IconSection.Clear();
    m_IconSection.SetValue(L"ImageName", L"na.png");
    m_IconSection.SetValue(L"W", section.GetString(L"ImageW", L"0"));
    m_IconSection.SetValue(L"H", section.GetString(L"ImageH", L"0"));
    m_IconSection.SetValue(L"X", section.GetString(L"ImageX", L""));
    m_IconSection.SetValue(L"Y", section.GetString(L"ImageY", L""));
    m_ImageBaseUri = section.GetString(L"ImageBaseUri", L"");
    if (!m_ImageBaseUri.IsEmpty()) m_ImageBaseUri.Replace(L"#SYSTEM#", g_ProgramFolder + L"system\\");
    for (int i = 0; i < TEXT_COUNT; ++i) ReadLabelConfig(*m_Texts[i], section, kParts[i].prefix);
    m_UpdateTimeFormat = section.GetString(L"UpdateTimeFormat", L"#H#:#N#");
    m_LowTempFormat = section.GetString(L"LowTempFormat", kDegreeTemplate);
    m_HighTempFormat = section.GetString(L"HighTempFormat", kDegreeTemplate);
    m_CurrentTempFormat = section.GetString(L"CurrentTempFormat", kDegreeTemplate);
    m_InfoTextFormat = section.GetString(L"InfoTextFormat", L"#X#");
    m_HumidityFormat = section.GetString(L"HumidityFormat", L"#X#");
    m_InfoTextLanguage = section.GetString(L"InfoTextLanguage", L"English");
}

void CMeterWeather::Initialize() {
    m_Icon->Initialize();
    for (auto* text : m_Texts) text->Initialize();
}

CString CMeterWeather::FillTimeTemplate(const CString& format, const struct tm& t) {
    CString text = format;
    int year = t.tm_year + 1900, month = t.tm_mon + 1, weekday = t.tm_wday + 1;
    ReplaceNumber(text, L"#Y#", year);
    ReplaceNumber(text, L"#y#", year % 100);
    ReplaceTwoDigitNumber(text, L"#M#", month);
    ReplaceNumber(text, L"#m#", month);
    text.Replace(L"#MM#", GetMonthName(month));
    text.Replace(L"#mm#", GetShortMonthName(month));
    ReplaceTwoDigitNumber(text, L"#D#", t.tm_mday);
    ReplaceNumber(text, L"#d#", t.tm_mday);
    text.Replace(L"#W#", GetWeekdayName(weekday));
    text.Replace(L"#w#", GetShortWeekdayName(weekday));
    ReplaceTwoDigitNumber(text, L"#H#", t.tm_hour);
    ReplaceNumber(text, L"#h#", t.tm_hour);
    ReplaceTwoDigitNumber(text, L"#N#", t.tm_min);
    ReplaceNumber(text, L"#n#", t.tm_min);
    return text;
}

bool CMeterWeather::Update() {
    CWidgetEnvironment& env = GetWidgetEnvironment();
    struct tm local = {};
    if (!env.ToLocal(env.Now(), local)) return true;
    int stamp = RefreshStamp(local);
    if (m_LastRefresh != 0 && stamp <= m_LastRefresh + 15) return true;
    m_LastRefresh = stamp;
    m_Texts[UPDATE_TIME]->SetText(FillTimeTemplate(m_UpdateTimeFormat, local));
    if (!m_IconConfigured || m_Icon->GetW() == 0) ShowIcon(L"na.png");
    if (g_RequestStarter)
        g_RequestStarter(this, m_Woeid, m_Unit);
    else
        StartRealRequest(this, m_Woeid, m_Unit);
    return true;
}

bool CMeterWeather::Draw() {
    if (!CMeter::Draw()) return false;
    if (m_Busy) return true;
    m_Icon->Draw();
    static const TextPart kOrder[] = {CITY, LOW_TEMP, HIGH_TEMP, CURRENT_TEMP, INFO_TEXT, UPDATE_TIME, HUMIDITY};
    for (TextPart part : kOrder)
        if (m_Use[part]) m_Texts[part]->Draw();
    return true;
}

CString CMeterWeather::IconPath(const CString& fileName) const {
    CString skinFile = m_Owner ? m_Owner->GetSkinFile() : CString();
    return m_ImageBaseUri + GetFolderOfPath(skinFile) + fileName;
}

void CMeterWeather::ShowIcon(const CString& fileName) {
    m_IconSection.SetValue(L"ImageName", IconPath(fileName));
    m_Icon->ReadConfig(m_IconSection);
    m_IconConfigured = true;
}

void CMeterWeather::ParseWeatherFeed(const char* buffer, int length) {
    m_Busy = 1;
    m_ConditionCode = -1;
    // The feed is copied so that it ends where its length says, whatever
    // follows it in the buffer.
    std::string text;
    if (buffer && length > 0) text.assign(buffer, (size_t)length);
    TiXmlDocument document;
    document.Parse(text.c_str());
    // A feed cut off or garbled on the way counts as incomplete: none of it
    // is applied, rather than whatever part the parser got through.
    if (document.Error()) return;
    const TiXmlElement* rss = document.RootElement();
    if (!rss || strcmp(rss->Value(), "rss") != 0) return;
    const TiXmlElement* channel = rss->FirstChildElement("channel");
    if (!channel) return;

    if (const char* city = Attribute(channel->FirstChildElement("yweather:location"), "city")) {
        m_City = XmlText(city);
        m_Texts[CITY]->SetText(m_City);
    }
    if (const char* humidity = Attribute(channel->FirstChildElement("yweather:atmosphere"), "humidity")) {
        m_Humidity = CInfoSection::ParseDouble(XmlText(humidity));
        m_Texts[HUMIDITY]->SetText(Filled(m_HumidityFormat, Truncated(m_Humidity)));
    }
    const TiXmlElement* item = channel->FirstChildElement("item");
    if (!item) return;

    if (const TiXmlElement* condition = item->FirstChildElement("yweather:condition")) {
        if (const char* code = condition->Attribute("code")) {
            CString value = XmlText(code);
            m_ConditionCode = value.CompareNoCase(L"na") == 0 ? -1 : CInfoSection::ParseInt(value);
        }
        if (const char* temp = condition->Attribute("temp")) {
            int degrees = CInfoSection::ParseInt(XmlText(temp));
            m_CurrentTemp = degrees;
            m_Texts[CURRENT_TEMP]->SetText(Filled(m_CurrentTempFormat, degrees));
        }
        if (const char* said = condition->Attribute("text")) {
            m_ConditionText = XmlText(said);
            CString line = m_InfoTextFormat;
            line.Replace(L"#CITY#", GetWidgetEnvironment().GetUserProfile().regionName);
            CString condition = GetConditionText(m_ConditionText, m_ConditionCode, m_InfoTextLanguage);
            line.Replace(L"#I#", condition);
            // The line's default template is "#X#", as for the other texts:
            // it stands for the condition too, or the default would show
            // the placeholder itself.
            line.Replace(L"#X#", condition);
            m_Texts[INFO_TEXT]->SetText(line);
        }
    }
    const TiXmlElement* link = item->FirstChildElement("link");
    if (!link)
        m_DetailLink.Empty();
    else if (const char* href = link->GetText())
        m_DetailLink = XmlText(href);

    if (const TiXmlElement* forecast = item->FirstChildElement("yweather:forecast")) {
        if (const char* low = forecast->Attribute("low")) {
            m_Low = CInfoSection::ParseDouble(XmlText(low));
            m_Texts[LOW_TEMP]->SetText(Filled(m_LowTempFormat, Truncated(m_Low)));
        }
        if (const char* high = forecast->Attribute("high")) {
            m_High = CInfoSection::ParseDouble(XmlText(high));
            m_Texts[HIGH_TEMP]->SetText(Filled(m_HighTempFormat, Truncated(m_High)));
        }
    }

    CString icon;
    if (m_ConditionCode >= 0 && m_ConditionCode <= 47)
        icon.Format(L"%d.png", m_ConditionCode);
    else
        icon = L"na.png";
    ShowIcon(icon);
    m_Busy = 0;
    if (m_Owner) m_Owner->RefreshWindow();
}

CString CMeterWeather::GetConditionText(const CString& feedText, int code, const CString& language) {
    if (language.CompareNoCase(L"KOREA") != 0) return feedText;
    static const struct {
        int code;
        const wchar_t* text;
    } kTexts[] = {
        {0, L"회오리 바람"}, {1, L"열대 폭풍"},   {2, L"태풍"},         {3, L"맹렬한 뇌우"},  {4, L"뇌우"},
        {45, L"뇌우"},       {5, L"진눈깨비"},    {6, L"진눈깨비"},     {7, L"진눈깨비"},     {8, L"진눈깨비"},
        {18, L"진눈깨비"},   {9, L"보슬비"},      {10, L"어는비"},      {11, L"약한비"},      {12, L"소나기"},
        {13, L"흩뿌리는 눈"}, {14, L"적은 눈"},    {15, L"날린 눈"},     {16, L"눈"},          {17, L"싸라기 눈"},
        {19, L"먼지"},       {20, L"안개"},       {21, L"실안개"},      {22, L"스모키"},      {23, L"거센 바람"},
        {24, L"많은 바람"},  {25, L"차가움"},     {26, L"흐림"},        {27, L"대체로 흐림"}, {28, L"대체로 흐림"},
        {29, L"구름 조금"},  {30, L"구름 조금"},  {44, L"구름 조금"},   {31, L"맑음"},        {32, L"맑음"},
        {33, L"맑음"},       {34, L"맑음"},       {35, L"짓눈개비"},    {36, L"더움"},        {37, L"국지성 뇌우"},
        {47, L"국지성 뇌우"}, {38, L"산발적 뇌우"}, {39, L"산발적 뇌우"}, {40, L"종종 소나기"}, {41, L"세찬 눈"},
        {43, L"세찬 눈"},    {42, L"종종 눈보라"}, {46, L"소낙눈"},     {3200, L"정보 없음"},
    };
    for (const auto& t : kTexts)
        if (t.code == code) return t.text;
    return feedText;
}

void CMeterWeather::ConvertXml(const TiXmlElement* element, CInfoSection& section) {
    ConvertMeterCommon(element, section);
    section.SetValue(L"DrawType", L"WEATHER");
    if (!element) return;
    const TiXmlElement* weather = element->FirstChildElement("Weather");
    section.SetFromXml(weather, "WOEID", L"WOEID");
    section.SetFromXml(weather, "Unit", L"Unit");
    const TiXmlElement* image = element->FirstChildElement("Image");
    section.SetFromXml(image, "W", L"ImageW");
    section.SetFromXml(image, "H", L"ImageH");
    section.SetFromXml(image, "X", L"ImageX");
    section.SetFromXml(image, "Y", L"ImageY");
    section.SetFromXml(image, "BaseUri", L"ImageBaseUri");
    static const struct {
        const char* child;
        const char* attribute;
        const wchar_t* suffix;
    } kKeys[] = {
        {nullptr, "W", L"W"},
        {nullptr, "H", L"H"},
        {nullptr, "X", L"X"},
        {nullptr, "Y", L"Y"},
        {"Font", "Color", L"FontColor"},
        {"Font", "ShadowColor", L"ShadowColor"},
        {"Font", "OffsetX", L"OffsetX"},
        {"Font", "OffsetY", L"OffsetY"},
        {"Font", "Size", L"FontSize"},
        {"Font", "Face", L"FontFace"},
        {"Font", "Style", L"FontStyle"},
        {"Align", "Align", L"Align"},
        {"Align", "VAlign", L"VAlign"},
        {"AntiAlias", "Value", L"AntiAlias"},
        {"Format", "Value", L"Format"},
    };
    for (const auto& part : kParts) {
        const TiXmlElement* e = element->FirstChildElement(part.element);
        if (!e) continue;
        CString prefix = part.prefix;
        for (const auto& k : kKeys) {
            // The city is shown as the feed gives it: it has no template.
            if (k.child && strcmp(k.child, "Format") == 0 && prefix == L"City") continue;
            section.SetFromXml(k.child ? e->FirstChildElement(k.child) : e, k.attribute, prefix + k.suffix);
        }
        section.SetValue(part.use, L"1");
    }
    if (const TiXmlElement* info = element->FirstChildElement("InfoText"))
        section.SetFromXml(info->FirstChildElement("Language"), "Value", L"InfoTextLanguage");
}
