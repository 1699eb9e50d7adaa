// A key store in memory, with keys that refuse to open and values that refuse to be written.
#pragma once

#include "KeyStore.h"

#include <QSet>
#include <map>

class TMemoryKeyStore : public platform::TKeyStore {
public:
    void CreateKey(const QString& path) override;
    platform::TDefaultValue ReadDefaultValue(const QString& path) const override;
    void WriteDefaultValue(const QString& path, const QString& text) override;
    bool HasSubKey(const QString& path, const QString& name) const override;
    void AnnounceChange() override { ++FAnnouncements; }

    void SetDefaultValue(const QString& path, const platform::TDefaultValue& value);
    // Every key with its default value, one per line, in key order.
    QString Dump() const;

    QSet<QString> FLocked;     // keys that cannot be opened or created
    QSet<QString> FReadOnly;   // keys whose values cannot be written
    int FAnnouncements = 0;

private:
    std::map<QString, platform::TDefaultValue> FKeys;  // by lower-case path
};
