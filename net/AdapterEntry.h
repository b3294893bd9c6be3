// CAdapterEntry: one network adapter of this computer with its addresses,
// read from the system's adapter list, and EnumNetworkAdapters, which lists
// them all. The file-share page shows the address other computers type in.
#pragma once

#include "fw/Afx.h"

#include <iphlpapi.h>

#include <utility>
#include <vector>

class CAdapterEntry {
public:
    CAdapterEntry();
    ~CAdapterEntry();

    // Copies one adapter of the system's list; 1 when its DNS servers could
    // be read too, else 0 (the rest is filled in any case).
    int FillFromAdapterInfo(const IP_ADAPTER_INFO& info);
    // The address of the index-th address pair, "" when there is none.
    CString GetIpAddress(int index) const;
    int IsDhcpEnabled() const { return m_nDhcpEnabled; }

    CString m_strName;
    CString m_strDescription;
    CString m_strPrimaryWins;
    CString m_strSecondaryWins;
    int m_nIndex = 0;
    int m_nType = 0;
    int m_nDhcpEnabled = 0;
    int m_nHaveWins = 0;
    std::vector<CString> m_dnsServers;
    CString m_strDhcpServer;
    CString m_strCurrentAddress;
    CString m_strCurrentMask;
    std::vector<std::pair<CString, CString>> m_addresses;  // address, mask
    std::vector<CString> m_gateways;
    __int64 m_leaseObtained = 0;
    __int64 m_leaseExpires = 0;
};

// Fills entries[0..capacity) with this computer's adapters in the system's
// order and returns 0; needed is the number of adapters. A capacity that is
// too small fills nothing and returns ERROR_INSUFFICIENT_BUFFER (122): ask
// with capacity 0 first to learn the count.
DWORD EnumNetworkAdapters(CAdapterEntry* entries, int capacity, int& needed);

// The address other computers reach this one at: the first address of the
// first adapter whose first address is a real one (longer than six
// characters, neither "0.0.0.0" nor "127.0.0.1"); "" when none is.
CString ChooseComputerAddress(const std::vector<CAdapterEntry>& entries);
// The same over the system's adapters.
CString FindComputerAddress();

// The two system calls the adapter list is read with; tests hand in their
// own chains. Null puts the system's back.
struct AdapterInfoApi {
    DWORD(WINAPI* getAdaptersInfo)(PIP_ADAPTER_INFO buffer, PULONG size);
    DWORD(WINAPI* getPerAdapterInfo)(ULONG index, PIP_PER_ADAPTER_INFO buffer, PULONG size);
};
void SetAdapterInfoApi(const AdapterInfoApi* api);
