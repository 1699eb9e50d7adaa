#ifdef _WIN32

#include "SystemFiles.h"

#include "WolfStream.h"

#include <string>
#include <windows.h>

namespace wolf::systemfiles {

namespace {

[[noreturn]] void RaiseSystemError(const std::string& action, const std::string& path)
{
    throw EStreamError("Cannot " + action + " \"" + path + "\". " + LastErrorText());
}

// A second name shares the file's sharing: while another program holds the file open
// without letting others delete it, the new name could be neither renamed nor removed.
bool DeletionShared(const std::string& path)
{
    const HANDLE handle =
        CreateFileW(WidePath(path).c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return GetLastError() != ERROR_SHARING_VIOLATION;
    CloseHandle(handle);
    return true;
}

}  // namespace

std::wstring WidePath(const std::string& path)
{
    const int size = static_cast<int>(path.size());
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, path.data(), size, wide.data(), n);
    return wide;
}

std::string LastErrorText()
{
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, GetLastError(), 0, text,
                   sizeof text, nullptr);
    std::string reason = text;
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
    return reason;
}

void CreateEmpty(const std::string& path)
{
    const HANDLE handle =
        CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    if (CreateHardLinkW(WidePath(newName).c_str(), WidePath(existing).c_str(), nullptr)) return true;
    const DWORD code = GetLastError();
    if (code == ERROR_NOT_SUPPORTED || code == ERROR_INVALID_FUNCTION || code == ERROR_TOO_MANY_LINKS ||
        code == ERROR_NOT_SAME_DEVICE)
        return false;
    RaiseSystemError("link", existing);
}

void ReplaceDurably(const std::string& from, const std::string& to)
{
    if (!MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseSystemError("rename", from);
}

void RemoveIfExists(const std::string& path)
{
    if (!DeleteFileW(WidePath(path).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        RaiseSystemError("delete", path);
}

}  // namespace wolf::systemfiles

#endif
