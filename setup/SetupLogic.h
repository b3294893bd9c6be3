// The installer's decisions as plain functions: which files an update keeps,
// what the progress shows, which configurations get the version fix-up, the
// texts of the redirect page and the Run value.
#pragma once

#include "fw/Afx.h"

#include <functional>

namespace SetupLogic {

// Every "\\" collapsed to "\" (folder parts joined with a separator of
// their own).
CString CollapseBackslashes(CString path);
// base + "\" + sub, collapsed.
CString JoinFolder(const CString& base, const CString& sub);
// The Program Files folder without its trailing " (x86)" characters.
CString TrimProgramFiles(CString folder);

// An update keeps an existing widget XML file: the entry's extension is
// "xml" (any case), its path holds "\widgets\" ("/" counts as "\") and the
// file is already in the install folder.
bool KeepsExistingFile(const CString& entryName, bool existsInInstallFolder);
// The entry's share of the whole, truncated: i / count x 100; 0 for no entries.
int EntryPercent(int index, int count);

// The bar's text for a fraction 0..1: "%.2f%% complete.", or nothing while
// the bar shows no run yet.
CString ProgressBarText(double fraction, bool noTextYet);

// A stored Version gets the hot-key fix-up when its digits (dots removed)
// modulo 1000 are below 250; a missing version reads as "0".
bool NeedsVersionFixUp(const CString& storedVersion);

// The one-line redirect page, in narrow text.
CStringA HomepageHtml(bool korean);
// The address of our site the page leads to.
extern const wchar_t* const kSiteAddress;

// Where the data of an older installation is copied from.
struct MigrationInput {
    CString programFiles;  // the registry's ProgramFilesDir; empty: nothing is migrated
    CString documents;     // the user's documents folder
    CString installFolder;
    CString previousFolder;  // found through the Run value, may be empty
    bool installHasMemoData = false;
    bool installHasMainProgram = false;
    // True when a folder exists; asked only for the "...\zorel\memo_data" candidates.
    bool (*folderExists)(const CString& path) = nullptr;
};
// The source folder, or empty when nothing is migrated: a "zorel" folder
// holding memo_data under Program Files (as read, then trimmed) or the
// documents folder, when the install folder has no memo_data yet; otherwise
// the previous installation, when it is another folder and the install
// folder holds no Zorel.exe.
CString ChooseMigrationSource(const MigrationInput& input);

// "\"<path>\" /login".
CString RunValueText(const CString& mainProgramPath);

// What the folder page starts from: the Run value of an earlier
// installation, the registry's Program Files folder, the Windows folder and
// version, and a look at the disk.
struct FolderInput {
    bool hasRunValue = false;
    CString runValue;
    CString programFilesDir;   // as the registry holds it; empty when unreadable
    CString windowsDirectory;  // the system's Windows folder
    int windowsMajor = 6;
    std::function<bool(const CString&)> folderExists;
};
struct FolderProposal {
    CString programFiles;    // trimmed of " (x86)"
    CString windowsFolder;   // the drive + "WINDOWS"
    CString previousFolder;  // the earlier installation, when its folder exists
    CString baseFolder;      // proposed
};
// The earlier installation's folder named by a Run value: the program path
// without its switch, quotes and "\Zorel.exe".
CString FolderOfRunValue(CString runValue);
FolderProposal ProposeFolders(const FolderInput& input);
// On Vista and later a folder below Program Files or in the Windows folder
// cannot hold data the program writes: such a choice is refused.
bool IsRestrictedFolder(const CString& folder, const CString& programFiles, const CString& windowsFolder,
                        int windowsMajor);
// The folder page's hint: an update (710) when the install folder already
// holds Zorel.exe, else a new installation (707).
int FolderHintTextId(bool holdsMainProgram);
// A sub-folder must name a folder: an empty one would install into the bare
// base folder or a drive root, whose "skin" and "system" the uninstaller
// later deletes.
bool IsUsableSubFolder(const CString& subFolder);

// The language offset for the keyboard layout's English language name:
// 100000 (Korean) when it is "Korean" in any case, else 0 (English).
int LanguageOffsetFor(const CStringA& keyboardLanguage);

}  // namespace SetupLogic
