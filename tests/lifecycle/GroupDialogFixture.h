// The memo-group manager on a real window, with the frame's side recorded:
// a current group of two notes and a group "Work" of three.
#pragma once

#include "LifecycleFixture.h"
#include "MessagePump.h"
#include "notes/EditMemoGroupDlg.h"

inline int IndexOf(CListBox& list, const wchar_t* name) {
    for (int i = 0; i < list.GetCount(); ++i)
        if (list.GetText(i) == name) return i;
    return -1;
}

class GroupDialogTest : public LifecycleTest {
protected:
    void SetUp() override {
        LifecycleTest::SetUp();
        g_Settings.General.MemoDBFile = CMemoStore::DefaultGroupFile;
        AddNote(L"d0.rtf");
        AddNote(L"d1.rtf");
        CAutosave(host, store, memos).WriteMemoList();
        MakeGroup(L"Work.zrd", 3, L"w");
        for (const wchar_t* f : {L"w0.rtf", L"w1.rtf", L"w2.rtf"}) folder.Write(f, "{\\rtf1\\ansi work note}");
        dialog = std::make_unique<CEditMemoGroupDlg>(host, store, memos);
        dialog->saveChanged = [this] { ++saves; };
        dialog->switchGroup = [this](const CString& g) { switched.push_back(g); };
        dialog->askText = [this](CWnd*, int, const CString&, int, CString& out) {
            if (typed.empty()) return false;
            out = typed.front();
            typed.erase(typed.begin());
            return true;
        };
        dialog->askDeleteGroup = [this](int) { return groupAnswer; };
        dialog->askDeleteMemos = [this](const CArray<CMemoInfo>&) { return memosAnswer; };
        ASSERT_TRUE(dialog->CreateModeless(nullptr));
    }
    void TearDown() override {
        if (dialog && dialog->m_hWnd) dialog->DestroyWindow();
    }
    void Select(const wchar_t* group) {
        dialog->Groups().SetCurSel(IndexOf(dialog->Groups(), group));
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(CEditMemoGroupDlg::IDC_GROUPS, LBN_SELCHANGE),
                            (LPARAM)dialog->Groups().m_hWnd);
    }
    bool Enabled(int id) { return ::IsWindowEnabled(::GetDlgItem(dialog->m_hWnd, id)) != FALSE; }

    std::unique_ptr<CEditMemoGroupDlg> dialog;
    int saves = 0;
    std::vector<CString> switched, typed;
    int groupAnswer = 2, memosAnswer = 7;
};
