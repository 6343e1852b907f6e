#pragma once
// The platform operations behind CD, MD, RD, DEL, COPY and RENAME. Each
// answers false when the platform refuses, and then leaves the current
// directory and the files as the platform left them. Names are relative to
// the current directory unless they begin with "/".

#include <string>
#include <string_view>

namespace morvane {

// The current directory as the platform writes it.
std::string CurrentDirectory();

bool ChangeDirectory(const std::string& path);
// A directory that exists already is refused.
bool MakeDirectory(const std::string& path);
// Only an empty directory is removed; a file never is.
bool RemoveDirectory(const std::string& path);

// Deletes the named file, or, when the last part of the name holds "*" or
// "?", every file of that directory whose name matches it. Directories are
// never deleted and never searched: the match covers the one directory's own
// files. Refused when no file answers the name.
bool DeleteFiles(const std::string& name);

// Whether a file name matches a pattern: "*" stands for any run of
// characters (none included), "?" for exactly one, every other character for
// itself, upper and lower case told apart. A name that begins with "." (a
// hidden file) matches only a pattern that begins with ".".
bool MatchesWildcard(std::string_view pattern, std::string_view name);

// Copies a file to the second name; an existing file of that name is
// replaced, a directory is not.
bool CopyFile(const std::string& from, const std::string& to);
// Renames a file. Refused when the second name exists already, so that no
// file is lost to a rename.
bool RenameFile(const std::string& from, const std::string& to);

}  // namespace morvane
