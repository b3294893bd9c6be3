// Seconds to (and after it, since) a target moment. Reaching the target runs
// the skin's command or plays its sound once; shortly before it the window
// may switch to an alert background.
#pragma once

#include "widgets/Measure.h"

class CMeasureCountDown : public CMeasure {
public:
    CMeasureCountDown() { m_Kind = MEASURE_COUNTDOWN; }
    void ReadConfig(const CInfoSection& section) override;
    bool Update() override;
    CString GetStringValue(bool autoScale = false, double scale = 1.0, int decimals = 0,
                           bool percentual = false) override;

    void Pause();
    void Resume();
    void SetRemainSeconds(int seconds);
    // Replaces the label the skin's meters show for the countdown.
    void SetLabel(const CString& text) { m_Label = text; }
    // Replaces what runs when the target is reached.
    void SetCommand(const CString& command) { m_Command = command; }

    __time64_t GetTarget() const { return m_Target; }
    bool IsPaused() const { return m_Paused; }
    bool HasFired() const { return m_Fired; }
    const CString& GetTargetText() const { return m_TargetText; }
    const CString& GetLabel() const { return m_Label; }
    const CString& GetCommand() const { return m_Command; }

private:
    void Fire();
    void ShowAlert();

    CString m_Label;
    CString m_TargetText;
    CString m_Command;
    CString m_AlertBG;
    int m_TargetYear = 2000, m_TargetMonth = 1, m_TargetDay = 1;
    int m_TargetHour = 12, m_TargetMinute = 0, m_TargetSecond = 0;
    int m_AlertTime = 0;
    __time64_t m_Target = 0;
    bool m_Fired = false;
    bool m_Paused = false;
    __time64_t m_PausedDifference = 0;
};
