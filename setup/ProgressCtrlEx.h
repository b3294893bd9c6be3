// A progress bar painted by us: the done part in the highlight colour and
// "NN.NN% complete." over it, drawn by XOR so it reads over both parts.
#pragma once

#include "fw/Afx.h"
#include "fw/ProgressCtrl.h"

class CProgressCtrlEx : public CProgressCtrl {
    DECLARE_MESSAGE_MAP()
public:
    // Setting the range starts a new run: no text until the first paint
    // that shows progress.
    void SetRange(short lower, short upper);
    void SetRange32(int lower, int upper);

    // Paints the bar as the window shows it into dc over rect (the client
    // area); the first paint with progress after a reset starts the run.
    void Draw(HDC dc, const RECT& rect);
    // The text the last paint drew (empty while there is none).
    const CString& GetDrawnText() const { return m_drawnText; }

protected:
    void OnPaint();

private:
    void ResetRun();

    bool m_noTextYet = true;
    DWORD m_startTick = 0;
    // Elapsed and remaining time of the run; kept up to date, not shown.
    DWORD m_elapsedMs = 0;
    DWORD m_remainingMs = 0;
    CString m_drawnText;
};
