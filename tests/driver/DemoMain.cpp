// A tiny program built on the window framework for the driver's own test:
// one dialog whose status text changes when its button's command arrives.
#include "DemoIds.h"

#include "fw/AfxWin.h"

class CDemoDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    CDemoDlg() : CDialog(IDD_DEMO) {}

protected:
    void OnChange() { SetDlgItemText(IDC_STATUS, L"Changed by command"); }
    void OnReset() { SetDlgItemText(IDC_STATUS, L"Waiting"); }
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override { delete this; }
};

BEGIN_MESSAGE_MAP(CDemoDlg, CDialog)
    ON_BN_CLICKED(IDC_CHANGE, OnChange)
    ON_COMMAND(ID_DEMO_RESET, OnReset)
END_MESSAGE_MAP()

class CDemoApp : public CWinApp {
public:
    CDemoApp() : CWinApp(L"ZorelDriverDemo") {}
    BOOL InitInstance() override {
        CDemoDlg* dlg = new CDemoDlg;
        if (!dlg->Create(IDD_DEMO)) {
            delete dlg;
            return FALSE;
        }
        m_pMainWnd = dlg;
        return TRUE;
    }
};

static CDemoApp theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR cmdLine, int cmdShow) {
    return AfxWinMain(instance, previous, cmdLine, cmdShow);
}
