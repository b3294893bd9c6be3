// Dialogs from templates: initialisation, data exchange, command routing,
// reflection to a control's object and the modal loop.
#include "TestIds.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

class CDrawnButton : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    int drawn = 0;
    UINT lastId = 0;
    void DrawItem(LPDRAWITEMSTRUCT dis) {
        ++drawn;
        lastId = dis->CtlID;
        ::FillRect(dis->hDC, &dis->rcItem, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
};

BEGIN_MESSAGE_MAP(CDrawnButton, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

class CExchangeDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    CExchangeDlg() : CDialog(IDD_EXCHANGE) {}

    CString m_name = L"hello";
    int m_count = 42;
    int m_flag = 1;
    int m_radio = 2;
    CDrawnButton m_drawn;

    int initCalls = 0;
    std::vector<UINT> own;
    std::vector<UINT> range;
    int parentDrawItems = 0;

    BOOL OnInitDialog() override {
        ++initCalls;
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_NAME, m_name);
        DDV_MaxChars(dx, m_name, 10);
        DDX_Text(dx, IDC_COUNT, m_count);
        DDV_MinMaxInt(dx, m_count, 0, 1000);
        DDX_Check(dx, IDC_FLAG, m_flag);
        DDX_Radio(dx, IDC_RADIO_A, m_radio);
        DDX_Control(dx, IDC_DRAWN, m_drawn);
    }

protected:
    void OnOwn() { own.push_back(IDC_OWN); }
    void OnRange(UINT id) { range.push_back(id); }
    void OnDrawItem(int id, LPDRAWITEMSTRUCT dis) {
        ++parentDrawItems;
        CWnd::OnDrawItem(id, dis);
    }
};

BEGIN_MESSAGE_MAP(CExchangeDlg, CDialog)
    ON_BN_CLICKED(IDC_OWN, OnOwn)
    ON_COMMAND_RANGE(IDC_RANGE_FIRST, IDC_RANGE_LAST, OnRange)
    ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class COwnerWnd : public CWnd {
    DECLARE_MESSAGE_MAP()
public:
    std::vector<UINT> commands;

protected:
    void OnForOwner() { commands.push_back(IDC_FOR_OWNER); }
    void OnOwnAtOwner() { commands.push_back(IDC_OWN); }
};

BEGIN_MESSAGE_MAP(COwnerWnd, CWnd)
    ON_COMMAND(IDC_FOR_OWNER, OnForOwner)
    ON_COMMAND(IDC_OWN, OnOwnAtOwner)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"Owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
        // Kept hidden: only the owner-draw case needs the dialog painted.
        ASSERT_TRUE(dlg.Create(IDD_EXCHANGE, &owner));
        TestApp().commands.clear();
    }
    void TearDown() override {
        dlg.DestroyWindow();
        owner.DestroyWindow();
    }
    void Click(int id) { dlg.SendDlgItemMessage(id, BM_CLICK); }

    COwnerWnd owner;
    CExchangeDlg dlg;
};

TEST_F(DialogTest, InitDialogFillsControlsAndExchangeReadsThemBack) {
    EXPECT_EQ(dlg.initCalls, 1);
    EXPECT_EQ(dlg.GetDlgItemText(IDC_NAME), L"hello");
    EXPECT_EQ(dlg.GetDlgItemText(IDC_COUNT), L"42");
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_FLAG), 1u);
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_RADIO_C), 1u);
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_DRAWN)), &dlg.m_drawn);

    dlg.SetDlgItemText(IDC_NAME, L"world");
    dlg.SetDlgItemText(IDC_COUNT, L" 7 ");
    dlg.CheckDlgButton(IDC_FLAG, BST_UNCHECKED);
    dlg.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_A);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_name, L"world");
    EXPECT_EQ(dlg.m_count, 7);
    EXPECT_EQ(dlg.m_flag, 0);
    EXPECT_EQ(dlg.m_radio, 0);
}

