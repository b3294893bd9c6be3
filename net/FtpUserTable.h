// The file-share server's accounts: for each a password, a tree of
// permissions over virtual paths and a tree that maps virtual folders onto
// local ones. The table is filled before any connection exists and only read
// afterwards, so connection threads share it without a lock.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

enum FtpPermission { FTP_PERM_READ = 0, FTP_PERM_WRITE = 1, FTP_PERM_LIST = 2, FTP_PERM_ADMIN = 3 };

// Mask bits of an account's permissions, in the order of FtpPermission.
enum { FTP_MASK_READ = 1, FTP_MASK_WRITE = 2, FTP_MASK_LIST = 4, FTP_MASK_ADMIN = 8 };

struct FtpMountNode {
    FtpMountNode* parent = nullptr;
    std::string name;
    std::string localPath;  // empty: only a step on the way to deeper mounts
    std::vector<std::unique_ptr<FtpMountNode>> children;  // in the order added
};

struct FtpPermissionNode {
    FtpPermissionNode* parent = nullptr;
    std::string name;
    int values[4] = {-1, -1, -1, -1};  // 1 allowed, 0 denied, -1 not set here
    std::vector<std::unique_ptr<FtpPermissionNode>> children;
};

struct FtpUser {
    std::string password;
    FtpMountNode mountRoot;
    FtpPermissionNode permissionRoot;
};

class FtpUserTable {
public:
    // False when the account exists already.
    bool AddUser(const std::string& name, const std::string& password);
    bool SetPassword(const std::string& name, const std::string& password);
    bool CheckPassword(const std::string& name, const std::string& password) const;
    const FtpMountNode* GetMountRoot(const std::string& name) const;
    const FtpPermissionNode* GetPermissionRoot(const std::string& name) const;
    bool SetPermissions(const std::string& name, const std::string& path, int mask);
    // Refused when the local folder does not exist.
    bool Mount(const std::string& name, const std::string& path, const std::string& localPath);

private:
    std::map<std::string, FtpUser> m_users;  // names compared byte for byte
};

// 1 allowed, 0 denied, -1 nothing on the path sets the kind.
int CheckPermission(const FtpPermissionNode* root, const std::string& path, int kind);
void SetPermissionValue(FtpPermissionNode* root, const std::string& path, int kind, int value);
void MountInsert(FtpMountNode* root, const std::string& path, const std::string& localPath);

// The local path of a virtual path: the deepest mounted folder on the way,
// followed by the rest of the path with backslashes. False when nothing on
// the way is mounted or a part is unsafe on Windows (a search pattern may
// hold wildcards in its last part when allowed).
bool ResolvePath(const FtpMountNode* root, const std::string& path, std::string& local, bool allowWildcards = false);
const FtpMountNode* FindMountNode(const FtpMountNode* root, const std::string& path);
