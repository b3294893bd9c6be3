// The remembered computers a note can be sent to, kept in friendlist.xml in
// the program folder: "<FriendList>", one "Friend" line per computer after
// two blanks, "</FriendList>" without a line end. The password is kept as
// typed; the file never leaves the computer.
#pragma once

#include "fw/Afx.h"

#include <string>
#include <vector>

class CFriendInfo {
public:
    CString IP;
    CString Port;
    CString Password;
    CString Title;

    CFriendInfo() = default;
    CFriendInfo(const CString& ip, const CString& port, const CString& password, const CString& title)
        : IP(ip), Port(port), Password(password), Title(title) {}

    void Assign(const CFriendInfo& other) { *this = other; }

    // The friend's line in the ANSI code page, with "&", "<", ">" and '"'
    // escaped so that any value reads back as it was, ending in CR LF.
    std::string WriteLine() const;

    // Reads every "Friend" element of a "FriendList" document; a missing
    // attribute leaves its field empty. False, with no friend, for text that
    // is not such a document.
    static bool ReadXml(const char* text, size_t size, std::vector<CFriendInfo>& friends);
};

// The whole file's bytes for the friends, in order.
std::string WriteFriendList(const std::vector<CFriendInfo>& friends);

// The port a typed port field stands for: its number, 5330 when it holds no
// number (or 0).
int FriendPortNumber(const CString& field);

// After a delivery: the friend with exactly that IP takes the port and
// password, a new one is appended with the IP as its title. Returns the
// friend's index; changed is false when nothing needs saving.
int RememberFriend(std::vector<CFriendInfo>& friends, const CString& ip, const CString& port,
                   const CString& password, bool& changed);

// How a computer found on the network is shown: a name without any lower-case
// letter a-z is capitalised ("OFFICEPC" shows as "Officepc").
CString NetItemDisplayName(const CString& name);
