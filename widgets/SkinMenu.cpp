#include "widgets/SkinMenu.h"

#include "shell/SafePath.h"
#include "ui/UiIds.h"

namespace {

// Calls visit(name) for every entry of the pattern that is (or is not) a
// folder, "." and ".." left out; stops when visit returns false.
template <class Visit>
void ForEachEntry(const CString& pattern, bool folders, Visit visit) {
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileW(pattern, &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        CString name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder != folders) continue;
        if (!visit(name)) break;
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
}

CString WithSlash(const CString& folder) {
    if (folder.IsEmpty() || folder.Right(1) == L"\\" || folder.Right(1) == L"/") return folder;
    return folder + L"\\";
}

}  // namespace

CString SkinMenuText(const CString& fileName) {
    return fileName.GetLength() > 4 ? fileName.Left(fileName.GetLength() - 4) : fileName;
}

std::vector<SkinMenuItem> ListSkinMenu(const CString& skinFolder, const CString& currentSkin) {
    std::vector<SkinMenuItem> items;
    if (skinFolder.IsEmpty()) return items;
    CString base = WithSlash(skinFolder);
    ForEachEntry(base + L"*.*", true, [&](const CString& sub) {
        CString folder = base + sub;
        ForEachEntry(folder + L"\\*.xml", false, [&](const CString& file) {
            // "*.xml" also finds names whose extension only begins with
            // "xml" under short-name matching; only real ".xml" files count.
            if (file.Right(4).CompareNoCase(L".xml") != 0) return true;
            if ((int)items.size() >= kSkinMenuMaxItems) return false;
            CString path = folder + L"\\" + file;
            items.push_back({path, SkinMenuText(file), path == currentSkin});
            return true;
        });
        return (int)items.size() < kSkinMenuMaxItems;
    });
    return items;
}

WindowMenuPlan PlanWindowMenu(const WindowMenuState& state) {
    WindowMenuPlan plan;
    switch (state.level) {
    case ZPOS_NORMAL: plan.checkedLevelId = ID_POS_NORMAL; break;
    case ZPOS_TOPMOST: plan.checkedLevelId = ID_POS_TOPMOST; break;
    case ZPOS_DESKTOP: plan.checkedLevelId = ID_POS_DESKTOP; break;
    default: plan.checkedLevelId = 0; break;
    }
    plan.removeDesktopLevel = !state.enableDesktop;
    plan.checkFixLocation = !state.movable;
    plan.removeSkinInfo = !state.hasAboutSkin;
    return plan;
}

CString AcceptSkinCopyName(const CString& entered, const CString& title) {
    if (entered.IsEmpty() || entered == title) return CString();
    CString name = entered.Left(kSkinCopyNameMax);
    // The name becomes a file beside the skin: it must stay one plain name.
    if (!IsSafeFileName(name) || name.Find(L"..") >= 0) return CString();
    return name;
}
