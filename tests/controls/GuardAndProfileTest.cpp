#include "ControlHost.h"
#include "ui/AppProfileStore.h"
#include "ui/ControlBase.h"
#include "ui/StateButton.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class CThrowingCtrl : public CControlBase {
    DECLARE_MESSAGE_MAP()
protected:
    LRESULT OnBoom(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
};

BEGIN_MESSAGE_MAP(CThrowingCtrl, CControlBase)
    ON_MESSAGE(WM_USER + 50, OnBoom)
END_MESSAGE_MAP()

class CProfileApp : public CWinApp {
public:
    CProfileApp() : CWinApp(L"ZorelControlsTest") {}
};

}  // namespace

TEST(ControlBase, AnExceptionNeverLeavesTheWindowProcedure) {
    CControlHost& host = SharedHost();
    CThrowingCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(L"STATIC", L"", WS_CHILD, CRect(0, 0, 10, 10), &host, 701));
    EXPECT_EQ(0, ctrl.SendMessage(WM_USER + 50));
    EXPECT_TRUE(ctrl.IsWindow());
}

TEST(AppProfileStore, WritesReadsAndDeletesInTheRegistry) {
    CProfileApp app;
    app.SetRegistryKey(L"Zorel Tests");
    CAppProfileStore& store = CAppProfileStore::Instance();
    store.Write(L"HistoryRun", L"Script0", L"calc.exe");
    EXPECT_EQ(CString(L"calc.exe"), store.Read(L"HistoryRun", L"Script0"));
    EXPECT_TRUE(store.Delete(L"HistoryRun", L"Script0"));
    EXPECT_FALSE(store.Delete(L"HistoryRun", L"Script0"));  // absent now
    EXPECT_EQ(CString(), store.Read(L"HistoryRun", L"Script0"));
}

TEST(StateButtonWindow, HoverOnlyWithoutTheButtonHeld) {
    CControlHost& host = SharedHost();
    CStateButton button;
    ASSERT_TRUE(button.Create(L"BUTTON", L"Hover", WS_CHILD | WS_VISIBLE, CRect(300, 300, 380, 330), &host, 702));
    POINT p = {10, 10};
    button.ClientToScreen(&p);
    SetCursorPos(p.x, p.y);
    Send(button, WM_MOUSEMOVE, 10, 10, MK_LBUTTON);
    EXPECT_FALSE(button.m_bHover);
    Send(button, WM_MOUSEMOVE, 10, 10);
    EXPECT_TRUE(button.m_bHover);
    button.SendMessage(WM_MOUSELEAVE);
    EXPECT_FALSE(button.m_bHover);
}
