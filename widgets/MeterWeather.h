// The weather panel: a condition icon and seven texts (city, low, high,
// current temperature, time of the last refresh, condition line and
// humidity) filled from an RSS forecast feed. The feed is fetched on a
// worker thread at most once per refresh period and comes back to the
// owner window, which hands it to ParseWeatherFeed on its own thread.
#pragma once

#include "widgets/Meter.h"
#include "widgets/MeterFaces.h"

#include <functional>

class CMeterImage;
class CMeterString;

// The largest feed applied; the download buffer holds this much and the
// terminating zero bytes.
const int kWeatherFeedLimit = 20470;
const int kWeatherFeedBufferSize = 20480;

class CMeterWeather : public CMeter, public IWeatherMeter {
public:
    explicit CMeterWeather(ISkinHost* owner);
    ~CMeterWeather() override;

    void ReadConfig(const CInfoSection& section) override;
    void Initialize() override;
    bool Update() override;
    bool Draw() override;

    void ParseWeatherFeed(const char* buffer, int length) override;
    CString GetDetailLink() override { return m_DetailLink; }
    unsigned long long GetReplySerial() override { return m_ReplySerial; }
    // The condition line's text: the Korean name of the code when the
    // language is "KOREA" in any case and the code has one, else the feed's.
    static CString GetConditionText(const CString& feedText, int code, const CString& language);
    // The template with the moment's date and time placeholders filled.
    static CString FillTimeTemplate(const CString& format, const struct tm& local);

    // The next update fetches again, whatever the time of the last refresh.
    void RequestRefresh() { m_LastRefresh = 0; }

    // How a refresh starts its request; tests put a recorder in its place.
    // Null restores the real request.
    typedef std::function<void(CMeterWeather* meter, const CString& woeid, const CString& unit)> RequestStarter;
    static void SetRequestStarter(RequestStarter starter);

    int IsBusy() const { return m_Busy; }
    int GetConditionCode() const { return m_ConditionCode; }
    const CString& GetCity() const { return m_City; }
    const CString& GetWoeid() const { return m_Woeid; }
    const CString& GetUnit() const { return m_Unit; }
    double GetCurrentTemp() const { return m_CurrentTemp; }
    double GetHigh() const { return m_High; }
    double GetLow() const { return m_Low; }
    double GetHumidity() const { return m_Humidity; }
    CMeterImage* GetIcon() const { return m_Icon; }
    const CInfoSection& GetIconSection() const { return m_IconSection; }
    enum TextPart { CITY, LOW_TEMP, HIGH_TEMP, CURRENT_TEMP, UPDATE_TIME, INFO_TEXT, HUMIDITY, TEXT_COUNT };
    CMeterString* GetText(TextPart part) const { return m_Texts[part]; }

    static void ConvertXml(const TiXmlElement* element, CInfoSection& section);

private:
    // Beside the skin file, or under ImageBaseUri when the skin gives one.
    CString IconPath(const CString& fileName) const;
    void ShowIcon(const CString& fileName);

    const unsigned long long m_ReplySerial;
    int m_Busy = 0;
    CString m_Woeid;
    CString m_Unit = L"c";
    int m_LastRefresh = 0;
    CString m_ConditionText;
    CString m_City;
    int m_ConditionCode = -1;
    double m_CurrentTemp = 0.0, m_High = 0.0, m_Low = 0.0, m_Humidity = 0.0;
    CString m_DetailLink;
    CMeterImage* m_Icon = nullptr;
    bool m_IconConfigured = false;
    CMeterString* m_Texts[TEXT_COUNT] = {};
    CString m_InfoTextLanguage = L"English";
    int m_Use[TEXT_COUNT] = {};
    CString m_UpdateTimeFormat = L"#H#:#N#";
    CString m_LowTempFormat, m_HighTempFormat, m_CurrentTempFormat;
    CString m_InfoTextFormat = L"#X#", m_HumidityFormat = L"#X#";
    CInfoSection m_IconSection;
    CString m_ImageBaseUri;
};
