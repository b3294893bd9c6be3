#include "net/FtpUserTable.h"

#include "net/FtpPath.h"
#include "shell/AppGlobals.h"

#include <windows.h>

namespace {

bool SameNameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && (a.empty() || CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                                                (int)a.size(), b.data(), (int)b.size()) == CSTR_EQUAL);
}

// Splits the text after the leading '/' into its parts; an empty rest ends it.
std::vector<std::string> PartsAfterRoot(const std::string& path) {
    std::vector<std::string> parts;
    size_t i = (!path.empty() && path[0] == '/') ? 1 : 0;
    while (i < path.size()) {
        size_t j = path.find('/', i);
        if (j == std::string::npos) j = path.size();
        parts.push_back(path.substr(i, j - i));
        i = j + 1;
    }
    return parts;
}

template <typename Node>
Node* FindChild(const Node* node, const std::string& name) {
    for (const auto& child : node->children)
        if (SameNameNoCase(child->name, name)) return child.get();
    return nullptr;
}

template <typename Node>
Node* AddChild(Node* node, const std::string& name) {
    auto child = std::make_unique<Node>();
    child->parent = node;
    child->name = name;
    node->children.push_back(std::move(child));
    return node->children.back().get();
}

int CheckIn(const std::string& text, const std::vector<const FtpPermissionNode*>& list, int kind) {
    size_t slash = text.find('/');
    std::string part = text.substr(0, slash);
    for (const FtpPermissionNode* node : list) {
        if (!SameNameNoCase(node->name, part)) continue;
        if (slash != std::string::npos) {
            std::vector<const FtpPermissionNode*> children;
            for (const auto& c : node->children) children.push_back(c.get());
            int deeper = CheckIn(text.substr(slash + 1), children, kind);
            if (deeper != -1) return deeper;
        }
        return node->values[kind];
    }
    return -1;
}

bool ResolveIn(const std::string& text, const std::vector<const FtpMountNode*>& list, std::string& local) {
    size_t slash = text.find('/');
    std::string part = text.substr(0, slash);
    for (const FtpMountNode* node : list) {
        if (!SameNameNoCase(node->name, part)) continue;
        if (slash == std::string::npos) {
            local = node->localPath;
            return true;
        }
        std::vector<const FtpMountNode*> children;
        for (const auto& c : node->children) children.push_back(c.get());
        if (ResolveIn(text.substr(slash + 1), children, local)) return true;
        if (node->localPath.empty()) return false;
        local = node->localPath + text.substr(slash);
        for (char& c : local)
            if (c == '/') c = '\\';
        return true;
    }
    return false;
}

}  // namespace

bool FtpUserTable::AddUser(const std::string& name, const std::string& password) {
    if (m_users.count(name)) return false;
    FtpUser& user = m_users[name];
    for (int& v : user.permissionRoot.values) v = 0;
    return SetPassword(name, password);
}

bool FtpUserTable::SetPassword(const std::string& name, const std::string& password) {
    auto it = m_users.find(name);
    if (it == m_users.end()) return false;
    it->second.password = password;
    return true;
}

bool FtpUserTable::CheckPassword(const std::string& name, const std::string& password) const {
    auto it = m_users.find(name);
    return it != m_users.end() && it->second.password == password;
}

const FtpMountNode* FtpUserTable::GetMountRoot(const std::string& name) const {
    auto it = m_users.find(name);
    return it == m_users.end() ? nullptr : &it->second.mountRoot;
}

const FtpPermissionNode* FtpUserTable::GetPermissionRoot(const std::string& name) const {
    auto it = m_users.find(name);
    return it == m_users.end() ? nullptr : &it->second.permissionRoot;
}

bool FtpUserTable::SetPermissions(const std::string& name, const std::string& path, int mask) {
    std::string normal = NormalizePath(path);
    if (normal.empty()) return false;
    if (normal[0] != '/') {
        DebugPrint(0, L"Cannot parse invalid virtual path \"%hs\". Virtual paths must begin with a slash.",
                   path.c_str());
        return false;
    }
    auto it = m_users.find(name);
    if (it == m_users.end()) return false;
    static const int bits[4] = {FTP_MASK_READ, FTP_MASK_WRITE, FTP_MASK_LIST, FTP_MASK_ADMIN};
    for (int kind = 0; kind < 4; ++kind)
        SetPermissionValue(&it->second.permissionRoot, path, kind, (mask & bits[kind]) ? 1 : 0);
    return true;
}

bool FtpUserTable::Mount(const std::string& name, const std::string& path, const std::string& localPath) {
    std::string normal = NormalizePath(path);
    if (normal.empty()) return false;
    if (normal[0] != '/') {
        DebugPrint(0, L"Mount directive cannot parse invalid virtual path \"%hs\". Virtual paths must begin with a slash.",
                   path.c_str());
        return false;
    }
    if (!localPath.empty()) {
        std::string copy = localPath;
        for (char& c : copy)
            if (c == '/') c = '\\';
        if (!copy.empty() && copy.back() == '\\') copy.pop_back();
        if (GetFileAttributesA(copy.c_str()) == INVALID_FILE_ATTRIBUTES) {
            DebugPrint(0, L"Mount directive cannot find local path \"%hs\".", localPath.c_str());
            return false;
        }
    }
    auto it = m_users.find(name);
    if (it != m_users.end()) MountInsert(&it->second.mountRoot, path, localPath);
    return true;
}

int CheckPermission(const FtpPermissionNode* root, const std::string& path, int kind) {
    if (!root || kind < 0 || kind > 3) return -1;
    return CheckIn(path, {root}, kind);
}

void SetPermissionValue(FtpPermissionNode* root, const std::string& path, int kind, int value) {
    FtpPermissionNode* node = root;
    for (const std::string& part : PartsAfterRoot(path)) {
        FtpPermissionNode* child = FindChild(node, part);
        node = child ? child : AddChild(node, part);
        node->name = part;
    }
    node->values[kind] = value;
}

void MountInsert(FtpMountNode* root, const std::string& path, const std::string& localPath) {
    FtpMountNode* node = root;
    for (const std::string& part : PartsAfterRoot(path)) {
        FtpMountNode* child = FindChild(node, part);
        node = child ? child : AddChild(node, part);
    }
    node->localPath = localPath;
}

bool ResolvePath(const FtpMountNode* root, const std::string& path, std::string& local, bool allowWildcards) {
    local.clear();
    // No part of a client's path may name a stream, a device or a name that
    // Windows would silently change.
    if (!root || !IsSafeVirtualPath(path, allowWildcards)) return false;
    if (!ResolveIn(path, {root}, local)) {
        local.clear();
        return false;
    }
    return true;
}

const FtpMountNode* FindMountNode(const FtpMountNode* root, const std::string& path) {
    if (!root) return nullptr;
    const FtpMountNode* node = root;
    for (const std::string& part : PartsAfterRoot(path)) {
        node = FindChild(node, part);
        if (!node) return nullptr;
    }
    return node;
}
