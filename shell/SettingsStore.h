// The parsed settings file kept in memory for the whole run: root element
// ZorelConfig, one element per section, one element per key whose text is
// the value. The accessors read and write single keys of the document; only
// Save writes the file.
#pragma once

#include "fw/Afx.h"

#include <memory>

class TiXmlDocument;
class TiXmlElement;

class CSettingsStore {
public:
    enum LoadState {
        LOAD_READ,     // the file was read
        LOAD_MISSING,  // there is no file (or it is empty)
        LOAD_DAMAGED,  // the file did not parse or could not be read
    };

    enum {
        MAX_NAME_BYTES = 256,   // section and key names in the file's code page
        MAX_VALUE_BYTES = 512,  // a text value is cut to this many bytes
    };

    CSettingsStore();
    ~CSettingsStore();
    CSettingsStore(const CSettingsStore&) = delete;
    CSettingsStore& operator=(const CSettingsStore&) = delete;

    // The key's value, or the default when there is no such key. A key
    // element without text gives the default for a number and an empty text
    // for a text; a text that is no number gives its leading number, or 0.
    int GetConfigInt(const wchar_t* section, const wchar_t* key, int defaultValue) const;
    CString GetConfigString(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue) const;

    // Set a key in the document; a missing section or key is appended at the
    // end, an existing key is replaced where it stands. Nothing is written to
    // disk. Return 1, or 0 when there is no document yet.
    int WriteConfigInt(const wchar_t* section, const wchar_t* key, int value);
    int WriteConfigString(const wchar_t* section, const wchar_t* key, const wchar_t* value);

    // Reads the file into a new document unless the document already came
    // from a file. Whatever the parser could read stays in the document. A
    // damaged file is first copied beside itself under a dated name; when
    // that copy cannot be made, the file is never written over.
    LoadState Load(const CString& path);
    // Makes an empty document with its root for path, unless there is one.
    void Create(const CString& path);
    // Forgets the document, so that the next Load reads the file again (after
    // another copy of the program wrote it on its way out).
    void Reset();

    bool HasDocument() const { return m_doc != nullptr; }
    bool WasReadFromFile() const { return m_readFromFile; }
    const CString& GetPath() const { return m_path; }
    // The dated copy of a damaged file, empty when none was made.
    const CString& GetDamagedCopy() const { return m_damagedCopy; }
    // True when a damaged file could not be copied: saving is refused then.
    bool IsWriteBlocked() const { return m_writeBlocked; }
    // What the user is told after a damaged file was read: that the settings
    // read are in use and the rest are defaults, and where the damaged copy
    // is (or that the file could not be copied). Empty when it read well.
    CString DamageNotice() const;

    // Writes the document to a temporary file in the same folder and puts it
    // in place of the old file. False, with the old file untouched, when any
    // step fails.
    bool Save();

    // The document as the file would hold it (lines end in LF here).
    CStringA PrintDocument() const;

    // Decimal number at the start of a text: leading white space, optional
    // sign, digits; values beyond the 32-bit range are clamped.
    static int ParseInt(const char* text);

private:
    TiXmlElement* FindSection(const wchar_t* section) const;
    TiXmlElement* FindKey(const wchar_t* section, const wchar_t* key) const;
    void WriteValue(const wchar_t* section, const wchar_t* key, const CStringA& value);
    CStringA ToFile(const wchar_t* text, int maxBytes) const;
    CString FromFile(const char* text) const;
    void AttachRoot();

    std::unique_ptr<TiXmlDocument> m_doc;
    TiXmlElement* m_root = nullptr;
    CString m_path;
    UINT m_codePage = CP_ACP;  // UTF-8 when the file began with its byte-order mark
    bool m_readFromFile = false;
    bool m_writeBlocked = false;
    CString m_damagedCopy;
    LoadState m_loadState = LOAD_MISSING;  // how the file read went
};
