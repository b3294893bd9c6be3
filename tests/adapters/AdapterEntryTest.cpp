// The adapter list over hand-built adapter chains: what an entry copies,
// how the list answers a short capacity, and which address the file-share
// page shows.
#include "net/AdapterEntry.h"

#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct FakeAdapter {
    const char* name;
    std::vector<std::pair<const char*, const char*>> addresses;  // address, mask
    bool current = true;
    std::vector<const char*> dns;
};

// The chain the fake system hands out, and whether its calls fail.
std::vector<FakeAdapter> g_adapters;
bool g_secondCallFails = false;
std::vector<IP_ADDR_STRING> g_addressPool;

void SetAddress(IP_ADDR_STRING& target, const char* address, const char* mask) {
    memset(&target, 0, sizeof target);
    memcpy(target.IpAddress.String, address, std::min(strlen(address), sizeof target.IpAddress.String));
    memcpy(target.IpMask.String, mask, std::min(strlen(mask), sizeof target.IpMask.String));
}

DWORD WINAPI FakeGetAdaptersInfo(PIP_ADAPTER_INFO buffer, PULONG size) {
    ULONG need = (ULONG)(g_adapters.size() * sizeof(IP_ADAPTER_INFO));
    if (g_adapters.empty()) return ERROR_NO_DATA;
    if (!buffer || *size < need) {
        *size = need;
        return ERROR_BUFFER_OVERFLOW;
    }
    if (g_secondCallFails) return ERROR_NO_DATA;
    g_addressPool.clear();
    g_addressPool.reserve(64);
    for (size_t i = 0; i < g_adapters.size(); ++i) {
        const FakeAdapter& fake = g_adapters[i];
        IP_ADAPTER_INFO& info = buffer[i];
        memset(&info, 0, sizeof info);
        info.Next = i + 1 < g_adapters.size() ? &buffer[i + 1] : nullptr;
        // The name fills its whole array with no zero at the end.
        memset(info.AdapterName, 'N', sizeof info.AdapterName);
        memcpy(info.AdapterName, fake.name, strlen(fake.name));
        strcpy(info.Description, "Fake Ethernet");
        info.Index = (DWORD)(10 + i);
        info.Type = MIB_IF_TYPE_ETHERNET;
        info.DhcpEnabled = 1;
        IP_ADDR_STRING* last = nullptr;
        for (size_t a = 0; a < fake.addresses.size(); ++a) {
            IP_ADDR_STRING* slot = a == 0 ? &info.IpAddressList : (g_addressPool.emplace_back(), &g_addressPool.back());
            SetAddress(*slot, fake.addresses[a].first, fake.addresses[a].second);
            if (last) last->Next = slot;
            last = slot;
        }
        SetAddress(info.GatewayList, "192.168.1.1", "");
        info.CurrentIpAddress = fake.current ? &info.IpAddressList : nullptr;
    }
    return ERROR_SUCCESS;
}

DWORD WINAPI FakeGetPerAdapterInfo(ULONG index, PIP_PER_ADAPTER_INFO buffer, PULONG size) {
    size_t i = index - 10;
    if (i >= g_adapters.size() || g_adapters[i].dns.empty()) return ERROR_NOT_SUPPORTED;
    const std::vector<const char*>& dns = g_adapters[i].dns;
    ULONG need = (ULONG)(sizeof(IP_PER_ADAPTER_INFO) + dns.size() * sizeof(IP_ADDR_STRING));
    if (!buffer || *size < need) {
        *size = need;
        return ERROR_BUFFER_OVERFLOW;
    }
    IP_ADDR_STRING* extra = (IP_ADDR_STRING*)(buffer + 1);
    IP_ADDR_STRING* last = nullptr;
    for (size_t d = 0; d < dns.size(); ++d) {
        IP_ADDR_STRING* slot = d == 0 ? &buffer->DnsServerList : &extra[d - 1];
        SetAddress(*slot, dns[d], "");
        if (last) last->Next = slot;
        last = slot;
    }
    return ERROR_SUCCESS;
}

const AdapterInfoApi kFakeApi = {FakeGetAdaptersInfo, FakeGetPerAdapterInfo};

class AdapterTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_adapters.clear();
        g_secondCallFails = false;
        SetAdapterInfoApi(&kFakeApi);
    }
    void TearDown() override { SetAdapterInfoApi(nullptr); }
};

}  // namespace

