#include "tools/PwdInfo.h"

#include "fw/Archive.h"

bool CPwdInfo::Serialize(CArchive& ar) {
    CString* strings[] = {&m_szTitle, &m_szID,     &m_szPassword,    &m_szURL,         &m_szEmail,       &m_szPhone,
                          &m_szMemo,  &m_szReserved[0], &m_szReserved[1], &m_szReserved[2], &m_szReserved[3]};
    try {
        if (ar.IsStoring()) {
            for (CString* s : strings) ar << *s;
            for (INT32 n : m_nReserved) ar << (int)n;
        } else {
            // Read into a scratch record, so a record cut short leaves this
            // one as it was.
            CPwdInfo read;
            CString* into[] = {&read.m_szTitle, &read.m_szID, &read.m_szPassword, &read.m_szURL,
                               &read.m_szEmail, &read.m_szPhone, &read.m_szMemo, &read.m_szReserved[0],
                               &read.m_szReserved[1], &read.m_szReserved[2], &read.m_szReserved[3]};
            for (CString* s : into) ar >> *s;
            for (INT32& n : read.m_nReserved) {
                int v = 0;
                ar >> v;
                n = v;
            }
            *this = read;
        }
    } catch (const CException&) {
        return false;
    }
    return true;
}

bool CPwdInfo::operator==(const CPwdInfo& o) const {
    if (m_szTitle != o.m_szTitle || m_szID != o.m_szID || m_szPassword != o.m_szPassword || m_szURL != o.m_szURL ||
        m_szEmail != o.m_szEmail || m_szPhone != o.m_szPhone || m_szMemo != o.m_szMemo)
        return false;
    for (int i = 0; i < 4; ++i)
        if (m_szReserved[i] != o.m_szReserved[i] || m_nReserved[i] != o.m_nReserved[i]) return false;
    return true;
}
