// Virtual paths of the file-share server: every path a client names is made
// absolute and canonical here before it meets the account's mount tree, and
// the wildcard match used by directory searches. Paths are narrow strings in
// the thread's ANSI code page, as the server's file calls use them.
#pragma once

#include <string>

// Backslashes become slashes, runs of slashes collapse, "." parts go and
// ".." removes the part before it but never climbs above the root. A
// trailing slash stays. Other parts stay exactly as written.
std::string NormalizePath(const std::string& text);

// An argument that begins with '/' stands alone; any other is taken below
// the current directory. The result is normalised.
std::string JoinPath(const std::string& current, const std::string& argument);

// '*' matches any run (also none), '?' exactly one character, other
// characters match ignoring ASCII case; an empty pattern matches everything.
// Runs in time proportional to pattern times name, whatever the pattern.
bool MatchWildcard(const std::string& pattern, const std::string& name);

// True when every part of a normalised virtual path is a name Windows takes
// literally (no streams, devices, control characters, trailing dots or
// blanks). With allowWildcards the last part may hold '*' and '?', as a
// search pattern does.
bool IsSafeVirtualPath(const std::string& path, bool allowWildcards = false);
