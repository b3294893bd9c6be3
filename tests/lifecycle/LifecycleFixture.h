#pragma once

#include "LifecycleTestSupport.h"
#include "shell/Settings.h"

class LifecycleTest : public ::testing::Test {
protected:
    LifecycleTest() : store(host, folder.Path()) {}
    void SetUp() override {
        ResetLifecycleSettings();
        host.memoFolder = folder.Path();
        store.SetCurrentGroup(CMemoStore::DefaultGroupFile);
    }
    // A note of the current group with its window open.
    CFakeNote* AddNote(const wchar_t* file, const CRect& rect = CRect(0, 0, 180, 100)) {
        int i = memos.Add(MakeRecord(file, rect));
        return host.Attach(memos[i]);
    }
    // A group file holding n notes named prefix0.rtf ...
    void MakeGroup(const wchar_t* group, int n, const wchar_t* prefix = L"g") {
        CArray<CMemoInfo> list;
        for (int i = 0; i < n; ++i) {
            CString name;
            name.Format(L"%s%d.rtf", prefix, i);
            list.Add(MakeRecord(name));
        }
        ASSERT_EQ(1, store.SerializeGroupFile(group, list, 1));
    }
    std::vector<CString> Current() { return GroupNames(store, CMemoStore::DefaultGroupFile); }

    CScratch folder;
    CFakeHost host;
    CMemoStore store;
    CArray<CMemoInfo> memos;
};
