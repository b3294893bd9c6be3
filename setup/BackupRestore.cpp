#include "setup/BackupRestore.h"

#include "fw/File.h"
#include "tools/zip/ZipArchive.h"

#include <cstring>

namespace BackupRestore {

namespace {

DWORD GetDword(const BYTE* p) { return (DWORD)p[0] | ((DWORD)p[1] << 8) | ((DWORD)p[2] << 16) | ((DWORD)p[3] << 24); }

CString AnsiField(const BYTE* p, int maxBytes) {
    int n = 0;
    while (n < maxBytes && p[n]) ++n;
    return CString(CStringA((const char*)p, n));
}

}  // namespace

bool ParseTrailer(const BYTE* tail, ULONGLONG fileSize, BackupInfo& info) {
    static const char marker[] = "ZOREL_BACKUP_AND_INSTALL";
    if (fileSize < (ULONGLONG)kTrailerSize || memcmp(tail, marker, sizeof(marker)) != 0) return false;
    info.setupLength = GetDword(tail + 32);
    info.archiveLength = GetDword(tail + 36);
    // The lengths must describe this very file: anything else would unpack
    // bytes that are not the archive.
    if ((ULONGLONG)info.setupLength + info.archiveLength + kTrailerSize != fileSize) return false;
    int* fields[6] = {&info.year, &info.month, &info.day, &info.hour, &info.minute, &info.second};
    for (int i = 0; i < 6; ++i) *fields[i] = (int)GetDword(tail + 64 + 4 * i);
    info.language = AnsiField(tail + 88, 128);
    info.comment = AnsiField(tail + 216, kTrailerSize - 216);
    return true;
}

CString DescribeBackup(const BackupInfo& info) {
    CString text;
    text.Format(L"%04d-%02d-%02d", info.year, info.month, info.day);
    if (info.hour >= 0 && info.minute >= 0) {
        CString time;
        time.Format(L" %02d:%02d", info.hour, info.minute);
        text += time;
    }
    if (!info.comment.IsEmpty()) text += L"\n" + info.comment;
    return text;
}

bool UnpackArchive(BYTE* archive, DWORD length, const CString& folder,
                   const std::function<void(const CString&)>& onEntry) {
    CMemFile memory(archive, length);
    CZipArchive zip;
    bool complete = true;
    try {
        zip.Open(memory, CZipArchive::openReadOnly);
        std::vector<WORD> indexes(zip.GetEntryCount());
        for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = (WORD)i;
        // Several files are written at once; each is named when it is done.
        zip.ExtractFiles(indexes, folder, [&](size_t i, bool bDone) {
            CZipFileHeader header;
            if (onEntry && zip.GetEntryInfo(header, indexes[i])) onEntry(header.GetFileName());
            if (!bDone) complete = false;
            return true;
        });
        zip.Close();
    } catch (...) {
        zip.Close(true);
        return false;
    }
    return complete;
}

}  // namespace BackupRestore
