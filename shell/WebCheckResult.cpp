#include "shell/WebCheckResult.h"

#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/XmlDepth.h"

#include "tinyxml.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

std::atomic<int> g_CheckFailCount{0};

namespace {
std::atomic<bool> g_checkInFlight{false};
std::atomic<DWORD> g_checkStartTick{0};
const DWORD kStaleCheckMs = 60 * 60 * 1000;
}  // namespace

int GetCheckInterval() {
    return (int)InterlockedCompareExchange(reinterpret_cast<volatile LONG*>(&g_Settings.CheckInterval), 0, 0);
}

void SetCheckInterval(int seconds) {
    InterlockedExchange(reinterpret_cast<volatile LONG*>(&g_Settings.CheckInterval), (LONG)seconds);
}

CString GetWebCheckResultPath() { return g_ProgramFolder + L"system\\zorelcheck\\result.xml"; }

int CWebCheckResult::ParseCheckDelay(const char* text) {
    if (!text) return 0;
    while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n') ++text;
    if (*text == '-') return 0;
    if (*text == '+') ++text;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > MAX_DELAY_SECONDS) return MAX_DELAY_SECONDS;
    }
    return (int)value;
}

bool CWebCheckResult::Read(const CString& path, int& delay) {
    delay = 0;
    // Opened by its wide name, so a program folder outside the ANSI code page works.
    FILE* file = _wfopen(path, L"rb");
    if (!file) return false;
    bool ok = false;
    if (fseek(file, 0, SEEK_END) == 0) {
        long size = ftell(file);
        if (size > 0 && size <= MAX_RESULT_BYTES && fseek(file, 0, SEEK_SET) == 0) {
            TiXmlDocument doc;
            // A reply nested deeper than any real one would overflow the
            // parser's stack; it counts as no reply.
            if (XmlDepth::IsFileWithinLimit(file) && doc.LoadFile(file)) {
                const TiXmlElement* root = doc.RootElement();
                if (root && strcmp(root->Value(), "ZorelCheck") == 0) {
                    ok = true;
                    // Without SYSTEM the file goes to the notice manager at once,
                    // as it does without CheckDelay.
                    const TiXmlElement* system = root->FirstChildElement("SYSTEM");
                    const TiXmlElement* delayElement = system ? system->FirstChildElement("CheckDelay") : nullptr;
                    if (delayElement) delay = ParseCheckDelay(delayElement->GetText());
                }
            }
        }
    }
    fclose(file);
    return ok;
}

int CWebCheckResult::RetryInterval(int previousFailures, int random) {
    if (previousFailures < QUICK_RETRIES) {
        if (random < 0) random = -(random + 1);
        return RETRY_BASE + random % RETRY_BASE;
    }
    return DAY_INTERVAL;
}

void CWebCheckResult::CountFailure() {
    int previous = g_CheckFailCount.fetch_add(1);
    if (previous == INT_MAX) g_CheckFailCount.store(INT_MAX);
    srand((unsigned)time(nullptr));
    SetCheckInterval(RetryInterval(previous, rand()));
}

CWebCheckResult::Outcome CWebCheckResult::OnCheckDone(WPARAM hasFile, const CString& path, int& delaySeconds) {
    EndCheck();
    delaySeconds = 0;
    if (!hasFile) return OUTCOME_NONE;
    int delay = 0;
    if (!Read(path, delay)) {
        CountFailure();
        return OUTCOME_FAILED;
    }
    g_CheckFailCount.store(10);
    SetCheckInterval(DAY_INTERVAL);
    delaySeconds = delay;
    return delay ? OUTCOME_WAIT : OUTCOME_HAND_OVER;
}

bool CWebCheckResult::TryBeginCheck() {
    DWORD now = GetTickCount();
    bool expected = false;
    if (!g_checkInFlight.compare_exchange_strong(expected, true)) {
        if (now - g_checkStartTick.load() < kStaleCheckMs) return false;
    }
    g_checkStartTick.store(now);
    return true;
}

void CWebCheckResult::EndCheck() { g_checkInFlight.store(false); }
