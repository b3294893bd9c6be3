// CEditMemoGroupLogic: what the memo-group manager does with the group
// files: listing the groups with their note counts, adding, renaming and
// deleting groups, and the rules of its buttons. Group names typed by the
// user become file names, so names holding path characters, device names or
// trailing dots and blanks are refused; a group whose list cannot be read is
// never deleted.
#pragma once

#include "notes/LifecycleHost.h"
#include "notes/MemoStore.h"

#include <functional>
#include <vector>

class CEditMemoGroupLogic {
public:
    enum {
        IDS_DELETE_GROUP_QUESTION = 10051, IDS_NEW_GROUP_NAME = 10052, IDS_GROUP_EXISTS = 10053,
        IDS_CHANGE_GROUP_NAME = 10054, IDS_GROUP_EXISTS_RENAME = 10055, IDS_LAST_GROUP = 10056,
        IDS_GROUP_IN_USE = 10057, IDS_TEMPORARY_STORAGE = 10060, IDS_NO_MEMO_SELECTED = 28203,
    };
    // Answers of the delete-group confirmation.
    enum { DeleteRestorable = 1, DeleteGroupFileOnly = 1253, DeleteEverything = 1251, DeleteCancel = 2 };
    enum { MaxNameLength = 20, MaxRenameLength = 21 };

    struct Group {
        CString name;  // file name with its extension
        int count;     // notes in it; -1 for a group that was just made up
    };
    enum Result { Done, Cancelled, Refused };

    CEditMemoGroupLogic(INoteLifecycleHost& host, CMemoStore& store, std::function<void()> saveChanged)
        : m_host(host), m_store(store), m_saveChanged(std::move(saveChanged)) {}

    // A name without its ".zr?" extension, for menus and prompts.
    static CString DisplayName(const CString& name);
    // Whether a typed name can be a group file's name.
    static bool IsValidGroupName(const CString& text);
    static bool CanRename(int count, int selected) { return selected >= 0 && selected != count - 1; }
    static bool CanDelete(int count, int selected) { return selected >= 0 && selected != count - 1 && count >= 3; }

    // The records the Move and Delete buttons act on: the ticked rows
    // (below the number of source records), or else the selected row.
    static std::vector<int> CollectRows(const std::vector<bool>& ticked, int sourceCount, int selectedRow);

    // The groups of the memo folder, the recycle bin last; memoDBFile is
    // set to the first group when the current one is not there. selected
    // receives the current group's index.
    std::vector<Group> ListGroups(CString& memoDBFile, int& selected) const;

    // The typed text (without extension) of a new group.
    Result AddGroup(const std::vector<Group>& groups, const CString& text);
    // Renames a group; memoDBFile follows when it named the group and the
    // rename worked.
    Result RenameGroup(const std::vector<Group>& groups, const CString& oldName, const CString& text,
                       CString& memoDBFile);
    // Whether deleting a group needs the confirmation (it holds notes);
    // Refused when the group cannot go (last one, in use, unreadable).
    Result CheckDeleteGroup(int groupCount, const CString& name, const CString& memoDBFile, int& notes);
    // Deletes a group with the confirmation's answer (an empty group with
    // DeleteGroupFileOnly).
    Result DeleteGroup(const CString& name, int answer);

private:
    bool Exists(const std::vector<Group>& groups, const CString& name) const;

    INoteLifecycleHost& m_host;
    CMemoStore& m_store;
    std::function<void()> m_saveChanged;
};
