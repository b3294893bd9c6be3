#include "tools/PwdMessage.h"

#include "shell/LanguageTable.h"
#include "shell/Seams.h"
#include "tools/ToolsIds.h"

int PwdMessageBox(HWND owner, const CString& text, UINT type, int captionText) {
    CString caption = g_LanguageTable[captionText];
    if (caption.IsEmpty()) caption = L"Zorel";
    return GetSystemMessageBox().Show(owner, text, caption, type);
}

void PwdReportFileError(HWND owner) {
    PwdMessageBox(owner, g_LanguageTable[TXT_PWD_FILE_ERROR], MB_OK | MB_ICONERROR);
}
