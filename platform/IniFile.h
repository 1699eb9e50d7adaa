// A settings file with the semantics of a Windows profile file: sections and keys stay in
// the order they were first written, comments and unknown keys survive, every write goes
// to the disk at once.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <utility>

namespace platform {

// "Unable to write to %s" with the file's path.
class EIniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TIniFile {
public:
    explicit TIniFile(QString path);
    const QString& FileName() const { return FPath; }

    // At most 2047 characters come back.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x"/"0X"/"$"; anything else gives the default.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Raise EIniWriteError when the file cannot be written.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);  // "1" / "0"
    // Silent when the key or the file cannot be changed.
    void DeleteKey(const QString& section, const QString& key);
    // Many keys of one section in a single write (a long list would otherwise rewrite the
    // file once a key): sets values, in their order, and removes the keys named in removed.
    void WriteKeys(const QString& section, const QList<std::pair<QString, QString>>& values,
                   const QStringList& removed);

private:
    QString FPath;
};

// A number as ReadInteger reads it: decimal, or hexadecimal after "0x"/"0X"/"$".
std::optional<int> ParseIniInteger(const QString& text);

// <program>.ini beside the executable, or in the user's configuration folder when the
// program's folder is not writable (an installed program).
QString DefaultSettingsFileName();

}  // namespace platform
