#include "SettingsStore.h"

#include "LanguageTable.h"
#include "SafeFileWriter.h"
#include "SettingsEnvironment.h"
#include "ShellIds.h"
#include "XmlDepth.h"

#include "tinyxml.h"

#include <climits>
#include <cstdio>

namespace {
const char kRootName[] = "ZorelConfig";

}  // namespace

CSettingsStore::CSettingsStore() = default;
CSettingsStore::~CSettingsStore() = default;

int CSettingsStore::ParseInt(const char* text) {
    if (!text) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n' || *p == '\v' || *p == '\f') ++p;
    bool negative = false;
    if (*p == '+' || *p == '-') negative = *p++ == '-';
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > (long long)INT_MAX + 1) value = (long long)INT_MAX + 1;  // stays clamped
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return (int)value;
}

CStringA CSettingsStore::ToFile(const wchar_t* text, int maxBytes) const {
    CString wide(text);
    CStringA bytes = StringToMultiByte(wide, wide.GetLength(), m_codePage);
    if (bytes.GetLength() <= maxBytes) return bytes;
    // Cut at a character boundary, so no half of a double-byte character
    // (or of a UTF-8 sequence) is left at the end.
    CStringA cut;
    for (int i = 0; i < wide.GetLength();) {
        int units = (IS_HIGH_SURROGATE(wide[i]) && i + 1 < wide.GetLength()) ? 2 : 1;
        CStringA one = StringToMultiByte(wide.GetString() + i, units, m_codePage);
        if (cut.GetLength() + one.GetLength() > maxBytes) break;
        cut += one;
        i += units;
    }
    return cut;
}

CString CSettingsStore::FromFile(const char* text) const {
    return MultiByteToString(text, (int)strlen(text), m_codePage);
}

void CSettingsStore::AttachRoot() {
    m_root = nullptr;
    for (TiXmlElement* e = m_doc->FirstChildElement(); e; e = e->NextSiblingElement()) {
        if (strcmp(e->Value(), kRootName) == 0) {
            m_root = e;
            return;
        }
    }
    // A file whose top element is something else keeps it; ours is added.
    m_root = m_doc->LinkEndChild(new TiXmlElement(kRootName))->ToElement();
}

void CSettingsStore::Create(const CString& path) {
    if (m_doc) return;
    m_path = path;
    m_doc.reset(new TiXmlDocument());
    m_codePage = CP_ACP;
    AttachRoot();
}

void CSettingsStore::Reset() {
    m_doc.reset();
    m_root = nullptr;
    m_readFromFile = false;
    m_writeBlocked = false;
    m_damagedCopy.Empty();
    m_codePage = CP_ACP;
    m_loadState = LOAD_MISSING;
}

CSettingsStore::LoadState CSettingsStore::Load(const CString& path) {
    if (m_doc && m_readFromFile) return m_loadState;
    // A document made before the file was read holds nothing worth keeping
    // over the user's file, so it is replaced by what the file holds.
    m_doc.reset(new TiXmlDocument());
    m_path = path;
    m_codePage = CP_ACP;
    m_readFromFile = true;
    m_writeBlocked = false;
    m_damagedCopy.Empty();

    LoadState state = LOAD_READ;
    // A wide path, so a program folder with any characters works.
    FILE* file = _wfopen(path, L"rb");
    if (!file) {
        state = CSafeFileWriter::FileExists(path) ? LOAD_DAMAGED : LOAD_MISSING;
    } else {
        unsigned char head[3] = {};
        size_t got = fread(head, 1, 3, file);
        fseek(file, 0, SEEK_END);
        long length = ftell(file);
        fseek(file, 0, SEEK_SET);
        if (got == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF) m_codePage = CP_UTF8;
        if (length <= 0) {
            state = LOAD_MISSING;  // an empty file holds nothing to lose
        } else if (!XmlDepth::IsFileWithinLimit(file)) {
            // No settings file nests this deep; parsing it would overflow
            // the stack.
            state = LOAD_DAMAGED;
        } else {
            bool parsed = m_doc->LoadFile(file, TIXML_DEFAULT_ENCODING);
            if (!parsed || m_doc->Error()) state = LOAD_DAMAGED;
        }
        fclose(file);
    }

    if (state == LOAD_DAMAGED) {
        SYSTEMTIME now = {};
        GetSettingsEnvironment().Now().GetAsSystemTime(now);
        m_damagedCopy = CSafeFileWriter::KeepDatedCopy(path, now);
        m_writeBlocked = m_damagedCopy.IsEmpty();
    }
    AttachRoot();
    m_loadState = state;
    return state;
}

