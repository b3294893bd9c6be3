#include "widgets/WidgetList.h"

#include "fw/Convert.h"
#include "shell/SafeFileWriter.h"
#include "shell/TextUtil.h"
#include "shell/XmlDepth.h"

#include "tinyxml.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {


std::string Line(const char* fmt, int a, int b = 0) {
    char buf[128];
    snprintf(buf, sizeof(buf), fmt, a, b);
    return buf;
}

void ReadValue(const TiXmlElement* parent, const char* name, const char* attribute, int& value) {
    const TiXmlElement* child = parent->FirstChildElement(name);
    if (!child) return;
    const char* text = child->Attribute(attribute);
    if (text) value = atoi(text);
}

}  // namespace

std::string CWidgetList::FormatEntry(const WidgetListEntry& entry) {
    std::string out = "  <WidgetWindow>\n";
    out += "    <SkinFile Path = \"" + EscapeXmlAttribute(entry.path) + "\"/>\n";
    out += Line("    <Transparence Value = \"%d\"/>\n", entry.transparence);
    out += Line("    <MouseOverHiding Value = \"%d\"/>\n", entry.mouseOverHiding);
    out += Line("    <ZPosition Value = \"%d\"/>\n", entry.zPosition);
    out += Line("    <Position X = \"%d\" Y = \"%d\"/>\n", entry.x, entry.y);
    out += Line("    <AllowMove Value = \"%d\"/>\n", entry.allowMove);
    out += "  </WidgetWindow>\n";
    return out;
}

std::string CWidgetList::FormatList(const std::vector<WidgetListEntry>& entries) {
    std::string out = "<WidgetList>\n";
    for (const WidgetListEntry& entry : entries) out += FormatEntry(entry);
    out += "</WidgetList>";
    return out;
}

void CWidgetList::ReadEntry(const TiXmlElement* element, WidgetListEntry& entry) {
    if (!element) return;
    if (const TiXmlElement* skin = element->FirstChildElement("SkinFile"))
        if (const char* path = skin->Attribute("Path")) entry.path = AnsiToString(CStringA(path));
    ReadValue(element, "Transparence", "Value", entry.transparence);
    ReadValue(element, "MouseOverHiding", "Value", entry.mouseOverHiding);
    ReadValue(element, "ZPosition", "Value", entry.zPosition);
    ReadValue(element, "Position", "X", entry.x);
    ReadValue(element, "Position", "Y", entry.y);
    ReadValue(element, "AllowMove", "Value", entry.allowMove);
}

std::vector<WidgetListEntry> CWidgetList::ParseList(const char* text, const WidgetListEntry& defaults) {
    std::vector<WidgetListEntry> entries;
    if (!text || !XmlDepth::IsWithinLimit(text, strlen(text))) return entries;
    TiXmlDocument doc;
    doc.Parse(text);
    const TiXmlElement* root = doc.FirstChildElement("WidgetList");
    if (!root) return entries;
    for (const TiXmlElement* e = root->FirstChildElement("WidgetWindow"); e; e = e->NextSiblingElement("WidgetWindow")) {
        WidgetListEntry entry = defaults;
        ReadEntry(e, entry);
        entries.push_back(entry);
    }
    return entries;
}

CString CWidgetList::FilePath(const CString& widgetsFolder) {
    CString path = widgetsFolder;
    if (!path.IsEmpty() && path[path.GetLength() - 1] != L'\\') path += L'\\';
    return path + L"WidgetList.xml";
}

bool CWidgetList::WriteFile(const CString& path, const std::vector<WidgetListEntry>& entries) {
    std::string text = FormatList(entries);
    return CSafeFileWriter::WriteStream(
        path, [&](FILE* f) { return fwrite(text.data(), 1, text.size(), f) == text.size(); }, true);
}

std::vector<WidgetListEntry> CWidgetList::ReadFile(const CString& path, const WidgetListEntry& defaults) {
    std::vector<BYTE> data;
    if (!CSafeFileWriter::ReadFile(path, data, CSafeFileWriter::MaxListFileBytes)) return {};
    std::string text(data.begin(), data.end());
    return ParseList(text.c_str(), defaults);
}

std::vector<CString> CWidgetList::ListSkinFiles(const CString& widgetsFolder, int maxItems) {
    CString folder = widgetsFolder;
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != L'\\') folder += L'\\';
    auto list = [](const CString& pattern, bool folders) {
        std::vector<CString> names;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW(pattern, &data);
        if (find == INVALID_HANDLE_VALUE) return names;
        do {
            bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (isFolder != folders) continue;
            if (wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0) continue;
            names.push_back(data.cFileName);
        } while (FindNextFileW(find, &data));
        FindClose(find);
        // Sorted, so the ids do not depend on what the file system happens
        // to return first.
        std::sort(names.begin(), names.end(),
                  [](const CString& a, const CString& b) { return _wcsicmp(a, b) < 0; });
        return names;
    };
    std::vector<CString> files;
    for (const CString& sub : list(folder + L"*.*", true)) {
        CString subFolder = folder + sub + L"\\";
        for (const CString& name : list(subFolder + L"*.xml", false)) {
            if ((int)files.size() >= maxItems) return files;
            files.push_back(subFolder + name);
        }
    }
    return files;
}

CString CWidgetList::MenuLabel(const CString& skinFile) {
    int slash = skinFile.ReverseFind(L'\\');
    CString name = skinFile.Mid(slash + 1);
    return name.GetLength() > 4 ? name.Left(name.GetLength() - 4) : CString();
}
