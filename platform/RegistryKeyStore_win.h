// The key store over a registry key, HKEY_CLASSES_ROOT unless told otherwise, each access
// with full rights and released at once.
#pragma once

#include "KeyStore.h"

struct HKEY__;
typedef HKEY__* HKEY;  // as <windows.h> declares it, which this header spares its users

namespace platform {

class TRegistryKeyStore : public TKeyStore {
public:
    TRegistryKeyStore();
    // The root stays the caller's to close.
    explicit TRegistryKeyStore(HKEY root) : FRoot(root) {}

    void CreateKey(const std::string& path) override;
    TDefaultValue ReadDefaultValue(const std::string& path) const override;
    void WriteDefaultValue(const std::string& path, const std::string& text) override;
    bool HasSubKey(const std::string& path, const std::string& name) const override;
    void AnnounceChange() override;

private:
    HKEY FRoot;
};

}  // namespace platform
