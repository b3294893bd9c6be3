// CSendDataDlg: sending a note to another computer. The user types an
// address (or picks a remembered friend, or a computer found by browsing
// the network), the receiver's port and share password and a message; the
// note goes as an upload to that computer's server. Two workers run beside
// the window: one browses the network, one delivers. Each holds a reference
// on the dialog and reports back only by posted messages, so closing the
// window while they run never frees the dialog under them.
#pragma once

#include "fw/AfxWin.h"
#include "net/FriendInfo.h"
#include "net/MemoDelivery.h"
#include "ui/FontStatic.h"
#include "ui/IconListBox.h"

#include <winnetwk.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

class CMemoDlg;

class CSendDataDlg : public CDialog {
    DECLARE_MESSAGE_MAP()
public:
    enum {
        IDD = 209, IDC_NET_TREE = 1104, IDC_HOST_GROUP = 1451, IDC_IP_LABEL = 1452, IDC_IP = 1423,
        IDC_PORT_LABEL = 1429, IDC_PORT = 1444, IDC_PASSWORD_LABEL = 1430, IDC_PASSWORD = 1424,
        IDC_MESSAGE_GROUP = 1443, IDC_MESSAGE = 1072, IDC_STATUS = 1450, IDC_FRIENDS = 1401, IDC_TITLE = 1458,
        IDC_UPDATE = 1456, IDC_DELETE = 1457
    };
    enum { TIMER_SENT = 1, TIMER_CLOSE_WHILE_BUSY = 2, TIMER_HIDE_STATUS = 3 };

    // Fields from the remembered friend settings; the message starts as the
    // note's title. The count of references starts at 1.
    explicit CSendDataDlg(CMemoDlg* memo);

    // Makes and shows the window; on failure the caller deletes the object.
    BOOL CreateModeless(CWnd* parent);
    void AddRef() { ++m_refs; }
    // The last reference destroys the window and deletes the dialog; only
    // on the dialog's thread.
    void Release();
    int GetRefCount() const { return m_refs; }

    void LoadFriends();
    void SaveFriends();
    void FillFriendList();
    void DeleteFriend(const CString& ip);
    void RememberFriend(const CString& ip, const CString& port, const CString& password);
    void UpdateFriend(const CString& ip, const CString& port, const CString& password, const CString& title);
    const std::vector<CFriendInfo>& Friends() const { return m_friends; }

    static void EnumNetworkWorker(CSendDataDlg* dialog);
    static void SendMemoWorker(CSendDataDlg* dialog);

    // Test hooks: the friend file, the client's time-out, and whether the
    // network is browsed at all.
    CString m_friendListPath;
    int m_timeoutMs = 30000;
    static bool s_browseNetwork;

    bool IsBusy() const { return m_busy; }
    CString GetStatusText() const { return m_statusText; }
    COLORREF GetStatusColor() const { return m_status.m_crText; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTimer(UINT_PTR id);
    void OnDestroy();
    void OnFriendSelected();
    void OnUpdateFriend();
    void OnDeleteFriend();
    void OnTreeExpanding(NMHDR* header, LRESULT* result);
    void OnTreeSelChanged(NMHDR* header, LRESULT* result);
    LRESULT OnNetworkFound(WPARAM, LPARAM);
    LRESULT OnDelivered(WPARAM, LPARAM);

    // The note's file and the name it travels under; false when the note
    // window has gone. Tests give their own note.
    virtual bool DescribeNote(MemoDelivery& delivery);
    void StartNetWorker();
    void OnSendDone();
    void ShowFailure(const CString& text);
    void ShowStatus(const CString& text, COLORREF colour, int height, UINT flags);
    void EnableCommands(BOOL enable);
    void ReadFields();
    void ShowFriend(int index);
    int SelectedFriend() const;

    // One entry of the network, found by a worker or on expansion.
    struct NetItem {
        NETRESOURCEW resource = {};
        std::wstring local, remote, comment, provider;
    };
    struct NetEntry {
        CString name;
        bool share = false;
        bool hasChildren = false;
        std::unique_ptr<NetItem> item;
    };
    static std::unique_ptr<NetItem> CopyResource(const NETRESOURCEW& resource);
    static bool HasNetChildren(const NETRESOURCEW& resource);
    // Reads one enumeration; only the root is kept at the top level.
    static void ReadEnumeration(HANDLE enumeration, bool topLevel, std::vector<NetEntry>& out);
    void InsertNetEntries(std::vector<NetEntry>& entries, HTREEITEM parent);
    NetItem* ItemOf(HTREEITEM item) const;

    CMemoDlg* m_memo;
    std::atomic<int> m_refs{1};
    bool m_busy = false;
    CString m_ip, m_port, m_password, m_message, m_title;
    std::vector<CFriendInfo> m_friends;
    CFontStatic m_status;
    CString m_statusText;
    CIconListBox m_friendList;
    CTreeCtrl m_tree;
    CImageList m_images;
    CFont m_boldFont;
    std::vector<std::unique_ptr<NetItem>> m_netItems;  // owned by the tree's items (lParam = index + 1)

    // Handed from the workers under the lock; read after their messages.
    std::mutex m_lock;
    std::vector<NetEntry> m_found;
    MemoDelivery m_delivery;
    int m_deliveryCode = 0;
    CStringA m_deliveryFailure;
};
