// Winsock comes first: its header must precede windows.h.
#include <winsock2.h>

#include "notes/SendDataDlg.h"

#include "fw/Convert.h"
#include "net/MemoTransferName.h"
#include "notes/MemoDlg.h"
#include "res/images.h"
#include "shell/LanguageTable.h"
#include "shell/ProgramFolder.h"
#include "shell/SafeFileWriter.h"
#include "shell/Seams.h"
#include "shell/Settings.h"
#include "ui/ZDialogList.h"

#include <thread>

namespace {
// Private messages of the dialog: the workers' reports.
const UINT WM_NETWORK_FOUND = WM_APP + 1;
const UINT WM_DELIVERED = WM_APP + 2;

const int kTextTitle = 24020, kTextHostGroup = 24022, kTextIp = 24023, kTextPort = 24003,
          kTextPassword = 24004, kTextMessageGroup = 24024, kTextTransfer = 24025, kTextInProcess = 24026,
          kTextComplete = 24027, kTextNoPassword = 24032, kTextNoIp = 24033, kTextAskDelete = 25023;
const COLORREF kBlue = 0xFF0000, kRed = 0x0000FF;
const DWORD kBoldCentred = 0x21;
const int kImageComputer = 0, kImageShare = 1, kImageNetwork = 3;
const size_t kMostNetEntries = 4096;
const size_t kMostFriendBytes = 1u << 20;

// The width the text takes in the face at that height, bold.
int TextWidth(HWND wnd, const CString& face, int height, const CString& text) {
    HDC dc = ::GetDC(wnd);
    HFONT font = ::CreateFontW(-height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    HGDIOBJ old = ::SelectObject(dc, font);
    SIZE size = {};
    ::GetTextExtentPoint32W(dc, text, text.GetLength(), &size);
    ::SelectObject(dc, old);
    ::DeleteObject(font);
    ::ReleaseDC(wnd, dc);
    return size.cx;
}

CString StripBackslashes(CString name) {
    for (int i = 0; i < 2 && name.Left(1) == L"\\"; ++i) name = name.Mid(1);
    return name;
}
}  // namespace

bool CSendDataDlg::s_browseNetwork = true;

BEGIN_MESSAGE_MAP(CSendDataDlg, CDialog)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_LBN_SELCHANGE(IDC_FRIENDS, OnFriendSelected)
    ON_BN_CLICKED(IDC_UPDATE, OnUpdateFriend)
    ON_BN_CLICKED(IDC_DELETE, OnDeleteFriend)
    ON_NOTIFY(TVN_ITEMEXPANDINGW, IDC_NET_TREE, OnTreeExpanding)
    ON_NOTIFY(TVN_SELCHANGEDW, IDC_NET_TREE, OnTreeSelChanged)
    ON_MESSAGE(WM_NETWORK_FOUND, OnNetworkFound)
    ON_MESSAGE(WM_DELIVERED, OnDelivered)
END_MESSAGE_MAP()

CSendDataDlg::CSendDataDlg(CMemoDlg* memo) : m_memo(memo) {
    m_ip = g_Settings.General.FriendIP;
    m_port.Format(L"%d", g_Settings.General.FriendPort);
    m_password = g_Settings.General.FriendPwd;
    if (memo) m_message = memo->GetInfo().m_strTitle;
    m_friendListPath = g_ProgramFolder + L"friendlist.xml";
}

BOOL CSendDataDlg::CreateModeless(CWnd* parent) {
    if (!Create(IDD, parent)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CSendDataDlg::Release() {
    if (--m_refs > 0) return;
    if (m_hWnd) DestroyWindow();
    delete this;
}

// ---- Opening -----------------------------------------------------------------------

BOOL CSendDataDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(g_LanguageTable[kTextTitle]);
    const struct {
        int id, text;
    } texts[] = {{IDC_HOST_GROUP, kTextHostGroup}, {IDC_IP_LABEL, kTextIp},        {IDC_PORT_LABEL, kTextPort},
                 {IDC_PASSWORD_LABEL, kTextPassword}, {IDC_MESSAGE_GROUP, kTextMessageGroup},
                 {IDC_UPDATE, 32},                 {IDC_DELETE, 22},              {IDOK, kTextTransfer},
                 {IDCANCEL, 31}};
    for (const auto& t : texts) SetDlgItemText(t.id, g_LanguageTable[t.text]);
    SetDlgItemText(IDC_IP, m_ip);
    SetDlgItemText(IDC_PORT, m_port);
    SetDlgItemText(IDC_PASSWORD, m_password);
    SetDlgItemText(IDC_MESSAGE, m_message);
    m_status.SubclassDlgItem(IDC_STATUS, this);
    ShowStatus(CString(), kBlue, 15, DT_SINGLELINE | DT_VCENTER);
    m_status.ShowWindow(SW_HIDE);
    m_tree.SubclassDlgItem(IDC_NET_TREE, this);
    if (m_images.Create(IDB_FRIENDS, 16, 1, RGB(255, 0, 255))) m_tree.SetImageList(&m_images, TVSIL_NORMAL);
    m_boldFont.CreateFont(16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, g_Settings.DefaultFontFace);
    GetDlgItem(IDC_PASSWORD)->SetFont(&m_boldFont);
    m_friendList.SubclassDlgItem(IDC_FRIENDS, this);
    m_friendList.SendMessage(LB_SETITEMHEIGHT, 0, 20);
    LoadFriends();
    StartNetWorker();
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    CenterWindow();
    return TRUE;
}

void CSendDataDlg::ShowStatus(const CString& text, COLORREF colour, int height, UINT flags) {
    m_statusText = text;
    m_status.SetFont(g_Settings.DefaultFontFace, height, colour, kBoldCentred);
    m_status.SetTextColor(colour);
    m_status.SetDrawFlags(flags);
    m_status.SetText(text);
    m_status.ShowWindow(SW_SHOW);
    m_status.Invalidate();
}

// ---- Friends ---------------------------------------------------------------------------

void CSendDataDlg::LoadFriends() {
    m_friends.clear();
    std::vector<BYTE> bytes;
    if (CSafeFileWriter::ReadFile(m_friendListPath, bytes, kMostFriendBytes) && !bytes.empty())
        CFriendInfo::ReadXml((const char*)bytes.data(), bytes.size(), m_friends);
    FillFriendList();
}

void CSendDataDlg::SaveFriends() {
    std::string text = WriteFriendList(m_friends);
    // A failed write keeps the old file; the list lives on in memory.
    CSafeFileWriter::WriteFile(m_friendListPath, text.data(), text.size());
}

void CSendDataDlg::FillFriendList() {
    if (!m_friendList.m_hWnd) return;
    m_friendList.ResetContent();
    for (const CFriendInfo& f : m_friends) m_friendList.AddString(f.Title);
    BOOL any = !m_friends.empty();
    for (int id : {IDC_TITLE, IDC_UPDATE, IDC_DELETE}) GetDlgItem(id)->EnableWindow(any);
    if (m_friendList.GetCurSel() < 0) SetDlgItemText(IDC_TITLE, L"");
}

int CSendDataDlg::SelectedFriend() const {
    int sel = m_friendList.m_hWnd ? m_friendList.GetCurSel() : -1;
    return sel >= 0 && sel < (int)m_friends.size() ? sel : -1;
}

void CSendDataDlg::ShowFriend(int index) {
    if (index < 0 || index >= (int)m_friends.size()) return;
    const CFriendInfo& f = m_friends[index];
    m_friendList.SetCurSel(index);
    SetDlgItemText(IDC_IP, f.IP);
    SetDlgItemText(IDC_PORT, f.Port);
    SetDlgItemText(IDC_PASSWORD, f.Password);
    SetDlgItemText(IDC_TITLE, f.Title);
}

void CSendDataDlg::OnFriendSelected() { ShowFriend(SelectedFriend()); }

void CSendDataDlg::DeleteFriend(const CString& ip) {
    for (size_t i = 0; i < m_friends.size(); ++i)
        if (m_friends[i].IP == ip) {
            m_friends.erase(m_friends.begin() + i);
            break;
        }
    FillFriendList();
    SetDlgItemText(IDC_TITLE, L"");
    SaveFriends();
}

void CSendDataDlg::UpdateFriend(const CString& ip, const CString& port, const CString& password,
                                const CString& title) {
    for (size_t i = 0; i < m_friends.size(); ++i) {
        CFriendInfo& f = m_friends[i];
        if (f.IP != ip) continue;
        f.Port = port;
        f.Password = password;
        f.Title = title;
        FillFriendList();
        ShowFriend((int)i);
        SaveFriends();
        return;
    }
}

void CSendDataDlg::RememberFriend(const CString& ip, const CString& port, const CString& password) {
    bool changed = false;
    int index = ::RememberFriend(m_friends, ip, port, password, changed);
    if (!changed) return;
    FillFriendList();
    ShowFriend(index);
    SaveFriends();
}

void CSendDataDlg::OnUpdateFriend() {
    int sel = SelectedFriend();
    if (sel < 0) return;
    UpdateFriend(m_friends[sel].IP, GetDlgItemText(IDC_PORT), GetDlgItemText(IDC_PASSWORD),
                 GetDlgItemText(IDC_TITLE));
}

void CSendDataDlg::OnDeleteFriend() {
    int sel = SelectedFriend();
    if (sel < 0) return;
    CString question = g_LanguageTable[kTextAskDelete];
    question.Replace(L"#FRIEND#", m_friends[sel].Title);
    if (GetSystemMessageBox().Show(m_hWnd, question, g_LanguageTable[1], MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    DeleteFriend(m_friends[sel].IP);
}

// ---- Sending ----------------------------------------------------------------------------

void CSendDataDlg::ReadFields() {
    m_ip = GetDlgItemText(IDC_IP);
    m_port = GetDlgItemText(IDC_PORT);
    m_password = GetDlgItemText(IDC_PASSWORD);
    m_message = GetDlgItemText(IDC_MESSAGE);
}

void CSendDataDlg::EnableCommands(BOOL enable) {
    GetDlgItem(IDOK)->EnableWindow(enable);
    GetDlgItem(IDCANCEL)->EnableWindow(enable);
}

void CSendDataDlg::OnOK() {
    if (m_busy) return;
    ReadFields();
    if (m_ip.GetLength() <= 2) {
        GetSystemMessageBox().Show(m_hWnd, g_LanguageTable[kTextNoIp], g_LanguageTable[1], MB_OK);
        GetDlgItem(IDC_IP)->SetFocus();
        return;
    }
    if (m_password.IsEmpty()) {
        GetSystemMessageBox().Show(m_hWnd, g_LanguageTable[kTextNoPassword], g_LanguageTable[1], MB_OK);
        GetDlgItem(IDC_PASSWORD)->SetFocus();
        return;
    }
    KillTimer(TIMER_HIDE_STATUS);
    m_busy = true;
    ShowStatus(g_LanguageTable[kTextInProcess], kBlue, 15, DT_SINGLELINE | DT_VCENTER);
    g_Settings.General.FriendIP = m_ip;
    g_Settings.General.FriendPwd = m_password;
    g_Settings.General.FriendPort = FriendPortNumber(m_port);
    SaveAppConfig();

    // Everything the worker needs is read here, on the window's thread: the
    // note may go while the upload runs, and the worker reads no window.
    MemoDelivery delivery;
    bool noteThere = DescribeNote(delivery);
    delivery.ip = m_ip;
    delivery.port = g_Settings.General.FriendPort;
    delivery.password = m_password;
    delivery.timeoutMs = m_timeoutMs;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_delivery = delivery;
    }
    EnableCommands(FALSE);
    if (!noteThere) {
        ShowFailure(L"Can not find Memo");
        return;
    }
    AddRef();
    std::thread(SendMemoWorker, this).detach();
}

bool CSendDataDlg::DescribeNote(MemoDelivery& delivery) {
    if (!m_memo || !IsDialogRegistered(m_memo) || !m_memo->m_hWnd) return false;
    const CMemoInfo& info = m_memo->GetInfo();
    CRect rect;
    m_memo->GetWindowRect(&rect);
    int width = m_memo->IsExpanded() ? rect.Width() : info.m_nExpandedWidth;
    int height = m_memo->IsExpanded() ? rect.Height() : info.m_nExpandedHeight;
    delivery.name = MemoTransferName(m_memo->IsLocked() != 0, rect.left, rect.top, width, height, m_message);
    delivery.localFile = g_Settings.MemoFolder + info.m_strFileName;
    return true;
}

void CSendDataDlg::SendMemoWorker(CSendDataDlg* dialog) {
    MemoDelivery delivery;
    {
        std::lock_guard<std::mutex> lock(dialog->m_lock);
        delivery = dialog->m_delivery;
    }
    CStringA failure;
    int code = DeliverMemo(delivery, failure);
    {
        std::lock_guard<std::mutex> lock(dialog->m_lock);
        dialog->m_deliveryCode = code;
        dialog->m_deliveryFailure = failure;
    }
    // The reference is the dialog's to drop; a window already gone cannot
    // take the message, and then nothing else can reach the object either.
    if (!::PostMessageW(dialog->m_hWnd, WM_DELIVERED, 0, 0) && --dialog->m_refs <= 0) delete dialog;
}

LRESULT CSendDataDlg::OnDelivered(WPARAM, LPARAM) {
    int code;
    CStringA failure;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        code = m_deliveryCode;
        failure = m_deliveryFailure;
    }
    if (code == 0)
        OnSendDone();
    else
        ShowFailure(AnsiToString(failure));
    Release();
    return 0;
}

void CSendDataDlg::OnSendDone() {
    EnableCommands(TRUE);
    m_busy = false;
    SetTimer(TIMER_SENT, 100);
}

void CSendDataDlg::ShowFailure(const CString& text) {
    m_busy = false;
    CRect client;
    m_status.GetClientRect(&client);
    const CString& face = g_Settings.DefaultFontFace;
    if (TextWidth(m_status.m_hWnd, face, 14, text) <= client.Width())
        ShowStatus(text, kRed, 14, DT_SINGLELINE | DT_VCENTER);
    else if (TextWidth(m_status.m_hWnd, face, 12, text) <= client.Width())
        ShowStatus(text, kRed, 12, DT_SINGLELINE | DT_VCENTER);
    else
        ShowStatus(text, kRed, 12, DT_WORDBREAK);
    EnableCommands(TRUE);
    SetTimer(TIMER_HIDE_STATUS, 3000);
}

void CSendDataDlg::OnTimer(UINT_PTR id) {
    switch (id) {
    case TIMER_SENT:
        KillTimer(id);
        m_busy = false;
        ShowStatus(g_LanguageTable[kTextComplete], kBlue, 15, DT_SINGLELINE | DT_VCENTER);
        SetTimer(TIMER_HIDE_STATUS, 4000);
        RememberFriend(m_ip, m_port, m_password);
        break;
    case TIMER_CLOSE_WHILE_BUSY:
        KillTimer(id);
        m_busy = false;
        break;
    case TIMER_HIDE_STATUS:
        KillTimer(id);
        m_status.ShowWindow(SW_HIDE);
        break;
    default:
        CDialog::OnTimer(id);
    }
}

// ---- Closing -----------------------------------------------------------------------------

void CSendDataDlg::OnCancel() {
    if (m_busy) {
        SetTimer(TIMER_CLOSE_WHILE_BUSY, 100);
        return;
    }
    ShowWindow(SW_HIDE);
    Release();
}

void CSendDataDlg::OnDestroy() {
    if (m_tree.m_hWnd) m_tree.DeleteAllItems();
    m_netItems.clear();
    CDialog::OnDestroy();
}

// ---- The network -------------------------------------------------------------------------

void CSendDataDlg::StartNetWorker() {
    if (!s_browseNetwork) return;
    AddRef();
    std::thread(EnumNetworkWorker, this).detach();
}

std::unique_ptr<CSendDataDlg::NetItem> CSendDataDlg::CopyResource(const NETRESOURCEW& resource) {
    auto item = std::make_unique<NetItem>();
    item->resource = resource;
    item->local = resource.lpLocalName ? resource.lpLocalName : L"";
    item->remote = resource.lpRemoteName ? resource.lpRemoteName : L"";
    item->comment = resource.lpComment ? resource.lpComment : L"";
    item->provider = resource.lpProvider ? resource.lpProvider : L"";
    item->resource.lpLocalName = item->local.empty() ? nullptr : &item->local[0];
    item->resource.lpRemoteName = item->remote.empty() ? nullptr : &item->remote[0];
    item->resource.lpComment = item->comment.empty() ? nullptr : &item->comment[0];
    item->resource.lpProvider = item->provider.empty() ? nullptr : &item->provider[0];
    return item;
}

bool CSendDataDlg::HasNetChildren(const NETRESOURCEW& resource) {
    HANDLE enumeration = nullptr;
    NETRESOURCEW copy = resource;
    if (::WNetOpenEnumW(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, &copy, &enumeration) != NO_ERROR) return false;
    std::vector<BYTE> buffer(16384);
    DWORD count = 1, size = (DWORD)buffer.size();
    bool any = ::WNetEnumResourceW(enumeration, &count, buffer.data(), &size) == NO_ERROR && count > 0;
    ::WNetCloseEnum(enumeration);
    return any;
}

void CSendDataDlg::ReadEnumeration(HANDLE enumeration, bool topLevel, std::vector<NetEntry>& out) {
    std::vector<BYTE> buffer(16384);
    DWORD count = (DWORD)-1, size = (DWORD)buffer.size();
    if (::WNetEnumResourceW(enumeration, &count, buffer.data(), &size) != NO_ERROR) return;
    const NETRESOURCEW* entries = (const NETRESOURCEW*)buffer.data();
    for (DWORD i = 0; i < count && out.size() < kMostNetEntries; ++i) {
        const NETRESOURCEW& r = entries[i];
        CString name = r.lpRemoteName && *r.lpRemoteName ? r.lpRemoteName : (r.lpComment ? r.lpComment : L"");
        name = StripBackslashes(name);
        NetEntry entry;
        if (r.dwDisplayType == RESOURCEDISPLAYTYPE_SHARE) {
            int slash = name.Find(L'\\');
            entry.name = slash >= 0 ? name.Mid(slash + 1) : name;
            entry.share = true;
            out.push_back(std::move(entry));
            continue;
        }
        if (topLevel && r.dwDisplayType != RESOURCEDISPLAYTYPE_ROOT) continue;
        entry.name = name;
        entry.item = CopyResource(r);
        entry.hasChildren = r.dwDisplayType != RESOURCEDISPLAYTYPE_SERVER && (!topLevel || HasNetChildren(r));
        out.push_back(std::move(entry));
        if (topLevel) break;
    }
}

void CSendDataDlg::EnumNetworkWorker(CSendDataDlg* dialog) {
    std::vector<NetEntry> found;
    HANDLE enumeration = nullptr;
    if (::WNetOpenEnumW(RESOURCE_CONTEXT, RESOURCETYPE_ANY, 0, nullptr, &enumeration) == NO_ERROR) {
        ReadEnumeration(enumeration, true, found);
        ::WNetCloseEnum(enumeration);
    }
    {
        std::lock_guard<std::mutex> lock(dialog->m_lock);
        dialog->m_found = std::move(found);
    }
    // Even when nothing was found the reference goes back to the dialog's
    // thread, which alone may destroy the window.
    if (!::PostMessageW(dialog->m_hWnd, WM_NETWORK_FOUND, 0, 0) && --dialog->m_refs <= 0) delete dialog;
}

void CSendDataDlg::InsertNetEntries(std::vector<NetEntry>& entries, HTREEITEM parent) {
    for (NetEntry& entry : entries) {
        int image = entry.share ? kImageShare : (entry.item && entry.item->resource.dwDisplayType ==
                                                                 RESOURCEDISPLAYTYPE_ROOT ? kImageNetwork
                                                                                          : kImageComputer);
        TVINSERTSTRUCTW insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
        CString shown = NetItemDisplayName(entry.name);
        insert.item.pszText = (LPWSTR)(LPCWSTR)shown;
        insert.item.iImage = insert.item.iSelectedImage = image;
        insert.item.cChildren = entry.hasChildren ? 1 : 0;
        if (entry.item) {
            m_netItems.push_back(std::move(entry.item));
            insert.item.lParam = (LPARAM)m_netItems.size();
        }
        m_tree.InsertItem(&insert);
    }
}

CSendDataDlg::NetItem* CSendDataDlg::ItemOf(HTREEITEM item) const {
    size_t index = item ? (size_t)m_tree.GetItemData(item) : 0;
    return index >= 1 && index <= m_netItems.size() ? m_netItems[index - 1].get() : nullptr;
}

LRESULT CSendDataDlg::OnNetworkFound(WPARAM, LPARAM) {
    std::vector<NetEntry> found;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        found = std::move(m_found);
    }
    if (m_tree.m_hWnd) InsertNetEntries(found, TVI_ROOT);
    Release();
    return 0;
}

void CSendDataDlg::OnTreeExpanding(NMHDR* header, LRESULT* result) {
    *result = 0;
    const NMTREEVIEWW* view = (const NMTREEVIEWW*)header;
    HTREEITEM item = view->itemNew.hItem;
    if (view->action != TVE_EXPAND || m_tree.GetChildItem(item)) return;
    NetItem* net = ItemOf(item);
    HCURSOR old = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    std::vector<NetEntry> children;
    if (net && net->resource.dwDisplayType != RESOURCEDISPLAYTYPE_SERVER) {
        HANDLE enumeration = nullptr;
        if (::WNetOpenEnumW(RESOURCE_GLOBALNET, RESOURCETYPE_ANY, 0, &net->resource, &enumeration) == NO_ERROR) {
            ReadEnumeration(enumeration, false, children);
            ::WNetCloseEnum(enumeration);
        }
    }
    InsertNetEntries(children, item);
    if (children.empty()) {
        TVITEMW tv = {};
        tv.mask = TVIF_CHILDREN;
        tv.hItem = item;
        tv.cChildren = 0;
        m_tree.SetItem(&tv);
    }
    m_tree.SelectItem(item);
    ::SetCursor(old);
}

void CSendDataDlg::OnTreeSelChanged(NMHDR* header, LRESULT* result) {
    *result = 0;
    NetItem* net = ItemOf(((const NMTREEVIEWW*)header)->itemNew.hItem);
    if (!net || net->resource.dwUsage != RESOURCEUSAGE_CONTAINER || net->resource.dwType != RESOURCETYPE_ANY ||
        net->remote.empty())
        return;
    CStringA host = StringToAnsi(StripBackslashes(net->remote.c_str()));
    const hostent* entry = ::gethostbyname(host);
    if (!entry || !entry->h_addr_list || !entry->h_addr_list[0]) return;
    const unsigned char* a = (const unsigned char*)entry->h_addr_list[0];
    CString ip;
    ip.Format(L"%d.%d.%d.%d", a[0], a[1], a[2], a[3]);
    SetDlgItemText(IDC_IP, ip);
}
