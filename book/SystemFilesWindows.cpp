#ifdef _WIN32

#include "SystemFiles.h"

#include "WolfStream.h"

#include <filesystem>
#include <string>
#include <windows.h>

namespace wolf::systemfiles {

namespace {

// Paths reach the library as UTF-8.
std::wstring Wide(const std::string& path)
{
    return std::filesystem::path(std::u8string(path.begin(), path.end())).wstring();
}

[[noreturn]] void RaiseSystemError(const std::string& action, const std::string& path)
{
    const DWORD code = GetLastError();
    char reason[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, reason,
                   sizeof reason, nullptr);
    throw EStreamError("Cannot " + action + " \"" + path + "\". " + reason);
}

// A second name shares the file's sharing: while another program holds the file open
// without letting others delete it, the new name could be neither renamed nor removed.
bool DeletionShared(const std::string& path)
{
    const HANDLE handle = CreateFileW(Wide(path).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError() != ERROR_SHARING_VIOLATION;
    CloseHandle(handle);
    return true;
}

}  // namespace

void CreateEmpty(const std::string& path)
{
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) RaiseSystemError("create file", path);
    CloseHandle(handle);
}

void CopyPermissions(const std::string&, const std::string&)
{
    // The new file inherits the folder's access control, as the book did.
}

bool HardLink(const std::string& existing, const std::string& newName)
{
    if (!DeletionShared(existing)) return false;
    if (CreateHardLinkW(Wide(newName).c_str(), Wide(existing).c_str(), nullptr)) return true;
    const DWORD code = GetLastError();
    if (code == ERROR_NOT_SUPPORTED || code == ERROR_INVALID_FUNCTION || code == ERROR_TOO_MANY_LINKS ||
        code == ERROR_NOT_SAME_DEVICE)
        return false;
    RaiseSystemError("link", existing);
}

void ReplaceDurably(const std::string& from, const std::string& to)
{
    if (!MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseSystemError("rename", from);
}

void RemoveIfExists(const std::string& path)
{
    if (!DeleteFileW(Wide(path).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        RaiseSystemError("delete", path);
}

}  // namespace wolf::systemfiles

#endif
