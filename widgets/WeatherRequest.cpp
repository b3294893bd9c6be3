#include "widgets/WeatherRequest.h"

#include "fw/HttpFile.h"
#include "fw/InternetException.h"
#include "fw/InternetFile.h"
#include "fw/InternetSession.h"
#include "ui/ZDialog.h"
#include "ui/ZDialogList.h"
#include "widgets/MeterFaces.h"
#include "widgets/MeterWeather.h"
#include "widgets/SkinHost.h"
#include "widgets/WidgetIds.h"

#include <cstring>
#include <memory>

namespace {

const UINT kChunkSize = 4082;
const wchar_t kServiceHost[] = L"weather.example.com";

// The service's host, or the host (and port) in ZOREL_WEATHER_HOST: a local
// stand-in; "off" asks nothing at all.
CString ServiceHost() {
    // The process's own environment block: the C runtime's copy of it is not
    // kept up to date in every kind of program.
    wchar_t custom[256];
    DWORD length = ::GetEnvironmentVariableW(L"ZOREL_WEATHER_HOST", custom, 256);
    if (length > 0 && length < 256) return CString(custom).CompareNoCase(L"off") == 0 ? CString() : CString(custom);
    return kServiceHost;
}

}  // namespace

bool AppendFeedChunk(char* buffer, int& total, const char* chunk, int count) {
    if (count < 0 || total < 0 || count > kWeatherFeedLimit - total) return false;
    memcpy(buffer + total, chunk, (size_t)count);
    total += count;
    return true;
}

CString PercentEncode(const CString& text) {
    CStringA utf8;
    int n = WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    if (n > 0) {
        char* p = utf8.GetBuffer(n);
        WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), p, n, nullptr, nullptr);
        utf8.ReleaseBuffer(n);
    }
    CString out;
    for (int i = 0; i < utf8.GetLength(); ++i) {
        unsigned char c = (unsigned char)utf8[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || strchr("-._~", c))
            out += (wchar_t)c;
        else
            out.AppendFormat(L"%%%02X", c);
    }
    return out;
}

CString CWeatherRequest::BuildUrl(const CString& woeid, const CString& unit) {
    CString host = ServiceHost();
    if (host.IsEmpty()) return CString();
    return L"http://" + host + L"/forecastrss?w=" + PercentEncode(woeid) + L"&u=" + PercentEncode(unit);
}

CWeatherRequest::CWeatherRequest(ISkinHost* owner) : HTTPRequest(dynamic_cast<CZDialog*>(owner)) {}

void CWeatherRequest::SetTarget(CMeterWeather* meter) {
    m_pTarget = meter;
    m_TargetSerial = meter ? meter->GetReplySerial() : 0;
}

int CWeatherRequest::Start(const CString& woeid, const CString& unit) {
    CString url = BuildUrl(woeid, unit);
    if (url.IsEmpty()) {
        // The service is switched off: nothing is asked, nothing answers.
        Release();
        return 0;
    }
    SetUrl(url);
    m_hThread = ::CreateThread(nullptr, 0, WeatherThreadProc, this, CREATE_SUSPENDED, &m_dwThreadId);
    if (!m_hThread) {
        // No worker: nothing will answer, and the request is ours to free.
        Release();
        return 0;
    }
    ::ResumeThread(m_hThread);
    return 1;
}

bool CWeatherRequest::PostReply(WPARAM record) {
    if (m_pOwnerDialog) {
        // The registry's lock is held across the look-up and the post (it
        // may be taken again inside), so the window cannot go in between.
        LockDialogRegistry();
        bool open = IsDialogRegistered(m_pOwnerDialog) != FALSE;
        if (open) SafePostMessage(m_pOwnerDialog, WM_WEATHER_DATA, record, 0);
        UnlockDialogRegistry();
        return open;
    }
    return m_hOwnerWnd && ::IsWindow(m_hOwnerWnd) && ::PostMessageW(m_hOwnerWnd, WM_WEATHER_DATA, record, 0);
}

DWORD WINAPI CWeatherRequest::WeatherThreadProc(LPVOID param) {
    auto* request = static_cast<CWeatherRequest*>(param);
    std::unique_ptr<char[]> buffer(new char[kWeatherFeedBufferSize]());
    int total = 0;
    bool ok = false, tooLong = false;
    if (request->m_bUrlFits) {
        try {
            CInternetSession session(L"Internet agent", 1, INTERNET_OPEN_TYPE_PRECONFIG);
            std::unique_ptr<CInternetFile> reply(
                session.OpenURL(request->m_szURL, 1, INTERNET_FLAG_TRANSFER_BINARY, L"Accept: */*\r\n\r\n"));
            // An error page is no feed: taken for one, it would blank the
            // panel until the next refresh instead of keeping the last one.
            auto* http = dynamic_cast<CHttpFile*>(reply.get());
            DWORD status = 0;
            if (http && http->QueryInfoStatusCode(status) && status == 200) {
                char chunk[kChunkSize];
                for (;;) {
                    UINT n = reply->Read(chunk, kChunkSize);
                    if (n == 0) {
                        ok = true;
                        break;
                    }
                    if (!AppendFeedChunk(buffer.get(), total, chunk, (int)n)) {
                        tooLong = true;
                        break;
                    }
                }
                reply->Close();
            }
            session.Close();
        } catch (const CInternetException&) {
            ok = false;
        }
    }
    if (ok) {
        memset(buffer.get() + total, 0, 4);
        auto* record = new WeatherDataRecord;
        record->buffer = buffer.release();
        record->length = total;
        record->meter = request->m_pTarget;
        record->serial = request->m_TargetSerial;
        // A window that has closed gets nothing; the reply is freed here.
        if (!request->PostReply((WPARAM)record)) {
            delete[] record->buffer;
            delete record;
        }
    } else if (!tooLong) {
        request->PostReply(0);
    }
    if (request->m_hThread) ::CloseHandle(request->m_hThread);
    request->m_hThread = nullptr;
    request->Release();
    return 0;
}
