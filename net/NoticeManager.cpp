#include "net/NoticeManager.h"

#include "shell/FileUtil.h"
#include "shell/ProgramFolder.h"
#include "shell/SafeFileWriter.h"
#include "shell/SafePath.h"
#include "shell/WebCheckResult.h"
#include "shell/XmlDepth.h"

#include "tinyxml.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int g_nPopupCascade = 0;

namespace {

const int kMinCheckCycle = 60;
const size_t kVersionMarkBytes = 256;
// A notice stays at most a day; a larger or broken time is cut to that.
const double kMaxDisplaySeconds = 86400.0;

CString ReadAttributeString(const TiXmlElement& element, const char* name) {
    const char* value = element.Attribute(name);
    return value ? CString(value) : CString();
}

int ReadAttributeInt(const TiXmlElement& element, const char* name, int fallback) {
    const char* value = element.Attribute(name);
    return value ? atoi(value) : fallback;
}

float ReadAttributeFloat(const TiXmlElement& element, const char* name, float fallback) {
    const char* value = element.Attribute(name);
    return value ? (float)atof(value) : fallback;
}

void ReadDisplay(const TiXmlElement& element, NoticeEntry& entry) {
    entry.DisplayTime = ReadAttributeFloat(element, "DisplayTime", 5.0f);
    entry.DisplayType = ReadAttributeInt(element, "DisplayType", 6);
    entry.X = ReadAttributeInt(element, "X", 0);
    entry.Y = ReadAttributeInt(element, "Y", 0);
}

void ReadPackage(const TiXmlElement& element, NoticeEntry& entry) {
    entry.Url = ReadAttributeString(element, "Url");
    entry.Key = ReadAttributeString(element, "Key");
    entry.File = ReadAttributeString(element, "File");
    entry.Version = ReadAttributeString(element, "Version");
    entry.Refit = ReadAttributeInt(element, "Refit", 0);
}

UINT StayMs(float seconds) {
    double value = seconds;
    if (!(value > 0)) return 0;  // also a time that is not a number
    if (value > kMaxDisplaySeconds) value = kMaxDisplaySeconds;
    return (UINT)std::lround(value * 1000.0);
}

CString FileInPackage(const NoticeEntry& entry) {
    CString file;
    for (int i = 0; i < entry.File.GetLength(); ++i) file += entry.File[i] == L'/' ? L'\\' : entry.File[i];
    return CNoticeManager::PackageFolder(entry.Key) + file;
}

CStringA VersionBytes(const CString& version) { return CStringA(version); }

}  // namespace

CString CNoticeManager::PackageFolder(const CString& key) {
    return g_ProgramFolder + L"system\\zorelcheck\\" + key + L"\\";
}

void CNoticeManager::CascadePoint(int n, int width, int height, int& x, int& y) {
    x = (n - 10) * (width / 100) + width / 2;
    y = n * (width / 100) - 10 * (height / 100) + height / 2;
}

bool CNoticeManager::IsExecutableType(const CString& path) {
    static const wchar_t* const kTypes[] = {
        L"exe", L"com", L"bat", L"cmd", L"pif", L"scr", L"cpl", L"msi", L"msp", L"mst", L"lnk", L"url",
        L"vbs", L"vbe", L"js", L"jse", L"wsf", L"wsh", L"ws", L"ps1", L"psm1", L"hta", L"jar", L"reg",
        L"inf", L"scf", L"msc", L"application", L"appref-ms", L"gadget", L"dll", L"sys", L"chm", L"shb"};
    int dot = path.ReverseFind(L'.');
    int slash = std::max(path.ReverseFind(L'\\'), path.ReverseFind(L'/'));
    // A file without a type is opened by whatever the system likes; refuse.
    if (dot < 0 || dot < slash) return true;
    CString type = path.Mid(dot + 1);
    for (const wchar_t* known : kTypes)
        if (type.CompareNoCase(known) == 0) return true;
    return false;
}

bool CNoticeManager::IsAcceptable(const NoticeEntry& entry) {
    if (!IsSafeFileName(entry.Key) || !IsSafeRelativePath(entry.File)) return false;
    if (entry.File.Right(1) == L"\\" || entry.File.Right(1) == L"/") return false;
    return entry.kind != NOTICE_RUN || !IsExecutableType(entry.File);
}

