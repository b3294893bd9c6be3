#include "setup/SetupLogic.h"

#include "shell/SettingsStore.h"

#include <cstdio>

namespace SetupLogic {

const wchar_t* const kSiteAddress = L"http://www.zorel.example.com";

CString CollapseBackslashes(CString path) {
    while (path.Find(L"\\\\") >= 0) path.Replace(L"\\\\", L"\\");
    return path;
}

CString JoinFolder(const CString& base, const CString& sub) { return CollapseBackslashes(base + L"\\" + sub); }

CString TrimProgramFiles(CString folder) {
    folder.TrimRight(L" (x86)");
    return folder;
}

bool KeepsExistingFile(const CString& entryName, bool existsInInstallFolder) {
    if (!existsInInstallFolder) return false;
    CString name = entryName;
    name.Replace(L'/', L'\\');
    int dot = name.ReverseFind(L'.');
    if (dot < 0 || name.Find(L'\\', dot) >= 0) return false;
    if (name.Mid(dot + 1).CompareNoCase(L"xml") != 0) return false;
    return name.Find(L"\\widgets\\") >= 0;
}

int EntryPercent(int index, int count) {
    if (count <= 0) return 0;
    return (int)((double)index / count * 100.0);
}

CString ProgressBarText(double fraction, bool noTextYet) {
    CString text;
    if (!noTextYet) text.Format(L"%.2f%% complete.", fraction * 100.0);
    return text;
}

bool NeedsVersionFixUp(const CString& storedVersion) {
    CString digits = storedVersion;
    digits.Remove(L'.');
    CStringA narrow(digits);
    int value = CSettingsStore::ParseInt(narrow);
    return value % 1000 < 250;
}

CStringA HomepageHtml(bool korean) {
    CStringA page = "<head><meta http-equiv =\"refresh\" content = \"0;url = ";
    page += CStringA(CString(kSiteAddress));
    page += korean ? "/zorel/ko/" : "/zorel/en/";
    page += "\"></head></html>";
    return page;
}

CString ChooseMigrationSource(const MigrationInput& input) {
    if (input.programFiles.IsEmpty()) return CString();
    if (!input.installHasMemoData && input.folderExists) {
        const CString candidates[] = {input.programFiles, TrimProgramFiles(input.programFiles), input.documents};
        for (const CString& base : candidates) {
            if (base.IsEmpty()) continue;
            CString folder = JoinFolder(base, L"zorel");
            if (input.folderExists(folder + L"\\memo_data")) return folder;
        }
    }
    if (input.previousFolder.IsEmpty() || input.previousFolder.CompareNoCase(input.installFolder) == 0 ||
        input.installHasMainProgram)
        return CString();
    return input.previousFolder;
}

CString RunValueText(const CString& mainProgramPath) {
    CString text;
    text.Format(L"\"%s\" /login", (const wchar_t*)mainProgramPath);
    return text;
}

}  // namespace SetupLogic
