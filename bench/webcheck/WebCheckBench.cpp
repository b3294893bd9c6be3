// Building the report and reading a reply with 50 notices, each against a
// baseline run beside it: the report against one plain snprintf of the same
// fields, the reply against TinyXML loading the same file and nothing more.
#include "BenchSupport.h"
#include "net/NoticeManager.h"
#include "net/WebCheck.h"
#include "shell/ProgramFolder.h"

#include "tinyxml.h"

#include <cstdio>
#include <string>

namespace {

const int kRounds = 2000;
const int kParseRounds = 200;

WebCheckFormInput Input() {
    WebCheckFormInput in;
    in.variant = WEBCHECK_USER_INFO;
    in.user = "Kim & Lee";
    in.woeid = "1132599";
    in.todayLunar = "202402010";
    in.solarBirth = "19800315";
    in.lunarBirth = "19800129";
    in.cdate = "20240309";
    in.language = "Korean";
    in.country = "Korea";
    in.osver = "2.6.1";
    GetLocalTime(&in.now);
    return in;
}

double TimeForm() {
    WebCheckFormInput in = Input();
    size_t total = 0;
    double start = NowMs();
    for (int i = 0; i < kRounds; ++i) total += WebCheckForm(in).GetLength();
    double ms = NowMs() - start;
    return total ? ms : -1;
}

double TimeSnprintf() {
    WebCheckFormInput in = Input();
    char body[2048];
    size_t total = 0;
    double start = NowMs();
    for (int i = 0; i < kRounds; ++i)
        total += snprintf(body, sizeof body,
                          "&show=%d&user=%s&woeid=%s&todaylun=%s&birthtype=%d&solbirth=%s&lunbirth=%s&sex=%d&age=%d"
                          "&lifetime=%d&birthmatch=%d&birthorder=%d&nextbirthday=%d&program=zorel&version=3.1.1.0"
                          "&cdate=%s&language=%s&country=%s&osver=%s&YEAR=%02d&MON=%02d&DAY=%02d&HOUR=%02d&MIN=%02d",
                          0, in.user.GetString(), in.woeid.GetString(), in.todayLunar.GetString(), 0,
                          in.solarBirth.GetString(), in.lunarBirth.GetString(), 0, 0, 0, 0, 0, 0,
                          in.cdate.GetString(), in.language.GetString(), in.country.GetString(),
                          in.osver.GetString(), in.now.wYear % 1000, in.now.wMonth, in.now.wDay, in.now.wHour,
                          in.now.wMinute);
    double ms = NowMs() - start;
    return total ? ms : -1;
}

}  // namespace

int wmain() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    CString folder = CString(temp) + L"zorel_bench_webcheck\\";
    CreateDirectoryW(folder, nullptr);
    g_ProgramFolder = folder;
    std::string xml = "<?xml version=\"1.0\"?>\n<ZorelCheck><SYSTEM><CheckCycle>86400</CheckCycle></SYSTEM>\n";
    for (int i = 0; i < 50; ++i)
        xml += "<ALERT Url=\"http://127.0.0.1:1/p" + std::to_string(i) + ".zip\" Key=\"p" + std::to_string(i) +
               "\" File=\"skin.xml\" Version=\"1." + std::to_string(i) +
               "\" Refit=\"0\" DisplayTime=\"5\" DisplayType=\"6\"/>\n";
    xml += "</ZorelCheck>\n";
    CString path = folder + L"result.xml";
    std::vector<BYTE> bytes(xml.begin(), xml.end());
    if (!RawWrite(path, bytes)) return 1;

    std::vector<double> form, base, parse, load;
    for (int r = 0; r < 5; ++r) {
        form.push_back(TimeForm());
        base.push_back(TimeSnprintf());
        double start = NowMs();
        for (int i = 0; i < kParseRounds; ++i) {
            CNoticeManager manager;  // no host: every package counts as not fetched
            manager.ParseServerCheck(path);
        }
        parse.push_back(NowMs() - start);
        start = NowMs();
        for (int i = 0; i < kParseRounds; ++i) {
            FILE* file = _wfopen(path, L"rb");
            TiXmlDocument doc;
            doc.LoadFile(file);
            fclose(file);
        }
        load.push_back(NowMs() - start);
    }
    double f = Median(form), b = Median(base), p = Median(parse), l = Median(load);
    printf("report: %.2f us each, snprintf %.2f us, ratio %.1f\n", f * 1000 / kRounds, b * 1000 / kRounds, f / b);
    printf("reply with 50 notices: %.1f us each, TinyXML load alone %.1f us, ratio %.2f\n", p * 1000 / kParseRounds,
           l * 1000 / kParseRounds, p / l);
    DeleteFileW(path);
    RemoveDirectoryW(folder);
    return 0;
}
