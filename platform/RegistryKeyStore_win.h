// The key store over HKEY_CLASSES_ROOT, each access with full rights and released at once.
#pragma once

#include "KeyStore.h"

namespace platform {

class TRegistryKeyStore : public TKeyStore {
public:
    void CreateKey(const QString& path) override;
    TDefaultValue ReadDefaultValue(const QString& path) const override;
    void WriteDefaultValue(const QString& path, const QString& text) override;
    bool HasSubKey(const QString& path, const QString& name) const override;
    void AnnounceChange() override;
};

}  // namespace platform
