#include "ProgramFolderSetup.h"

#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/Settings.h"
#include "shell/SettingsStore.h"

void UseAsProgramFolder(const CScratchFolder& folder) {
    folder.MakeFolder(L"memo_data");
    folder.MakeFolder(L"schedule_data");
    g_ProgramFolder = folder.Path();
    g_Settings = CSettings();
    AppConfigStore().Reset();
    SetDefaultSettings();
    LoadConfig(AppConfigStore());
    for (int i = 0; i < g_BuiltinTextCount; ++i) g_LanguageTable.SetAt(g_BuiltinTexts[i].id, g_BuiltinTexts[i].text);
}
