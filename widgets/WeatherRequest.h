// The weather feed's download: one request per refresh, on a worker thread
// of its own. The raw feed goes back to the owner window as WM_WEATHER_DATA
// with a heap WeatherDataRecord; a failed download posts wParam 0.
#pragma once

#include "net/HTTPRequest.h"

class CMeterWeather;
class ISkinHost;

class CWeatherRequest : public HTTPRequest {
public:
    // The skinned window that owns the meter; a host that is no window
    // (tests) hears nothing.
    explicit CWeatherRequest(ISkinHost* owner);
    explicit CWeatherRequest(CWnd* owner) : HTTPRequest(owner) {}

    // The meter the reply is for; the reply also carries the meter's serial.
    void SetTarget(CMeterWeather* meter);
    // Builds the URL and starts the worker; 1 when it runs. The request is
    // released when it does not.
    int Start(const CString& woeid, const CString& unit);

    static DWORD WINAPI WeatherThreadProc(LPVOID param);

    // "http://<host>/forecastrss?w=<woeid>&u=<unit>", both values
    // percent-encoded so that neither can add keys or break the address.
    // The host is the weather service's unless ZOREL_WEATHER_HOST names
    // another (tests point it at 127.0.0.1); empty when that is "off".
    static CString BuildUrl(const CString& woeid, const CString& unit);

private:
    // Posts WM_WEATHER_DATA to the owner while it is still open; false when
    // nobody is there to receive (and free) the reply.
    bool PostReply(WPARAM record);

    CMeterWeather* m_pTarget = nullptr;
    unsigned long long m_TargetSerial = 0;
};

// Appends a chunk to the feed buffer of kWeatherFeedBufferSize bytes; false
// (and nothing written) when the feed would grow past kWeatherFeedLimit.
bool AppendFeedChunk(char* buffer, int& total, const char* chunk, int count);
// Every byte but the unreserved ones (letters, digits, "-._~") as %XX of
// its UTF-8 form.
CString PercentEncode(const CString& text);
