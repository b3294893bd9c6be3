// CPwdInfo: one login of the password vault. Seven strings the user sees,
// four spare strings and four spare numbers that travel with the record so
// that a file written by any version reads back whole.
#pragma once

#include "fw/Afx.h"

class CArchive;

class CPwdInfo {
public:
    CPwdInfo() = default;
    CPwdInfo(const CPwdInfo&) = default;
    CPwdInfo& operator=(const CPwdInfo&) = default;
    virtual ~CPwdInfo() = default;

    // Stores or loads the fifteen fields in order; false when the archive
    // failed (a short read, a damaged length, a failed write).
    bool Serialize(CArchive& ar);

    bool operator==(const CPwdInfo& o) const;
    bool operator!=(const CPwdInfo& o) const { return !(*this == o); }

    CString m_szTitle;
    CString m_szID;
    CString m_szPassword;
    CString m_szURL;
    CString m_szEmail;
    CString m_szPhone;
    CString m_szMemo;
    CString m_szReserved[4];
    INT32 m_nReserved[4] = {0, 0, 0, 0};
};
