// An element of the sorted name index: a header and its entry number.
#pragma once

#include <windows.h>

class CZipFileHeader;

struct CZipFindFast {
    CZipFileHeader* m_pHeader = nullptr;
    WORD m_uIndex = 0;
};
