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

namespace {
const wchar_t* const kMainProgramTail = L"\\Zorel.exe";
const wchar_t* const kMakerFolder = L"Havrond";
}  // namespace

CString FolderOfRunValue(CString runValue) {
    runValue.TrimRight(L" /login");
    runValue.TrimRight(L" /logon");
    runValue.TrimRight(L'"');
    runValue.TrimLeft(L'"');
    const int tail = (int)wcslen(kMainProgramTail);
    if (runValue.GetLength() <= tail) return CString();
    return runValue.Left(runValue.GetLength() - tail);
}

FolderProposal ProposeFolders(const FolderInput& input) {
    FolderProposal out;
    out.programFiles = TrimProgramFiles(input.programFilesDir);
    // Without a readable Program Files folder its drive is the Windows
    // folder's: a bare "Havrond" would be a folder relative to wherever the
    // installer was started.
    CString drive = out.programFiles.IsEmpty() ? input.windowsDirectory.Left(3) : out.programFiles.Left(3);
    out.windowsFolder = drive + L"WINDOWS";

    CString base;
    if (input.hasRunValue) {
        CString previous = FolderOfRunValue(input.runValue);
        if (!previous.IsEmpty() && input.folderExists && input.folderExists(previous)) out.previousFolder = previous;
        if (previous.GetLength() > 6) base = previous.Left(previous.GetLength() - 6);
    }
    bool replace = base.IsEmpty() || !input.folderExists || !input.folderExists(base);
    if (!replace && input.windowsMajor > 5 && !out.programFiles.IsEmpty() &&
        base.Left(out.programFiles.GetLength()) == out.programFiles)
        replace = true;
    out.baseFolder = replace ? drive + kMakerFolder : base;
    return out;
}

bool IsRestrictedFolder(const CString& folder, const CString& programFiles, const CString& windowsFolder,
                        int windowsMajor) {
    if (windowsMajor <= 5) return false;
    if (!programFiles.IsEmpty() && folder.Left(programFiles.GetLength()) == programFiles) return true;
    int slash = folder.Find(L'\\', 3);
    CString firstLevel = slash < 0 ? folder : folder.Left(slash);
    return firstLevel.CompareNoCase(windowsFolder) == 0;
}

int FolderHintTextId(bool holdsMainProgram) { return holdsMainProgram ? 710 : 707; }

bool IsUsableSubFolder(const CString& subFolder) {
    CString name = subFolder;
    name.Trim(L" \\/.");
    return !name.IsEmpty();
}

int LanguageOffsetFor(const CStringA& keyboardLanguage) {
    return keyboardLanguage.CompareNoCase("Korean") == 0 ? 100000 : 0;
}

}  // namespace SetupLogic