TEST_F(AdapterTest, ShortCapacityTellsTheCountAndFillsNothing) {
    g_adapters = {{"A", {{"10.0.0.5", "255.0.0.0"}}}, {"B", {{"192.168.1.20", "255.255.255.0"}}}};
    CAdapterEntry entries[2];
    int needed = -1;
    EXPECT_EQ(EnumNetworkAdapters(nullptr, 0, needed), (DWORD)ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(needed, 2);
    EXPECT_EQ(EnumNetworkAdapters(entries, 1, needed), (DWORD)ERROR_INSUFFICIENT_BUFFER);
    EXPECT_TRUE(entries[0].m_strName.IsEmpty());

    EXPECT_EQ(EnumNetworkAdapters(entries, 2, needed), 0u);
    EXPECT_EQ(entries[0].m_strName, CString(L"A") + CString(L'N', MAX_ADAPTER_NAME_LENGTH + 3));
    EXPECT_EQ(entries[1].GetIpAddress(0), CString(L"192.168.1.20"));
    EXPECT_EQ(entries[1].m_nIndex, 11);

    // No adapter, or a second call that fails: nothing, and no error.
    g_secondCallFails = true;
    EXPECT_EQ(EnumNetworkAdapters(entries, 2, needed), 0u);
    EXPECT_EQ(needed, 0);
    g_adapters.clear();
    EXPECT_EQ(EnumNetworkAdapters(entries, 2, needed), 0u);
    EXPECT_EQ(needed, 0);
}

TEST_F(AdapterTest, EntryCopiesAddressesGatewaysAndDnsInOrder) {
    g_adapters = {{"A", {{"10.0.0.5", "255.0.0.0"}, {"10.0.0.6", "255.255.0.0"}}, true, {"8.8.8.8", "1.1.1.1"}},
                  {"B", {{"0.0.0.0", "0.0.0.0"}}, false, {}}};
    CAdapterEntry entries[2];
    int needed = 0;
    ASSERT_EQ(EnumNetworkAdapters(entries, 2, needed), 0u);
    const CAdapterEntry& a = entries[0];
    ASSERT_EQ(a.m_addresses.size(), 2u);
    EXPECT_EQ(a.m_addresses[1].second, CString(L"255.255.0.0"));
    EXPECT_EQ(a.GetIpAddress(1), CString(L"10.0.0.6"));
    EXPECT_EQ(a.GetIpAddress(2), CString());
    EXPECT_EQ(a.GetIpAddress(-1), CString());
    EXPECT_EQ(a.m_strCurrentAddress, CString(L"10.0.0.5"));
    ASSERT_EQ(a.m_dnsServers.size(), 2u);
    EXPECT_EQ(a.m_dnsServers[0], CString(L"8.8.8.8"));
    EXPECT_EQ(a.m_dnsServers[1], CString(L"1.1.1.1"));
    EXPECT_EQ(a.m_gateways, std::vector<CString>{CString(L"192.168.1.1")});
    EXPECT_EQ(a.IsDhcpEnabled(), 1);
    EXPECT_EQ(a.m_strDescription, CString(L"Fake Ethernet"));

    // Without a current address both fields say "0.0.0.0"; without DNS
    // servers the entry says so and is filled all the same.
    const CAdapterEntry& b = entries[1];
    EXPECT_EQ(b.m_strCurrentAddress, CString(L"0.0.0.0"));
    EXPECT_EQ(b.m_strCurrentMask, CString(L"0.0.0.0"));
    EXPECT_EQ(b.GetIpAddress(0), CString(L"0.0.0.0"));
    CAdapterEntry again;
    IP_ADAPTER_INFO info = {};
    info.Index = 11;
    EXPECT_EQ(again.FillFromAdapterInfo(info), 0);
}

TEST_F(AdapterTest, ComputerAddressIsTheFirstRealOne) {
    struct Case {
        std::vector<FakeAdapter> adapters;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {{{"lo", {{"127.0.0.1", "255.0.0.0"}}}}, L""},
        {{{"lo", {{"127.0.0.1", "255.0.0.0"}}}, {"off", {{"0.0.0.0", "0.0.0.0"}}}, {"e", {{"10.1.2.3", "255.0.0.0"}}}},
         L"10.1.2.3"},
        // Too short to be an address; only the first address of an adapter counts.
        {{{"x", {{"1.2.3", ""}}}, {"y", {{"0.0.0.0", ""}, {"10.9.9.9", ""}}}}, L""},
        {{{"a", {{"192.168.0.7", ""}}}, {"b", {{"10.0.0.1", ""}}}}, L"192.168.0.7"},
        {{}, L""},
    };
    for (const Case& c : cases) {
        g_adapters = c.adapters;
        EXPECT_EQ(FindComputerAddress(), CString(c.shown)) << c.adapters.size() << " adapters";
    }
}
