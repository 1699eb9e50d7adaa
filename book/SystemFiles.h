// The system calls behind SystemFileSystem, one implementation per platform.
// Each raises EStreamError with the system's reason when it fails.
#pragma once

#include <string>

namespace wolf::systemfiles {

// Creates an empty file; fails when one of that name exists.
void CreateEmpty(const std::string& path);
// Best effort: permission bits where the system has them.
void CopyPermissions(const std::string& from, const std::string& to);
// False, with nothing done, when the file system cannot link, or when a second name could
// not be renamed or removed while another program has the file open.
bool HardLink(const std::string& existing, const std::string& newName);
// Renames, replacing a file named to, and makes the new name durable.
void ReplaceDurably(const std::string& from, const std::string& to);
void RemoveIfExists(const std::string& path);

#ifdef _WIN32
// Paths reach the library as UTF-8; a name that is not valid UTF-8 becomes empty, which every
// system call refuses, rather than a look-alike name with replacement characters.
std::wstring WidePath(const std::string& path);
// The system's reason for the last failed call, without the trailing line break.
std::string LastErrorText();
#endif

}  // namespace wolf::systemfiles
