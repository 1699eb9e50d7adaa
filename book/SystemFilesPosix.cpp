#ifndef _WIN32

#include "SystemFiles.h"

#include "WolfStream.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace wolf::systemfiles {

namespace {

[[noreturn]] void RaiseSystemError(const std::string& action, const std::string& path)
{
    throw EStreamError("Cannot " + action + " \"" + path + "\". " + std::strerror(errno));
}

std::string FolderOf(const std::string& path)
{
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

}  // namespace

// Empty, so readable by all it gives nothing away before CopyPermissions; a new book that
// replaces none keeps what the user's umask allows, as any new file.
void CreateEmpty(const std::string& path)
{
    const int handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (handle < 0) RaiseSystemError("create file", path);
    ::close(handle);
}

void CopyPermissions(const std::string& from, const std::string& to)
{
    struct stat status {};
    if (::stat(from.c_str(), &status) == 0) ::chmod(to.c_str(), status.st_mode & 07777);
}

bool HardLink(const std::string& existing, const std::string& newName)
{
    if (::link(existing.c_str(), newName.c_str()) == 0) return true;
    // File systems without hard links (FAT, some network shares) answer with these.
    if (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP || errno == EMLINK || errno == EXDEV) return false;
    RaiseSystemError("link", existing);
}

void ReplaceDurably(const std::string& from, const std::string& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0) RaiseSystemError("rename", from);
    // The rename lives in the folder's entries; some file systems cannot sync a folder, and
    // the rename has happened either way, so a failure here is not reported.
    const int folder = ::open(FolderOf(to).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

void RemoveIfExists(const std::string& path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) RaiseSystemError("delete", path);
}

}  // namespace wolf::systemfiles

#endif
