// Real floating windows for tests: a template built in memory, an owner that
// records what the windows ask of the main frame, and settings the test sets.
#pragma once

#include "PopupTemplate.h"
#include "MessagePump.h"
#include "ui/FloatingOptions.h"
#include "ui/MonitorList.h"
#include "ui/ZDialog.h"
#include "ui/ZDialogOwner.h"

#include <gtest/gtest.h>

#include <vector>

class TestZDialog : public CZDialog {
public:
    TestZDialog() : CZDialog(0, nullptr) {}
    int fadeInDone = 0;
    int fadeOutDone = 0;
    void OnFadeInDone() override { ++fadeInDone; }
    void OnFadeOutDone() override { ++fadeOutDone; }

    bool CreateAt(const CRect& r) {
        static PopupTemplate tmpl;
        if (!CreateIndirect(&tmpl.t, nullptr)) return false;
        ::SetWindowPos(m_hWnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        return true;
    }
};

class RecordingOwner : public CZDialogOwner {
public:
    int saves = 0, asked = 0, exits = 0;
    bool answer = false;
    CRect newMemo{1000, 20, 1250, 220};
    std::vector<CZDialog*> notes;
    void RequestSaveSoon() override { ++saves; }
    bool ConfirmExit() override {
        ++asked;
        return answer;
    }
    void ExitProgram() override { ++exits; }
    CRect GetNewMemoRect() override { return newMemo; }
    std::vector<CZDialog*> GetNoteWindows() override { return notes; }
};

// Layered opacity as the system reports it; 255 for a window that is not
// layered, -1 when the system does not answer.
inline int AlphaOf(HWND wnd) {
    if (!(::GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_LAYERED)) return 255;
    BYTE alpha = 0;
    COLORREF key = 0;
    DWORD flags = 0;
    if (!::GetLayeredWindowAttributes(wnd, &key, &alpha, &flags)) return -1;
    return alpha;
}

inline bool IsTopmost(HWND wnd) { return (::GetWindowLongPtrW(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

struct FloatingWindowTest : ::testing::Test {
    static CFloatingOptions s_options;
    static CFloatingOptions Options() { return s_options; }
    RecordingOwner owner;
    std::vector<TestZDialog*> windows;

    void SetUp() override {
        s_options = CFloatingOptions();
        SetFloatingOptionsProvider(&FloatingWindowTest::Options);
        SetZDialogOwner(&owner);
    }
    void TearDown() override {
        for (TestZDialog* w : windows) {
            if (w->m_hWnd) w->DestroyWindow();
            delete w;
        }
        PumpWaiting();
        EXPECT_TRUE(GetRegisteredDialogs().empty());
        ClearDialogRegistry();
        SetZDialogOwner(nullptr);
        SetFloatingOptionsProvider(nullptr);
        SetFloatingMonitorList(nullptr);
        CZDialog::SetDesktopListFinder(nullptr);
    }
    TestZDialog* Make(const CRect& r) {
        TestZDialog* w = new TestZDialog();
        windows.push_back(w);
        EXPECT_TRUE(w->CreateAt(r));
        return w;
    }
    static void Tick(CZDialog* w, UINT id) { ::SendMessageW(w->m_hWnd, WM_TIMER, id, 0); }
};