void CNoticeManager::ParseServerCheck(const CString& path) {
    if (m_pHost) m_pHost->ResetSlideSlots();
    FILE* file = _wfopen(path, L"rb");
    if (!file) return;
    TiXmlDocument doc;
    bool loaded = false;
    if (fseek(file, 0, SEEK_END) == 0) {
        long size = ftell(file);
        loaded = size > 0 && size <= CWebCheckResult::MAX_RESULT_BYTES && fseek(file, 0, SEEK_SET) == 0 &&
                 XmlDepth::IsFileWithinLimit(file) && doc.LoadFile(file);
    }
    fclose(file);
    const TiXmlElement* root = loaded ? doc.RootElement() : nullptr;
    if (!root || strcmp(root->Value(), "ZorelCheck") != 0) return;

    for (const TiXmlElement* child = root->FirstChildElement(); child; child = child->NextSiblingElement()) {
        CStringA name(child->Value());
        name.MakeUpper();
        if (name == "SYSTEM") {
            const TiXmlElement* cycle = child->FirstChildElement("CheckCycle");
            if (cycle && m_pHost) {
                int seconds = cycle->GetText() ? atoi(cycle->GetText()) : 0;
                m_pHost->SetCheckCycle(seconds < kMinCheckCycle ? kMinCheckCycle : seconds);
            }
        } else if (name == "ALERT" || name == "RUN") {
            NoticeEntry entry;
            entry.kind = name == "RUN" ? NOTICE_RUN : NOTICE_ALERT;
            ReadPackage(*child, entry);
            if (entry.kind == NOTICE_ALERT) ReadDisplay(*child, entry);
            // A name that climbs out of the package folder, or a program to
            // start, never reaches the disk or the shell.
            if (IsAcceptable(entry)) m_entries.push_back(entry);
        } else if (name == "ALERTXML") {
            NoticeEntry entry;
            ReadDisplay(*child, entry);
            if (const TiXmlElement* skin = child->FirstChildElement()) ShowInlineNotice(*skin, entry);
        }
    }
    FetchNotices();
}

bool CNoticeManager::IsPackageCurrent(const NoticeEntry& entry) const {
    CString folder = PackageFolder(entry.Key);
    if (!FileExists(folder + L"*.*")) return false;
    std::vector<BYTE> mark;
    FILE* file = _wfopen(folder + L"version.mrk", L"rb");
    if (!file) return false;
    mark.resize(kVersionMarkBytes);
    mark.resize(fread(mark.data(), 1, kVersionMarkBytes, file));
    fclose(file);
    CStringA version = VersionBytes(entry.Version);
    // The mark matches when it is the start of the version (an empty mark
    // matches any).
    if (mark.size() > (size_t)version.GetLength()) return false;
    if (!mark.empty() && memcmp(mark.data(), version.GetString(), mark.size()) != 0) return false;
    return FileExists(FileInPackage(entry));
}

void CNoticeManager::FetchNotices() {
    // A parse while downloads are under way appends: only the new entries
    // are looked at, the earlier ones still report by their index.
    for (size_t i = m_fetched; i < m_entries.size(); i = ++m_fetched) {
        const NoticeEntry entry = m_entries[i];
        if (IsPackageCurrent(entry)) {
            ShowNotices((int)i, entry.Refit);
        } else if (!m_pHost || !m_pHost->StartDownload((int)i, entry.Url, entry.Key)) {
            ShowNotices((int)i, 0);
        }
        // Showing empties the list once every entry is done.
        if (m_entries.empty()) return;
    }
}

void CNoticeManager::ShowNotices(int index, int result) {
    if (index >= 0 && (size_t)index < m_entries.size()) {
        NoticeEntry& entry = m_entries[index];
        entry.done = 1;
        entry.result = result;
        if (result) {
            CStringA version = VersionBytes(entry.Version);
            CSafeFileWriter::WriteFile(PackageFolder(entry.Key) + L"version.mrk", version.GetString(),
                                       (size_t)version.GetLength());
        }
    }
    for (const NoticeEntry& entry : m_entries)
        if (!entry.done) return;
    std::vector<NoticeEntry> entries;
    entries.swap(m_entries);
    m_fetched = 0;
    for (const NoticeEntry& entry : entries)
        if (entry.result) ShowEntry(entry);
    if (m_pHost) m_pHost->ResetSlideSlots();
}

void CNoticeManager::NextCascadePoint(int& x, int& y) {
    int width = 0, height = 0;
    if (m_pHost) m_pHost->GetScreenSize(width, height);
    CascadePoint(g_nPopupCascade, width, height, x, y);
}

void CNoticeManager::ShowEntry(const NoticeEntry& entry) {
    if (!m_pHost) return;
    CString path = FileInPackage(entry);
    UINT stay = StayMs(entry.DisplayTime);
    if (entry.kind == NOTICE_RUN) {
        m_pHost->OpenFile(path);
    } else if (entry.DisplayType >= 0 && entry.DisplayType <= 7) {
        m_pHost->ShowSlide(path, entry.DisplayType, stay);
    } else if (entry.DisplayType == 8 || entry.DisplayType == 9) {
        int x = entry.X, y = entry.Y;
        if (entry.DisplayType == 8) NextCascadePoint(x, y);
        if (m_pHost->ShowPopup(path, x, y, stay)) g_nPopupCascade = (g_nPopupCascade + 1) % 10;
    }
}

void CNoticeManager::ShowInlineNotice(const TiXmlElement& skin, const NoticeEntry& entry) {
    if (!m_pHost) return;
    UINT stay = StayMs(entry.DisplayTime);
    if (entry.DisplayType >= 0 && entry.DisplayType <= 7) {
        m_pHost->ShowInlineSlide(skin, entry.DisplayType, stay);
    } else if (entry.DisplayType == 8 || entry.DisplayType == 9) {
        int x = entry.X, y = entry.Y;
        if (entry.DisplayType == 8) NextCascadePoint(x, y);
        if (m_pHost->ShowInlinePopup(skin, x, y, stay)) g_nPopupCascade = (g_nPopupCascade + 1) % 10;
    }
}
