// The stream state of the entry being read or written: the zlib stream, the
// byte counts and the I/O buffer between zlib and the storage.
#pragma once

#include "tools/zip/ZipAutoBuffer.h"

#include "zlib.h"

class CZipInternalInfo {
public:
    // Large enough that most files of a backup are read from the archive in
    // one call (each call is a trip through Wine).
    CZipInternalInfo() : m_iBufferSize(65536), m_uUncomprLeft(0), m_uComprLeft(0), m_uCrc32(0) { m_stream = z_stream(); }

    void Init() { m_pBuffer.Allocate(m_iBufferSize); }

    DWORD m_iBufferSize;
    z_stream m_stream;
    // Reading: bytes still to deliver.
    DWORD m_uUncomprLeft;
    // Reading: bytes still to fetch from the archive; writing: bytes waiting in
    // the I/O buffer.
    DWORD m_uComprLeft;
    DWORD m_uCrc32;
    CZipAutoBuffer m_pBuffer;
};
