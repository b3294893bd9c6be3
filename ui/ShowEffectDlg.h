// The spotlight: a full-screen grey overlay whose opacity rises from 96 to
// 196 in about a quarter of a second, with chosen floating windows raised
// above it. A click with either button puts every raised window back on its
// own level and closes it. At most one exists, g_SpotlightDlg; other code
// reaches it only through the free functions below.
#pragma once

#include "fw/AfxWin.h"
#include "ui/RaisedWindows.h"

#include <vector>

class CZDialog;

class CShowEffectDlg : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    CShowEffectDlg();
    ~CShowEffectDlg() override;

    // Creates the overlay window (hidden until shown); false on failure.
    BOOL Create();

    void AddWindow(CZDialog* window);
    void AddWindows(const std::vector<CZDialog*>& windows);
    void RestoreWindows();
    void CloseOverlay();
    BOOL SetOverlayAlpha(COLORREF colorKey, BYTE alpha, DWORD flags);

    int GetAlpha() const { return m_nAlpha; }
    int GetRaisedCount() const { return m_raised.GetCount(); }
    bool IsRaised(int serial) const { return m_raised.Contains(serial); }
    CRect GetOverlayRect() const { return m_rect; }

protected:
    void PostNcDestroy() override;
    void OnTimer(UINT_PTR id);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);

private:
    CRaisedWindows m_raised;
    CRect m_rect;
    DWORD m_dwStartTick = 0;
    int m_nAlpha = SPOTLIGHT_START_ALPHA;
};

extern CShowEffectDlg* g_SpotlightDlg;

// Shows one window above the spotlight (creating it when needed), or simply
// shows and brings it forward when the spotlight effect is off.
int ShowWithEffect(CZDialog* window);
void ShowGroupWithEffect(const std::vector<CZDialog*>& windows);
void AddToSpotlightIfActive(CZDialog* window);
void CloseSpotlight();

// The 126 x 126 grey texture of the overlay: bitmap resource 367 of the
// program, or a grey noise tile made here when the resource is missing.
HBITMAP LoadSpotlightTile();
