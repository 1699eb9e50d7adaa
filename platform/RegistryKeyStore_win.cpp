#include "RegistryKeyStore_win.h"

#include <windows.h>

#include <string>

namespace platform {

namespace {

std::wstring Wide(const QString& text)
{
    return text.toStdWString();
}

// An open key, closed when it goes out of scope.
class TOpenKey {
public:
    explicit TOpenKey(const QString& path)
    {
        if (RegCreateKeyExW(HKEY_CLASSES_ROOT, Wide(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &FKey, nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("Failed to create key '" + path.toStdString() + "'");
    }
    ~TOpenKey() { RegCloseKey(FKey); }
    TOpenKey(const TOpenKey&) = delete;
    TOpenKey& operator=(const TOpenKey&) = delete;
    HKEY Handle() const { return FKey; }

private:
    HKEY FKey = nullptr;
};

}  // namespace

void TRegistryKeyStore::CreateKey(const QString& path)
{
    TOpenKey key(path);
}

TDefaultValue TRegistryKeyStore::ReadDefaultValue(const QString& path) const
{
    TOpenKey key(path);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Handle(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return {};
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return {TDefaultValue::TKind::NotText, {}};
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = DWORD(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.Handle(), nullptr, nullptr, &type,
                         reinterpret_cast<BYTE*>(text.data()), &bytes) != ERROR_SUCCESS)
        return {};
    text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
    return {TDefaultValue::TKind::Text, QString::fromStdWString(text)};
}

void TRegistryKeyStore::WriteDefaultValue(const QString& path, const QString& text)
{
    TOpenKey key(path);
    const std::wstring value = Wide(text);
    const auto bytes = DWORD((value.size() + 1) * sizeof(wchar_t));
    if (RegSetValueExW(key.Handle(), nullptr, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()), bytes) != ERROR_SUCCESS)
        throw std::runtime_error("Failed to set data for ''");
}

bool TRegistryKeyStore::HasSubKey(const QString& path, const QString& name) const
{
    HKEY subKey = nullptr;
    const std::wstring full = Wide(path + u'\\' + name);
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, full.c_str(), 0, KEY_READ, &subKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(subKey);
    return true;
}

void TRegistryKeyStore::AnnounceChange()
{
    DWORD_PTR result = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, SPI_SETNONCLIENTMETRICS,
                        reinterpret_cast<LPARAM>("WindowMetrics"), SMTO_ABORTIFHUNG, 10000,
                        &result);
}

}  // namespace platform