TEST_F(DialogTest, ExchangeRefusesBadValuesAndKeepsTheMember) {
    struct Case {
        const wchar_t* name;
        const wchar_t* count;
        bool countKept;  // the text never became a number
    } cases[] = {
        {L"ok", L"12x", true},
        {L"ok", L"", true},
        {L"ok", L"99999999999", true},  // overflows int
        {L"ok", L"5000", false},        // a number, but above the DDV range
        {L"12345678901", L"5", false},  // longer than DDV_MaxChars allows
    };
    for (const Case& c : cases) {
        dlg.m_count = 42;
        dlg.SetDlgItemText(IDC_NAME, c.name);
        dlg.SetDlgItemText(IDC_COUNT, c.count);
        EXPECT_FALSE(dlg.UpdateData(TRUE)) << c.name << " / " << c.count;
        if (c.countKept) {
            EXPECT_EQ(dlg.m_count, 42) << c.count;
        }
    }
}

TEST_F(DialogTest, ButtonCommandGoesToOwnTableThenOwnerThenApplication) {
    Click(IDC_OWN);
    EXPECT_EQ(dlg.own, std::vector<UINT>{IDC_OWN});
    EXPECT_TRUE(owner.commands.empty());  // taken by the dialog's own table

    Click(IDC_FOR_OWNER);
    EXPECT_EQ(owner.commands, std::vector<UINT>{IDC_FOR_OWNER});
    EXPECT_TRUE(TestApp().commands.empty());

    Click(IDC_FOR_APP);
    EXPECT_EQ(TestApp().commands, std::vector<UINT>{IDC_FOR_APP});

    Click(IDC_NOBODY);  // nobody handles it: nothing happens
    EXPECT_EQ(dlg.own.size(), 1u);
    EXPECT_EQ(owner.commands.size(), 1u);
    EXPECT_EQ(TestApp().commands.size(), 1u);
}

TEST_F(DialogTest, CommandRangeReceivesTheId) {
    Click(IDC_RANGE_LAST);
    Click(IDC_RANGE_FIRST);
    Click(1011);
    EXPECT_EQ(dlg.range, (std::vector<UINT>{IDC_RANGE_LAST, IDC_RANGE_FIRST, 1011}));
}

TEST_F(DialogTest, OwnerDrawIsReflectedToTheControlObject) {
    dlg.ShowWindow(SW_SHOWNOACTIVATE);
    dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_GE(dlg.m_drawn.drawn, 1);
    EXPECT_EQ(dlg.m_drawn.lastId, (UINT)IDC_DRAWN);

    // The same through a message sent to the parent directly.
    int before = dlg.m_drawn.drawn;
    HDC dc = ::GetDC(dlg.m_drawn.m_hWnd);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = IDC_DRAWN;
    dis.hwndItem = dlg.m_drawn.m_hWnd;
    dis.hDC = dc;
    EXPECT_EQ(dlg.SendMessage(WM_DRAWITEM, IDC_DRAWN, (LPARAM)&dis), TRUE);
    ::ReleaseDC(dlg.m_drawn.m_hWnd, dc);
    EXPECT_EQ(dlg.m_drawn.drawn, before + 1);
    EXPECT_EQ(dlg.parentDrawItems, 0);  // the control took it first

    // An owner-drawn item without an object of its own stays with the parent.
    dis.hwndItem = ::GetDlgItem(dlg.m_hWnd, IDC_OWN);
    dlg.SendMessage(WM_DRAWITEM, IDC_OWN, (LPARAM)&dis);
    EXPECT_EQ(dlg.parentDrawItems, 1);
}

class CModalDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    explicit CModalDlg(CWnd* parent) : CDialog(IDD_MODAL, parent) {}
    std::vector<WPARAM> keys;
    bool ownerDisabledInLoop = false;
    CString textAtCancel;
    bool endAtInit = false;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (endAtInit) {
            EndDialog(IDRETRY);
            return TRUE;
        }
        // Typed keys arrive through the queue, as from the keyboard.
        HWND edit = ::GetDlgItem(m_hWnd, IDC_EDIT);
        ::PostMessageW(edit, WM_KEYDOWN, 'Q', 0);
        ::PostMessageW(edit, WM_CHAR, 'q', 0);
        ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
        SetTimer(99, 5000);  // never hang the test run
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN) {
            keys.push_back(msg->wParam);
            ownerDisabledInLoop = !::IsWindowEnabled(::GetWindow(m_hWnd, GW_OWNER));
        }
        return CDialog::PreTranslateMessage(msg);
    }
    void OnCancel() override {
        textAtCancel = GetDlgItemText(IDC_EDIT);
        CDialog::OnCancel();
    }

protected:
    void OnTimer(UINT_PTR) { EndDialog(-2); }
};

