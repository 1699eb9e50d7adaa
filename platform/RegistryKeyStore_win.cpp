#include "RegistryKeyStore_win.h"

#include <windows.h>

#include <string>

namespace platform {

namespace {

std::wstring Wide(const std::string& text)
{
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(size_t(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), n);
    return wide;
}

std::string Narrow(const std::wstring& text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), narrow.data(), n, nullptr, nullptr);
    return narrow;
}

// An open key, closed when it goes out of scope.
class TOpenKey {
public:
    TOpenKey(HKEY root, const std::string& path)
    {
        if (RegCreateKeyExW(root, Wide(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &FKey, nullptr) !=
            ERROR_SUCCESS)
            throw std::runtime_error("Failed to create key '" + path + "'");
    }
    ~TOpenKey() { RegCloseKey(FKey); }
    TOpenKey(const TOpenKey&) = delete;
    TOpenKey& operator=(const TOpenKey&) = delete;
    HKEY Handle() const { return FKey; }

private:
    HKEY FKey = nullptr;
};

}  // namespace

TRegistryKeyStore::TRegistryKeyStore() : FRoot(HKEY_CLASSES_ROOT) {}

void TRegistryKeyStore::CreateKey(const std::string& path)
{
    TOpenKey key(FRoot, path);
}

TDefaultValue TRegistryKeyStore::ReadDefaultValue(const std::string& path) const
{
    TOpenKey key(FRoot, path);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Handle(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {TDefaultValue::TKind::NotText, {}};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = DWORD(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.Handle(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &bytes) !=
        ERROR_SUCCESS)
        return {};
    text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
    return {TDefaultValue::TKind::Text, Narrow(text)};
}

void TRegistryKeyStore::WriteDefaultValue(const std::string& path, const std::string& text)
{
    TOpenKey key(FRoot, path);
    const std::wstring value = Wide(text);
    const auto bytes = DWORD((value.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key.Handle(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) !=
        ERROR_SUCCESS)
        throw std::runtime_error("Failed to set data for ''");
}

bool TRegistryKeyStore::HasSubKey(const std::string& path, const std::string& name) const
{
    HKEY subKey = nullptr;
    if (RegOpenKeyExW(FRoot, Wide(path + '\\' + name).c_str(), 0, KEY_READ, &subKey) != ERROR_SUCCESS) return false;
    RegCloseKey(subKey);
    return true;
}

void TRegistryKeyStore::AnnounceChange()
{
    DWORD_PTR result = 0;
    // The wide call: Windows hands the text on to every window in its own kind of characters,
    // which Wine does not do for the 8-bit call.
    SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, SPI_SETNONCLIENTMETRICS,
                        reinterpret_cast<LPARAM>(L"WindowMetrics"), SMTO_ABORTIFHUNG, 10000, &result);
}

}  // namespace platform