CString CSettingsStore::DamageNotice() const {
    if (!m_readFromFile || m_loadState != LOAD_DAMAGED) return CString();
    if (m_damagedCopy.IsEmpty()) return g_LanguageTable[TXT_SETTINGS_DAMAGED_NOT_COPIED] + L"\n" + m_path;
    return g_LanguageTable[TXT_SETTINGS_DAMAGED] + L"\n" + m_damagedCopy;
}

TiXmlElement* CSettingsStore::FindSection(const wchar_t* section) const {
    if (!m_root) return nullptr;
    CStringA name = ToFile(section, MAX_NAME_BYTES);
    return m_root->FirstChildElement(name.GetString());
}

TiXmlElement* CSettingsStore::FindKey(const wchar_t* section, const wchar_t* key) const {
    TiXmlElement* sectionElement = FindSection(section);
    if (!sectionElement) return nullptr;
    CStringA name = ToFile(key, MAX_NAME_BYTES);
    return sectionElement->FirstChildElement(name.GetString());
}

int CSettingsStore::GetConfigInt(const wchar_t* section, const wchar_t* key, int defaultValue) const {
    TiXmlElement* element = FindKey(section, key);
    if (!element) return defaultValue;
    TiXmlNode* child = element->FirstChild();
    if (!child || !child->ToText()) return defaultValue;
    return ParseInt(child->Value());
}

CString CSettingsStore::GetConfigString(const wchar_t* section, const wchar_t* key,
                                        const wchar_t* defaultValue) const {
    TiXmlElement* element = FindKey(section, key);
    if (!element) return CString(defaultValue);
    TiXmlNode* child = element->FirstChild();
    if (!child || !child->ToText()) return CString();
    return FromFile(child->Value());
}

void CSettingsStore::WriteValue(const wchar_t* section, const wchar_t* key, const CStringA& value) {
    CStringA sectionName = ToFile(section, MAX_NAME_BYTES);
    TiXmlElement* sectionElement = m_root->FirstChildElement(sectionName.GetString());
    if (!sectionElement)
        sectionElement = m_root->LinkEndChild(new TiXmlElement(sectionName.GetString()))->ToElement();

    CStringA keyName = ToFile(key, MAX_NAME_BYTES);
    TiXmlElement fresh(keyName.GetString());
    fresh.InsertEndChild(TiXmlText(value.GetString()));
    TiXmlElement* old = sectionElement->FirstChildElement(keyName.GetString());
    if (old)
        sectionElement->ReplaceChild(old, fresh);
    else
        sectionElement->InsertEndChild(fresh);
}

int CSettingsStore::WriteConfigInt(const wchar_t* section, const wchar_t* key, int value) {
    if (!m_root) return 0;
    char text[16];
    snprintf(text, sizeof(text), "%d", value);
    WriteValue(section, key, CStringA(text));
    return 1;
}

int CSettingsStore::WriteConfigString(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    if (!m_root) return 0;
    WriteValue(section, key, ToFile(value ? value : L"", MAX_VALUE_BYTES));
    return 1;
}

CStringA CSettingsStore::PrintDocument() const {
    if (!m_doc) return CStringA();
    TiXmlPrinter printer;
    printer.SetIndent("    ");
    m_doc->Accept(&printer);
    return CStringA(printer.CStr());
}

bool CSettingsStore::Save() {
    if (!m_doc || m_path.IsEmpty() || m_writeBlocked) return false;

    // A read-only settings file is the user's choice: it is not replaced.
    DWORD attributes = GetFileAttributesW(m_path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;

    // Text mode: the file's lines end in CR LF.
    return CSafeFileWriter::WriteStream(m_path, [this](FILE* file) { return m_doc->SaveFile(file); }, true);
}
