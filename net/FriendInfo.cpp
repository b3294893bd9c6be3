#include "net/FriendInfo.h"

#include "fw/Convert.h"
#include "shell/TextUtil.h"
#include "shell/XmlDepth.h"

#include "tinyxml.h"

#include <cstring>

namespace {

CString Attribute(const TiXmlElement* element, const char* name) {
    const char* value = element->Attribute(name);
    return value ? AnsiToString(CStringA(value)) : CString();
}

}  // namespace

std::string CFriendInfo::WriteLine() const {
    return "  <Friend Title = \"" + EscapeXmlAttribute(Title) + "\" IP = \"" + EscapeXmlAttribute(IP) + "\" Port = \"" + EscapeXmlAttribute(Port) +
           "\" Password = \"" + EscapeXmlAttribute(Password) + "\"  />\r\n";
}

bool CFriendInfo::ReadXml(const char* text, size_t size, std::vector<CFriendInfo>& friends) {
    friends.clear();
    if (!text || !XmlDepth::IsWithinLimit(text, size)) return false;
    std::string copy(text, size);
    TiXmlDocument doc;
    doc.Parse(copy.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    if (doc.Error()) return false;
    const TiXmlElement* root = doc.RootElement();
    if (!root || strcmp(root->Value(), "FriendList") != 0) return false;
    for (const TiXmlElement* e = root->FirstChildElement("Friend"); e; e = e->NextSiblingElement("Friend")) {
        friends.emplace_back(Attribute(e, "IP"), Attribute(e, "Port"), Attribute(e, "Password"),
                             Attribute(e, "Title"));
    }
    return true;
}

std::string WriteFriendList(const std::vector<CFriendInfo>& friends) {
    std::string out = "<FriendList>\r\n";
    for (const CFriendInfo& f : friends) out += f.WriteLine();
    out += "</FriendList>";
    return out;
}

int FriendPortNumber(const CString& field) {
    int port = _wtoi(field);
    return port == 0 ? 5330 : port;
}

int RememberFriend(std::vector<CFriendInfo>& friends, const CString& ip, const CString& port,
                   const CString& password, bool& changed) {
    for (size_t i = 0; i < friends.size(); ++i) {
        CFriendInfo& f = friends[i];
        if (f.IP != ip) continue;
        changed = f.Port != port || f.Password != password;
        f.Port = port;
        f.Password = password;
        return (int)i;
    }
    friends.emplace_back(ip, port, password, ip);
    changed = true;
    return (int)friends.size() - 1;
}

CString NetItemDisplayName(const CString& name) {
    for (int i = 0; i < name.GetLength(); ++i)
        if (name[i] >= L'a' && name[i] <= L'z') return name;
    CString shown = name;
    shown.MakeLower();
    if (!shown.IsEmpty()) shown.SetAt(0, towupper(shown[0]));
    return shown;
}
