// A key store in memory, with keys that refuse to open and values that refuse to be written.
#pragma once

#include "KeyStore.h"

#include <map>
#include <set>

class TMemoryKeyStore : public platform::TKeyStore {
public:
    void CreateKey(const std::string& path) override;
    platform::TDefaultValue ReadDefaultValue(const std::string& path) const override;
    void WriteDefaultValue(const std::string& path, const std::string& text) override;
    bool HasSubKey(const std::string& path, const std::string& name) const override;
    void AnnounceChange() override { ++FAnnouncements; }

    void SetDefaultValue(const std::string& path, const platform::TDefaultValue& value);
    // Every key with its default value, one per line, in key order.
    std::string Dump() const;

    std::set<std::string> FLocked;    // lower-case keys that cannot be opened or created
    std::set<std::string> FReadOnly;  // lower-case keys whose values cannot be written
    int FAnnouncements = 0;

private:
    std::map<std::string, platform::TDefaultValue> FKeys;  // by lower-case path
};
