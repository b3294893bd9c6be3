// The alarm dialogs' tests: a host over a real alarm store in a scratch
// program folder that counts what the dialogs ask of the program, and a way
// to answer the modal alarm dialog.
#pragma once

#include "ProgramFolderSetup.h"
#include "TestFiles.h"
#include "notes/AddAlarmDlg.h"
#include "notes/AlarmDlgHost.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

class CTestAlarmHost : public IAlarmDlgHost, public IStoreHost {
public:
    explicit CTestAlarmHost(const CString& folder) : store(*this, folder), memoFolder(folder + L"memo_data\\") {}

    SYSTEMTIME Now() override { return now; }
    CString MemoFolder() override { return memoFolder; }
    CString NoteFontFace() override { return L"Tahoma"; }
    void PlaySoundFile(const CString& path) override { sounds.push_back(path); }
    void FlashNote(const CString& memoFile) override { flashed.push_back(memoFile); }
    void OpenScheduleManager() override { ++managerRequests; }
    CAlarmStore& Alarms() override { return store; }
    bool SaveAlarms() override {
        ++saves;
        return store.Save();
    }
    void OnAlarmsChanged() override {
        ++changes;
        if (onChanged) onChanged();
    }
    void ResetLastMinuteKey() override { ++minuteResets; }
    void RedrawCalendar() override {}
    int RunAlarmDialog(const CAlarmInfo* record, const CString& memoFile, CAlarmInfo& result) override {
        return answerDialog ? answerDialog(record, memoFile, result) : IDCANCEL;
    }

    void ReportSaveFailure(const CString&) override {}
    void ShowMessage(const CString&) override {}
    void OfferMemoRestore() override {}

    SYSTEMTIME now = MakeSystemTime(2014, 3, 3, 9, 30);
    CAlarmStore store;
    CString memoFolder;
    std::vector<CString> sounds, flashed;
    int managerRequests = 0, saves = 0, changes = 0, minuteResets = 0;
    std::function<void()> onChanged;
    std::function<int(const CAlarmInfo*, const CString&, CAlarmInfo&)> answerDialog;
};

// Runs the alarm dialog modally; act works on it once it is shown and
// must end it. The dialog's result is returned.
int RunAddAlarmDialog(CAddAlarmDlg& dialog, std::function<void(CAddAlarmDlg&)> act);
