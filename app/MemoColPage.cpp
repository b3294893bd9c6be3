#include "app/MemoColPage.h"

#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "shell/LanguageTable.h"
#include "shell/Seams.h"
#include "shell/SettingsStore.h"

namespace {
// The label of each palette colour, in palette order, and its text.
const UINT kLabels[COLOR_TYPE_COUNT] = {1298, 1299, 1301, 1300, 1302, 1303, 1304, 1305, 1306, 1307, 1308, 1309};
const int kFirstLabelText = 301;
const int kRandomText = 313;
const COLORREF kDefaultSample = 0xC6C6C6;
}  // namespace

BEGIN_MESSAGE_MAP(CMemoColPage, CSettingsPage)
    ON_CONTROL_RANGE(STN_CLICKED, IDC_MC_STATIC_FIRST, IDC_MC_STATIC_LAST, OnColorStatic)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_MC_BUTTON_FIRST, IDC_MC_BUTTON_LAST, OnColorButton)
END_MESSAGE_MAP()

CMemoColPage::CMemoColPage(CSetupMemo& sheet) : CSettingsPage(sheet, IDD_MEMO_COL_PAGE) {
    m_bRandomColor = g_Settings.Color.RandomColor;
}

BOOL CMemoColPage::OnInitDialog() {
    CSettingsPage::OnInitDialog();
    m_sample.Create(this);
    ApplyTexts();
    for (int n = 0; n < COLOR_TYPE_COUNT; ++n) {
        m_statics[n].SubclassDlgItem(IDC_MC_STATIC_FIRST + n, this);
        m_statics[n].SetBkColor(g_Settings.Color.Type[n]);
        m_statics[n].SetWindowText(L"");
    }
    if (m_sample.GetSafeHwnd()) {
        if (CWnd* place = GetDlgItem(IDC_MC_PREVIEW_PLACE)) {
            CRect rect;
            place->GetWindowRect(&rect);
            ScreenToClient(&rect);
            m_sample.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
        }
        m_sample.SetColor(g_Settings.Color.Type[0]);
        m_sample.ShowWindow(SW_SHOW);
    }
    UpdateControls();
    return TRUE;
}

void CMemoColPage::ApplyTexts() {
    // The labels come from the language files alone; without one the
    // template's own words stay.
    for (int n = 0; n < COLOR_TYPE_COUNT; ++n)
        if (g_LanguageTable.Contains(kFirstLabelText + n))
            SetDlgItemText(kLabels[n], g_LanguageTable[kFirstLabelText + n]);
    SetDlgItemText(IDC_MC_RANDOM, g_LanguageTable[kRandomText]);
}

void CMemoColPage::UpdateControls() { CheckDlgButton(IDC_MC_RANDOM, m_bRandomColor ? BST_CHECKED : BST_UNCHECKED); }

void CMemoColPage::ChooseColor(int n) {
    if (n < 0 || n >= COLOR_TYPE_COUNT) return;
    // The dialog starts from the stored colour, not from a change that was
    // not applied.
    COLORREF chosen = 0;
    if (!GetColorChooser().Choose(m_hWnd, g_Settings.Color.Type[n], chosen)) return;
    m_statics[n].SetBkColor(chosen);
    m_statics[n].UpdateWindow();
    m_sample.SetColor(chosen);
}

void CMemoColPage::OnColorStatic(UINT id) { ChooseColor((int)(id - IDC_MC_STATIC_FIRST)); }
void CMemoColPage::OnColorButton(UINT id) { ChooseColor((int)(id - IDC_MC_BUTTON_FIRST)); }

void CMemoColPage::Apply() {
    m_bRandomColor = IsDlgButtonChecked(IDC_MC_RANDOM) == BST_CHECKED ? 1 : 0;
    g_Settings.Color.RandomColor = m_bRandomColor;
    // The palette goes into the document now; the save that follows writes
    // the file.
    for (int n = 0; n < COLOR_TYPE_COUNT; ++n) {
        g_Settings.Color.Type[n] = m_statics[n].GetBkColor();
        CString key;
        key.Format(L"Type%02d", n);
        AppConfigStore().WriteConfigInt(L"Color", key, (int)g_Settings.Color.Type[n]);
    }
}

void CMemoColPage::SetDefaults() {
    for (int n = 0; n < COLOR_TYPE_COUNT; ++n) m_statics[n].SetBkColor(g_ColorTypeDefaults[n]);
    m_sample.SetColor(kDefaultSample);
    m_bRandomColor = 0;
    UpdateControls();
}
