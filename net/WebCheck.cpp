#include "net/WebCheck.h"

#include "calendar/LunarCalendar.h"
#include "fw/HttpConnection.h"
#include "fw/HttpFile.h"
#include "fw/InternetException.h"
#include "fw/InternetSession.h"
#include "shell/FileUtil.h"
#include "shell/SafeFileWriter.h"
#include "shell/ShellIds.h"
#include "shell/WebCheckResult.h"
#include "shell/XmlDepth.h"

#include "tinyxml.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

void AddField(CStringA& form, const char* key, const CStringA& encodedValue) {
    form += "&";
    form += key;
    form += "=";
    form += encodedValue;
}

void AddText(CStringA& form, const char* key, const CStringA& value) { AddField(form, key, EncodeFormValue(value)); }

void AddInt(CStringA& form, const char* key, int value) {
    CStringA text;
    text.Format("%d", value);
    AddField(form, key, text);
}

// Reads "YYYY-MM-DD" at text; false when the digits are not there.
bool ReadDate(const char* text, int& year, int& month, int& day) {
    for (int i = 0; i < 10; ++i) {
        bool dash = i == 4 || i == 7;
        if (dash ? text[i] != '-' : (text[i] < '0' || text[i] > '9')) return false;
    }
    year = atoi(text);
    month = atoi(text + 5);
    day = atoi(text + 8);
    return true;
}

long long DayCount(int year, int month, int day) { return (long long)year * 372 + month * 31 + day; }

void CopyBounded(char* to, const char* from) {
    strncpy(to, from ? from : "", WEBCHECK_DATE_CAPACITY - 1);
    to[WEBCHECK_DATE_CAPACITY - 1] = 0;
}

}  // namespace

BirthdayMatch MatchComingBirthday(bool lunarBorn, int solarYear, int solarMonth, int solarDay, int lunarYear,
                                  int lunarMonth, int lunarDay, int comingYear, int comingMonth, int comingDay) {
    BirthdayMatch match;
    if (comingMonth == solarMonth && comingDay == solarDay) {
        match.code = lunarBorn ? 3 : 1;
        match.order = comingYear - solarYear;
    }
    LunarDate lunar = SolarToLunar(comingYear, comingMonth, comingDay);
    if (lunar.valid && lunar.month == lunarMonth && lunar.day == lunarDay && (lunarBorn || match.code == 0)) {
        match.code = lunarBorn ? 2 : 4;
        match.order = lunar.year - lunarYear;
    }
    return match;
}

CStringA EncodeFormValue(const char* value, int maxLength) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char* p = (const unsigned char*)(value ? value : ""); *p; ++p) {
        int need = IsUnreserved(*p) ? 1 : 3;
        if ((int)out.size() + need > maxLength) break;
        if (need == 1) {
            out += (char)*p;
        } else {
            out += '%';
            out += kHex[*p >> 4];
            out += kHex[*p & 15];
        }
    }
    return CStringA(out.c_str());
}

CStringA WebCheckForm(const WebCheckFormInput& in) {
    const bool firstRun = in.variant == WEBCHECK_FIRST_RUN;
    const bool profile = in.variant != WEBCHECK_SHORT;
    CStringA form;
    AddInt(form, "show", firstRun || in.show ? 1 : 0);
    if (profile) {
        AddText(form, "user", in.user);
        AddText(form, "woeid", in.woeid);
        if (!firstRun) AddText(form, "todaylun", in.todayLunar);
        AddInt(form, "birthtype", in.birthType);
        AddText(form, "solbirth", in.solarBirth);
        AddText(form, "lunbirth", in.lunarBirth);
        AddInt(form, "sex", in.sex);
        AddInt(form, "age", in.age);
        AddInt(form, "lifetime", in.lifetime);
        AddInt(form, "birthmatch", in.birthMatch);
        AddInt(form, "birthorder", in.birthOrder);
        AddInt(form, "nextbirthday", in.nextBirthday);
    }
    AddText(form, "program", "zorel");
    AddText(form, "version", "3.1.1.0");
    AddText(form, "cdate", in.cdate.IsEmpty() ? CStringA(" ") : in.cdate.Left(WEBCHECK_DATE_CAPACITY - 1));
    AddText(form, "language", in.language);
    AddText(form, "country", in.country);
    AddText(form, "osver", in.osver);
    CStringA time;
    time.Format("&YEAR=%02d&MON=%02d&DAY=%02d&HOUR=%02d&MIN=%02d", in.now.wYear % 1000, in.now.wMonth, in.now.wDay,
                in.now.wHour, in.now.wMinute);
    form += time;
    // Every value is capped, so this only guards against a future field.
    if (form.GetLength() > WEBCHECK_FORM_MAX) form = form.Left(WEBCHECK_FORM_MAX);
    return form;
}

