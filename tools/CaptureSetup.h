// CCaptureSetup: the small modeless dialog of the capture preferences: the
// output, the two capture hot keys, the overlay's guides, the output's
// effects, the image format and the capture folder. It never ends itself:
// OK and Cancel post WM_CAPTURE_SETUP_CLOSE to the main window, which
// destroys it (and saves the settings after OK). The hot keys and a folder
// chosen with "..." take effect at once; everything else waits for OK.
#pragma once

#include "fw/AfxWin.h"
#include "ui/HotKeyBtn.h"

class CCaptureSetup : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    // Copies the settings; a capture folder that is empty or gone shows as
    // the program's "capture" folder (the setting itself is left alone).
    explicit CCaptureSetup(CWnd* parent = nullptr);

    // Creates the modeless window from its template and shows it.
    BOOL Create(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;
    void OnCancel() override;

    void OnBrowseFolder();
    void OnOpenFolder();

    int m_nOutput = 0;
    CHotKeyBtn m_btnRegionKey, m_btnWindowKey;
    int m_nSideGuide = 0, m_nCenterGuide = 0, m_nShowSliding = 0, m_nCameraSound = 0, m_nAlwaysTop = 0;
    CString m_strFolder;
    CComboBox m_format;
    // The window the dialog reports to; the main window when constructed.
    HWND m_hReportTo = nullptr;

private:
    void SetTexts();
};
