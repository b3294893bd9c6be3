// A skin read into an ordered list of named key/value sections, whatever its
// source: an XML skin file, an INI-like text file, a text built in memory or
// one of the two built-in texts.
#pragma once

#include "widgets/InfoSection.h"

#include <memory>
#include <string>
#include <vector>

class TiXmlElement;

class SkinDefinition {
public:
    // A formatted line is cut to fit this many characters with its end.
    static const int kLineBufferSize = 1024;

    SkinDefinition() = default;
    SkinDefinition(const SkinDefinition&) = delete;
    SkinDefinition& operator=(const SkinDefinition&) = delete;

    void Clear();
    void AddLine(const wchar_t* line);
    void AddLineFormat(const wchar_t* format, ...);
    // Turns the stored text lines into sections appended to the list.
    void ParseLines();

    // XML and XXML files go to LoadXmlFile; any other file is INI-like text.
    bool LoadFile(const CString& path);
    bool LoadXmlFile(const CString& path);
    bool LoadXmlText(const char* text);
    bool LoadXmlElement(const TiXmlElement* root);
    void ConvertXml(const TiXmlElement* root);

    void LoadNoSkin();
    void LoadAnalogClock();

    int GetSectionCount() const { return (int)m_Sections.size(); }
    CInfoSection* GetSection(int index) const {
        return index >= 0 && index < GetSectionCount() ? m_Sections[(size_t)index].get() : nullptr;
    }
    // The first section of that name (exact case), or null.
    CInfoSection* FindSection(const wchar_t* name) const;
    const CStringArray& GetLines() const { return m_Lines; }

    static bool GetSectionName(const CString& line, CString& name);
    bool ReadSectionKeys(CInfoSection& section, int& lineIndex) const;

private:
    void ParseText(const CString& text);
    // One line of a text skin file, as read with its line end.
    void AddFileLine(const std::string& bytes);

    CStringArray m_Lines;
    std::vector<std::unique_ptr<CInfoSection>> m_Sections;
};