bool IsCheckDue(const char* ndate, const SYSTEMTIME& now) {
    if (!ndate) return true;
    size_t length = strlen(ndate);
    int year = 0, month = 0, day = 0;
    if (length == 10) {
        if (!ReadDate(ndate, year, month, day)) return true;
        long long next = DayCount(year, month, day);
        long long today = DayCount(now.wYear, now.wMonth, now.wDay);
        return !(today < next && next <= today + 32);
    }
    if (length == 16) {
        if (!ReadDate(ndate, year, month, day) || ndate[10] != ' ' || ndate[13] != ':') return true;
        int hour = atoi(ndate + 11), minute = atoi(ndate + 14);
        long long next = DayCount(year, month, day) * 1440 + hour * 60 + minute;
        long long current = DayCount(now.wYear, now.wMonth, now.wDay) * 1440 + now.wHour * 60 + now.wMinute;
        return !(current < next && next <= current + 46080);
    }
    return true;
}

bool ReadCheckResult(const CString& path, char* cdate, char* ndate, int& crepeat) {
    CopyBounded(cdate, " ");
    CopyBounded(ndate, " ");
    crepeat = 1;
    FILE* file = _wfopen(path, L"rb");
    if (!file) return false;
    bool ok = false;
    TiXmlDocument doc;
    if (fseek(file, 0, SEEK_END) == 0) {
        long size = ftell(file);
        if (size > 0 && size <= CWebCheckResult::MAX_RESULT_BYTES && fseek(file, 0, SEEK_SET) == 0 &&
            XmlDepth::IsFileWithinLimit(file) && doc.LoadFile(file)) {
            const TiXmlElement* root = doc.RootElement();
            ok = root && strcmp(root->Value(), "ZorelCheck") == 0;
            const TiXmlElement* system = ok ? root->FirstChildElement("System") : nullptr;
            if (system) {
                if (const TiXmlElement* e = system->FirstChildElement("CDate")) CopyBounded(cdate, e->GetText());
                if (const TiXmlElement* e = system->FirstChildElement("NDate")) CopyBounded(ndate, e->GetText());
                if (const TiXmlElement* e = system->FirstChildElement("CRepeat"))
                    crepeat = e->GetText() ? atoi(e->GetText()) : 0;
            }
        }
    }
    fclose(file);
    return ok;
}

bool WriteCheckResult(const CString& path, const char* body, size_t size) {
    // "system\" and "system\zorelcheck\" of the program folder.
    CString folder = GetFolderOfPath(path);
    CString parent = folder;
    parent.TrimRight(L'\\');
    EnsureFolder(GetFolderOfPath(parent));
    EnsureFolder(folder);
    std::vector<BYTE> bytes;
    bytes.reserve(size);
    for (size_t i = 0; i < size; ++i)
        if (body[i] != '\r') bytes.push_back((BYTE)body[i]);
    return CSafeFileWriter::WriteFile(path, bytes);
}

