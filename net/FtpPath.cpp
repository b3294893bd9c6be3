#include "net/FtpPath.h"

#include "shell/SafePath.h"

#include <vector>

std::string NormalizePath(const std::string& text) {
    std::string out;
    size_t i = 0, n = text.size();
    auto isSep = [](char c) { return c == '/' || c == '\\'; };
    while (i < n) {
        if (isSep(text[i])) {
            if (out.empty() || out.back() != '/') out += '/';
            ++i;
            continue;
        }
        size_t j = i;
        while (j < n && !isSep(text[j])) ++j;
        std::string part = text.substr(i, j - i);
        if (part == ".") {
            // The part goes with the slash before it, except the root's own.
            if (!out.empty() && out.back() == '/' && out.size() > 1) out.pop_back();
        } else if (part == "..") {
            // Drop the part before, keeping the slash in front of it.
            if (out.size() > 1 && out.back() == '/') {
                out.pop_back();
                size_t slash = out.rfind('/');
                out.erase(slash == std::string::npos ? 0 : slash + 1);
            }
        } else {
            out += part;
        }
        i = j;
    }
    return out;
}

std::string JoinPath(const std::string& current, const std::string& argument) {
    if (!argument.empty() && argument[0] == '/') return NormalizePath(argument);
    return NormalizePath(current + "/" + argument);
}

bool MatchWildcard(const std::string& pattern, const std::string& name) {
    if (pattern.empty()) return true;
    // Greedy walk that returns only to the last '*': a later star makes every
    // earlier choice final, so no pattern can make this backtrack further.
    size_t p = 0, s = 0, star = std::string::npos, mark = 0;
    while (s < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = s;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || ((unsigned char)pattern[p] | 0x20) == ((unsigned char)name[s] | 0x20))) {
            ++p;
            ++s;
        } else if (star != std::string::npos) {
            p = star + 1;
            s = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool IsSafeVirtualPath(const std::string& path, bool allowWildcards) {
    size_t i = 0, n = path.size();
    while (i < n) {
        if (path[i] == '/') {
            ++i;
            continue;
        }
        size_t j = path.find('/', i);
        if (j == std::string::npos) j = n;
        CString part(CStringA(path.substr(i, j - i).c_str()));
        if (allowWildcards && j == n) {
            // A pattern's wildcards stand for safe names; judge the rest.
            part.Replace(L'*', L'x');
            part.Replace(L'?', L'x');
        }
        if (!IsSafeFileName(part)) return false;
        i = j;
    }
    return true;
}
