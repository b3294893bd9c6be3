#include "net/AdapterEntry.h"

#include "fw/Convert.h"

#include <string.h>

namespace {
const AdapterInfoApi kSystemApi = {::GetAdaptersInfo, ::GetPerAdapterInfo};
const AdapterInfoApi* g_api = &kSystemApi;

// Adapter texts are fixed arrays that need not end in a zero: never read
// past the array.
template <size_t N>
CString Text(const char (&chars)[N]) {
    return MultiByteToString(chars, (int)strnlen(chars, N), CP_THREAD_ACP);
}

// Buffers for the two calls come from the process heap, zeroed, and go back
// whatever happens.
struct HeapBuffer {
    explicit HeapBuffer(ULONG size) : data(size ? ::HeapAlloc(::GetProcessHeap(), HEAP_ZERO_MEMORY, size) : nullptr) {}
    ~HeapBuffer() {
        if (data) ::HeapFree(::GetProcessHeap(), 0, data);
    }
    HeapBuffer(const HeapBuffer&) = delete;
    HeapBuffer& operator=(const HeapBuffer&) = delete;
    void* data;
};

// A chain that loops back on itself is walked once at most this far.
const int kMaxChain = 4096;
}  // namespace

void SetAdapterInfoApi(const AdapterInfoApi* api) { g_api = api ? api : &kSystemApi; }

CAdapterEntry::CAdapterEntry() = default;
CAdapterEntry::~CAdapterEntry() = default;

int CAdapterEntry::FillFromAdapterInfo(const IP_ADAPTER_INFO& info) {
    m_strName = Text(info.AdapterName);
    m_strDescription = Text(info.Description);
    m_strPrimaryWins = Text(info.PrimaryWinsServer.IpAddress.String);
    m_strSecondaryWins = Text(info.SecondaryWinsServer.IpAddress.String);
    m_nIndex = (int)info.Index;
    m_nType = (int)info.Type;
    m_nDhcpEnabled = (int)info.DhcpEnabled;
    m_nHaveWins = info.HaveWins ? 1 : 0;
    m_strDhcpServer = Text(info.DhcpServer.IpAddress.String);
    if (info.CurrentIpAddress) {
        m_strCurrentAddress = Text(info.CurrentIpAddress->IpAddress.String);
        m_strCurrentMask = Text(info.CurrentIpAddress->IpMask.String);
    } else {
        m_strCurrentAddress = m_strCurrentMask = L"0.0.0.0";
    }
    m_addresses.clear();
    int steps = 0;
    for (const IP_ADDR_STRING* a = &info.IpAddressList; a && steps < kMaxChain; a = a->Next, ++steps)
        m_addresses.emplace_back(Text(a->IpAddress.String), Text(a->IpMask.String));
    m_gateways.clear();
    steps = 0;
    for (const IP_ADDR_STRING* g = &info.GatewayList; g && steps < kMaxChain; g = g->Next, ++steps)
        m_gateways.push_back(Text(g->IpAddress.String));
    m_leaseObtained = (__int64)info.LeaseObtained;
    m_leaseExpires = (__int64)info.LeaseExpires;

    m_dnsServers.clear();
    ULONG size = 0;
    if (g_api->getPerAdapterInfo(info.Index, nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) return 0;
    HeapBuffer buffer(size);
    if (!buffer.data) return 0;
    PIP_PER_ADAPTER_INFO perAdapter = (PIP_PER_ADAPTER_INFO)buffer.data;
    if (g_api->getPerAdapterInfo(info.Index, perAdapter, &size) != ERROR_SUCCESS) return 0;
    steps = 0;
    for (const IP_ADDR_STRING* d = &perAdapter->DnsServerList; d && steps < kMaxChain; d = d->Next, ++steps)
        m_dnsServers.push_back(Text(d->IpAddress.String));
    return 1;
}

CString CAdapterEntry::GetIpAddress(int index) const {
    if (index < 0 || index >= (int)m_addresses.size()) return CString();
    return m_addresses[index].first;
}

DWORD EnumNetworkAdapters(CAdapterEntry* entries, int capacity, int& needed) {
    needed = 0;
    ULONG size = 0;
    if (g_api->getAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW || size == 0) return 0;
    HeapBuffer buffer(size);
    if (!buffer.data) return 0;
    PIP_ADAPTER_INFO first = (PIP_ADAPTER_INFO)buffer.data;
    if (g_api->getAdaptersInfo(first, &size) != ERROR_SUCCESS) return 0;
    int count = 0;
    for (const IP_ADAPTER_INFO* a = first; a && count < kMaxChain; a = a->Next) ++count;
    needed = count;
    if (capacity < count || (count > 0 && !entries)) return ERROR_INSUFFICIENT_BUFFER;
    int i = 0;
    for (const IP_ADAPTER_INFO* a = first; a && i < count; a = a->Next) entries[i++].FillFromAdapterInfo(*a);
    return 0;
}

CString ChooseComputerAddress(const std::vector<CAdapterEntry>& entries) {
    for (const CAdapterEntry& entry : entries) {
        CString address = entry.GetIpAddress(0);
        if (address.GetLength() > 6 && address != L"0.0.0.0" && address != L"127.0.0.1") return address;
    }
    return CString();
}

CString FindComputerAddress() {
    int needed = 0;
    EnumNetworkAdapters(nullptr, 0, needed);
    if (needed <= 0) return CString();
    std::vector<CAdapterEntry> entries((size_t)needed);
    int filled = 0;
    if (EnumNetworkAdapters(entries.data(), needed, filled) != 0) return CString();
    entries.resize((size_t)filled);
    return ChooseComputerAddress(entries);
}
