#include "app/HotKeyPageSlots.h"

#include "app/SettingsIds.h"
#include "app/SetupMemo.h"
#include "fw/FileDialog.h"
#include "shell/ActionSystem.h"
#include "shell/LanguageTable.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"
#include "shell/ZMsgBox.h"

namespace {
const wchar_t kSection[] = L"HotKey";
const int kRunCaption = 404, kGoCaption = 408;
const int kBrowseTitle = 10080, kInputProgram = 10081, kInputWebAddress = 10082;
}  // namespace

BEGIN_MESSAGE_MAP(CHotKeyPageSlots, CDialog)
    ON_WM_TIMER()
    ON_COMMAND_RANGE(2101, 2113, OnRunButton)
    ON_COMMAND_RANGE(2201, 2209, OnBrowseButton)
END_MESSAGE_MAP()

CHotKeyPageSlots::CHotKeyPageSlots(CSetupMemo& sheet, UINT templateId, int subPage)
    : CDialog(templateId), m_sheet(sheet), m_templateId(templateId), m_subPage(subPage) {
    for (int i = 0; i < HOTKEY_PAGE_SLOTS; ++i)
        m_texts[i] = AppConfigStore().GetConfigString(kSection, GetHotKeyPageSlot(m_subPage, i).key, L"");
}

BOOL CHotKeyPageSlots::OnInitDialog() {
    CDialog::OnInitDialog();
    const CString& caption = g_LanguageTable[m_subPage == HOTKEY_SUB_WEB ? kGoCaption : kRunCaption];
    for (int i = 0; i < HOTKEY_PAGE_SLOTS; ++i) {
        const HotKeyPageSlot& slot = GetHotKeyPageSlot(m_subPage, i);
        SetDlgItemText(slot.runButton, caption);
        m_hotKeyButtons[i].SubclassDlgItem(IDC_HK_SLOT_BUTTON_FIRST + i, this);
        m_hotKeyButtons[i].SetHotKey(&g_Settings.HotKeyTable[slot.hotKeyId]);
        SetDlgItemText(IDC_HK_SLOT_EDIT_FIRST + i, m_texts[i]);
    }
    return TRUE;
}

void CHotKeyPageSlots::OnCancel() { m_sheet.Cancel(); }

void CHotKeyPageSlots::ReadControls() {
    for (int i = 0; i < HOTKEY_PAGE_SLOTS; ++i) m_texts[i] = GetDlgItemText(IDC_HK_SLOT_EDIT_FIRST + i);
}

void CHotKeyPageSlots::Apply() {
    if (m_hWnd) ReadControls();
    // Into the settings document; the file is written by the save that
    // follows (and by any later one, should the sheet be cancelled).
    for (int i = 0; i < HOTKEY_PAGE_SLOTS; ++i)
        AppConfigStore().WriteConfigString(kSection, GetHotKeyPageSlot(m_subPage, i).key, m_texts[i]);
}

void CHotKeyPageSlots::FocusSlot(int slot) {
    m_nFocusSlot = slot;
    if (m_hWnd) SetTimer(TIMER_FOCUS_SLOT, FOCUS_DELAY_MS);
}

void CHotKeyPageSlots::OnTimer(UINT_PTR id) {
    if (id != TIMER_FOCUS_SLOT) return;
    KillTimer(TIMER_FOCUS_SLOT);
    if (m_nFocusSlot < 0 || m_nFocusSlot >= HOTKEY_PAGE_SLOTS) return;
    if (CWnd* edit = GetDlgItem(IDC_HK_SLOT_EDIT_FIRST + m_nFocusSlot)) edit->SetFocus();
}

void CHotKeyPageSlots::OnRunButton(UINT id) {
    int slot = -1;
    for (int i = 0; i < HOTKEY_PAGE_SLOTS; ++i)
        if (GetHotKeyPageSlot(m_subPage, i).runButton == id) slot = i;
    if (slot < 0) return;
    Apply();
    ISettingsHost& host = m_sheet.GetHost();
    HotKeyRunResult result = RunHotKeyText(
        m_texts[slot], [&host](const CString& text) { return host.RunAction(text); },
        [](const CString& text) { return GetActionSystem().ShellOpenChecked(text); });
    if (result != HOTKEY_RUN_EMPTY) return;
    ShowMessageBox(g_LanguageTable[m_subPage == HOTKEY_SUB_WEB ? kInputWebAddress : kInputProgram], -1);
    if (CWnd* edit = GetDlgItem(IDC_HK_SLOT_EDIT_FIRST + slot)) edit->SetFocus();
}

void CHotKeyPageSlots::OnBrowseButton(UINT id) {
    if (m_subPage != HOTKEY_SUB_RUN) return;
    int slot = (int)id - 2201;
    if (slot < 0 || slot >= HOTKEY_PAGE_SLOTS) return;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kRunSlotBrowseFilter, this);
    CString title = g_LanguageTable[kBrowseTitle];
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK) return;
    SetDlgItemText(IDC_HK_SLOT_EDIT_FIRST + slot, dialog.GetPathName());
    ReadControls();
}
