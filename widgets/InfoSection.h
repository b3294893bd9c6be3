// One named section of a skin: string keys and string values, read through
// typed getters that never fail (an absent key gives the default, an
// unparsable number gives 0).
#pragma once

#include "fw/Afx.h"

class TiXmlElement;

class CInfoSection {
public:
    explicit CInfoSection(const CString& name = CString()) : m_Name(name) {}
    virtual ~CInfoSection() = default;

    void Clear();
    void SetName(const CString& name) { m_Name = name; }
    const CString& GetName() const { return m_Name; }
    int GetCount() const { return m_Values.GetCount(); }
    bool HasKey(const wchar_t* key) const;

    int GetInt(const wchar_t* key, int def) const;
    bool GetBool(const wchar_t* key, bool def) const;
    double GetDouble(const wchar_t* key, double def) const;
    float GetFloat(const wchar_t* key, float def) const;
    // 32-bit ARGB: alpha in the top byte, then red, green, blue.
    DWORD GetColor(const wchar_t* key, DWORD def) const;
    // The value without its surrounding double quotes.
    CString GetString(const wchar_t* key, const wchar_t* def = nullptr) const;
    // The stored value exactly as read.
    bool Lookup(const wchar_t* key, CString& value) const;

    void SetValue(const wchar_t* key, const wchar_t* value);
    void SetKeyValue(CString key, CString value) { SetValue(key, value); }

    void CopyXmlAttribute(const TiXmlElement* element, const char* attribute);
    void SetFromXml(const TiXmlElement* element, const char* attribute, const wchar_t* key);

    const CMap<CString, CString>& Values() const { return m_Values; }

    // The parsers behind the getters, shared with the code that reads
    // numbers out of other texts.
    static int ParseInt(const wchar_t* text);
    static double ParseDouble(const wchar_t* text);
    static DWORD ParseColor(const CString& text);

private:
    CString m_Name;
    CMap<CString, CString> m_Values;
};

// A newly allocated copy of the string with its terminating zero (null for a
// null string); the caller frees it with delete[].
wchar_t* DuplicateString(const wchar_t* text);