bool SplitServiceUrl(const CString& url, CString& host, INTERNET_PORT& port, CString& object) {
    const CString scheme = L"http://";
    if (url.Left(scheme.GetLength()).CompareNoCase(scheme) != 0) return false;
    CString rest = url.Mid(scheme.GetLength());
    int slash = rest.Find(L'/');
    CString authority = slash < 0 ? rest : rest.Left(slash);
    object = slash < 0 ? CString(L"/") : rest.Mid(slash);
    int colon = authority.Find(L':');
    port = INTERNET_DEFAULT_HTTP_PORT;
    if (colon >= 0) {
        CString digits = authority.Mid(colon + 1);
        if (digits.IsEmpty() || digits.GetLength() > 5 || digits.SpanIncluding(L"0123456789") != digits) return false;
        int value = _wtoi(digits);
        if (value <= 0 || value > 65535) return false;
        port = (INTERNET_PORT)value;
        authority = authority.Left(colon);
    }
    host = authority;
    return !host.IsEmpty();
}

int RunWebCheck(const WebCheckJob& job) {
    char cdate[WEBCHECK_DATE_CAPACITY], ndate[WEBCHECK_DATE_CAPACITY];
    int crepeat = 1;
    ReadCheckResult(job.resultPath, cdate, ndate, crepeat);
    if (!job.mustCheck && !IsCheckDue(ndate, job.now)) return crepeat;

    CString host, object;
    INTERNET_PORT port = 0;
    if (!SplitServiceUrl(job.url, host, port, object)) return WEBCHECK_FAILED;

    std::string reply;
    try {
        CInternetSession session(L"Zorel agent", 1, INTERNET_OPEN_TYPE_PRECONFIG);
        std::unique_ptr<CHttpConnection> connection(session.GetHttpConnection(host, port));
        if (!connection) return WEBCHECK_FAILED;
        std::unique_ptr<CHttpFile> request(connection->OpenRequest(
            CHttpConnection::HTTP_VERB_POST, object, nullptr, 1, nullptr, nullptr,
            INTERNET_FLAG_MAKE_PERSISTENT | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE));
        if (!request) return WEBCHECK_FAILED;
        request->AddRequestHeaders(L"Content-Type: application/x-www-form-urlencoded\r\n",
                                   HTTP_ADDREQ_FLAG_ADD_IF_NEW);
        CStringA body = job.form;
        if (!request->SendRequest(nullptr, 0, (LPVOID)body.GetString(), (DWORD)body.GetLength()))
            throw CInternetException(GetLastError());
        DWORD status = 0;
        if (!request->QueryInfoStatusCode(status) || status != 200) {
            // A service in trouble is asked again after the retry interval,
            // not at whatever short cycle its last reply set.
            CWebCheckResult::CountFailure();
            return WEBCHECK_FAILED;
        }
        char block[4096];
        for (;;) {
            UINT n = request->Read(block, sizeof block);
            if (n == 0) break;
            // A reply larger than any result is not kept.
            if (reply.size() + n > (size_t)CWebCheckResult::MAX_RESULT_BYTES) return WEBCHECK_FAILED;
            reply.append(block, n);
        }
    } catch (const CInternetException&) {
        // No connection or a broken transfer: wait before the next attempt.
        CWebCheckResult::CountFailure();
        return WEBCHECK_FAILED;
    }
    if (!WriteCheckResult(job.resultPath, reply.data(), reply.size())) return WEBCHECK_FAILED;
    return WEBCHECK_STORED;
}

namespace {
struct CheckThreadData {
    HWND owner;
    WebCheckJob job;
};
}  // namespace

DWORD WINAPI CheckThreadProc(LPVOID param) {
    std::unique_ptr<CheckThreadData> data(static_cast<CheckThreadData*>(param));
    int outcome = RunWebCheck(data->job);
    if (data->owner && ::IsWindow(data->owner)) ::PostMessageW(data->owner, WM_WEBCHECK_DONE, (WPARAM)outcome, 0);
    return 0;
}

bool StartWebCheckThread(HWND owner, const WebCheckJob& job) {
    auto* data = new CheckThreadData{owner, job};
    HANDLE thread = ::CreateThread(nullptr, 0, CheckThreadProc, data, 0, nullptr);
    if (!thread) {
        delete data;
        return false;
    }
    ::CloseHandle(thread);
    return true;
}