BEGIN_MESSAGE_MAP(CModalDlg, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ModalDialog, PreTranslateMessageSeesKeysAndEscEndsTheDialog) {
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, L"Owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
    CModalDlg dlg(&owner);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.keys, (std::vector<WPARAM>{'Q', VK_ESCAPE}));
    EXPECT_TRUE(dlg.ownerDisabledInLoop);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dlg.textAtCancel, L"q");
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    owner.DestroyWindow();
}

// A modal dialog that throws at one point of its life and is then ended by a
// message queued behind the failing one.
class CThrowingModalDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum Where { InInitDialog, InHandler, InPreTranslate };
    CThrowingModalDlg(Where where, CWnd* owner) : CDialog(IDD_MODAL, owner), m_where(where) {}
    int thrown = 0;
    static constexpr UINT kThrowMessage = WM_USER + 6;
    static constexpr UINT kEndMessage = WM_USER + 7;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTimer(99, 5000);  // never hang the test run
        PostMessage(kThrowMessage);
        PostMessage(kEndMessage);
        if (m_where == InInitDialog) Throw();
        return TRUE;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == kThrowMessage && m_where == InPreTranslate) Throw();
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    void Throw() {
        ++thrown;
        throw std::runtime_error("a dialog handler failed");
    }
    LRESULT OnThrowMessage(WPARAM, LPARAM) {
        if (m_where == InHandler) Throw();
        return 0;
    }
    LRESULT OnEndMessage(WPARAM, LPARAM) {
        EndDialog(IDOK);
        return 0;
    }
    void OnTimer(UINT_PTR) { EndDialog(-2); }

private:
    Where m_where;
};

BEGIN_MESSAGE_MAP(CThrowingModalDlg, CDialog)
    ON_MESSAGE(CThrowingModalDlg::kThrowMessage, OnThrowMessage)
    ON_MESSAGE(CThrowingModalDlg::kEndMessage, OnEndMessage)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(ModalDialog, AnExceptionInsideTheDialogStopsThereAndTheLoopGoesOn) {
    const std::pair<CThrowingModalDlg::Where, const char*> cases[] = {
        {CThrowingModalDlg::InInitDialog, "in OnInitDialog"},
        {CThrowingModalDlg::InHandler, "in a message handler"},
        {CThrowingModalDlg::InPreTranslate, "before dispatch"},
    };
    for (const auto& c : cases) {
        COwnerWnd owner;
        ASSERT_TRUE(owner.CreateEx(0, nullptr, L"Owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
        CThrowingModalDlg dlg(c.first, &owner);
        INT_PTR result = 0;
        EXPECT_NO_THROW(result = dlg.DoModal()) << c.second;
        EXPECT_EQ(result, IDOK) << c.second;
        EXPECT_EQ(dlg.thrown, 1) << c.second;
        EXPECT_TRUE(owner.IsWindowEnabled()) << c.second;
        owner.DestroyWindow();
    }
}

class CModelessDlg : public CDialog {
public:
    CModelessDlg() : CDialog(IDD_MODAL) {}
    std::vector<WPARAM> keys;
    int cancels = 0;
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN) keys.push_back(msg->wParam);
        return CDialog::PreTranslateMessage(msg);
    }
    void OnCancel() override { ++cancels; }  // a modeless dialog stays
};

TEST(ModelessDialog, TheApplicationLoopGivesItsKeysToTheDialog) {
    CModelessDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_MODAL));
    HWND edit = ::GetDlgItem(dlg.m_hWnd, IDC_EDIT);
    ::PostMessageW(edit, WM_KEYDOWN, 'Z', 0);
    ::PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0);
    ::PostQuitMessage(7);
    EXPECT_EQ(TestApp().Run(), 7);  // the loop ends with the quit's code
    EXPECT_EQ(dlg.keys, (std::vector<WPARAM>{'Z', VK_ESCAPE}));
    EXPECT_EQ(dlg.cancels, 1);
    EXPECT_TRUE(dlg.IsWindow());
    dlg.DestroyWindow();
}

TEST(ModalDialog, EndDialogDuringInitReturnsAtOnce) {
    CModalDlg dlg(nullptr);
    dlg.endAtInit = true;
    EXPECT_EQ(dlg.DoModal(), IDRETRY);
    EXPECT_TRUE(dlg.keys.empty());
}

TEST(ModalDialog, MissingTemplateFails) {
    CDialog dlg(4321u);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create(4321u));
}

}  // namespace
