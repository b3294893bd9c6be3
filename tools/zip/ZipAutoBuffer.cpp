#include "tools/zip/ZipAutoBuffer.h"

#include <cstring>

CZipAutoBuffer::CZipAutoBuffer(const CZipAutoBuffer& other) { *this = other; }

CZipAutoBuffer& CZipAutoBuffer::operator=(const CZipAutoBuffer& other) {
    if (this == &other) return *this;
    Allocate(other.m_iSize);
    if (m_iSize) memcpy(m_pBuffer, other.m_pBuffer, m_iSize);
    return *this;
}

char* CZipAutoBuffer::Allocate(DWORD iSize, bool bZeroMemory) {
    if (iSize != m_iSize) {
        Release();
        if (iSize) {
            m_pBuffer = new char[iSize];
            m_iSize = iSize;
        }
    }
    if (bZeroMemory && m_iSize) memset(m_pBuffer, 0, m_iSize);
    return m_pBuffer;
}

void CZipAutoBuffer::Release() {
    delete[] m_pBuffer;
    m_pBuffer = nullptr;
    m_iSize = 0;
}
