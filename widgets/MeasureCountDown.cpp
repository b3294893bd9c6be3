#include "widgets/MeasureCountDown.h"

#include "widgets/SkinHost.h"
#include "shell/SafePath.h"
#include "widgets/WidgetEnvironment.h"

namespace {

CString FormatMoment(const wchar_t* format, __time64_t moment) {
    struct tm local = {};
    GetWidgetEnvironment().ToLocal(moment, local);
    CString text;
    text.Format(format, local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec);
    return text;
}

}  // namespace

void CMeasureCountDown::ReadConfig(const CInfoSection& section) {
    CMeasure::ReadConfig(section);
    m_Label = section.GetString(L"Label", L"");
    m_Command = section.GetString(L"Command", L"");
    m_AlertBG = section.GetString(L"AlertBG", L"");
    m_TargetYear = section.GetInt(L"TargetYear", 2000);
    m_TargetMonth = section.GetInt(L"TargetMonth", 1);
    m_TargetDay = section.GetInt(L"TargetDay", 1);
    m_TargetHour = section.GetInt(L"TargetHour", 12);
    m_TargetMinute = section.GetInt(L"TargetMinute", 0);
    m_TargetSecond = section.GetInt(L"TargetSecond", 0);
    m_AlertTime = section.GetInt(L"AlertTime", 0);
    int remain = section.GetInt(L"RemainTime", 0);

    CWidgetEnvironment& env = GetWidgetEnvironment();
    if (remain >= 1) {
        m_Target = env.Now() + remain;
    } else {
        struct tm local = {};
        local.tm_year = m_TargetYear - 1900;
        local.tm_mon = m_TargetMonth - 1;
        local.tm_mday = m_TargetDay;
        local.tm_hour = m_TargetHour;
        local.tm_min = m_TargetMinute;
        local.tm_sec = m_TargetSecond;
        __time64_t target = env.FromLocal(local);
        // A date the runtime cannot place leaves the countdown at the epoch.
        m_Target = target < 0 ? 0 : target;
    }
    if (m_Label.IsEmpty()) m_TargetText = FormatMoment(L"%4d-%d-%d %02d:%02d:%02d", m_Target);
}

bool CMeasureCountDown::Update() {
    if (m_Paused) return true;
    __time64_t x = GetWidgetEnvironment().Now() - m_Target;
    if (!m_Fired && x >= 0) Fire();
    // The alert is due from its second on; testing "at or after" rather than
    // the exact second keeps it when an update cycle longer than a second
    // steps over that second.
    if (m_AlertTime > 0 && x >= -(__time64_t)m_AlertTime) ShowAlert();
    m_Value = (double)(x < 0 ? -x : x);
    return true;
}

void CMeasureCountDown::Fire() {
    m_Fired = true;
    if (m_Command.IsEmpty()) return;
    CWidgetEnvironment& env = GetWidgetEnvironment();
    if (m_Command.Right(3).CompareNoCase(L"WAV") == 0) {
        env.PlaySoundAsync(m_Command);
        return;
    }
    int handled = m_Owner ? m_Owner->ExecuteCommand(m_Command) : 0;
    if (handled == 0) env.ShellOpen(m_Command);
}

void CMeasureCountDown::ShowAlert() {
    m_AlertTime = 0;
    CWidgetEnvironment& env = GetWidgetEnvironment();
    if (m_Command.Left(8) == L"SHUTDOWN") {
        CString sound = env.GetProgramFolder() + L"system\\res\\shutdown.wav";
        if (env.FileExists(sound)) env.PlaySoundAsync(sound);
    }
    // The alert background is a file beside the skin; a name that reaches
    // elsewhere is refused.
    if (m_AlertBG.IsEmpty() || !m_Owner || !IsSafeFileName(m_AlertBG)) return;
    CString skinFile = m_Owner->GetSkinFile();
    int slash = skinFile.ReverseFind(L'\\');
    CString folder = slash >= 0 ? skinFile.Left(slash + 1) : CString();
    m_Owner->LoadBackgroundFile(folder + m_AlertBG);
    m_Owner->RefreshWindow();
}

CString CMeasureCountDown::GetStringValue(bool, double, int, bool) {
    return m_Label.IsEmpty() ? m_TargetText : m_Label;
}

void CMeasureCountDown::Pause() {
    m_Paused = true;
    m_PausedDifference = GetWidgetEnvironment().Now() - m_Target;
}

void CMeasureCountDown::Resume() {
    if (!m_Paused) return;
    m_Paused = false;
    m_Target = GetWidgetEnvironment().Now() - m_PausedDifference;
}

void CMeasureCountDown::SetRemainSeconds(int seconds) {
    if (seconds < 1) return;
    m_Target = GetWidgetEnvironment().Now() + seconds;
    if (m_Label.IsEmpty()) m_TargetText = FormatMoment(L"%4d-%02d-%02d %02d:%02d:%02d", m_Target);
}
