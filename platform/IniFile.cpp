#include "IniFile.h"

#include "IniDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace platform {

namespace {

constexpr qsizetype MaxTextLength = 2047;

// Nothing when the file is missing; raises when it exists but cannot be read, because
// writing it back would then drop everything else it holds.
std::optional<TIniDocument> LoadDocument(const QString& path)
{
    QFile file(path);
    if (!file.exists()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) throw EIniWriteError(("Unable to write to " + path).toStdString());
    return TIniDocument::FromBytes(file.readAll());
}

std::optional<TIniDocument> TryLoadDocument(const QString& path)
{
    try {
        return LoadDocument(path);
    } catch (const EIniWriteError&) {
        return std::nullopt;
    }
}

// Written beside the file and renamed over it, so a crash never leaves half a file.
void StoreDocument(const QString& path, const TIniDocument& document)
{
    QSaveFile file(path);
    const QByteArray bytes = document.ToBytes();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EIniWriteError(("Unable to write to " + path).toStdString());
}

}  // namespace

std::optional<int> ParseIniInteger(const QString& text)
{
    QStringView digits(text);
    const bool negative = digits.startsWith(u'-');
    if (negative || digits.startsWith(u'+')) digits = digits.mid(1);
    int base = 10;
    if (digits.startsWith(u"0x", Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        base = 16;
    } else if (digits.startsWith(u'$')) {
        digits = digits.mid(1);
        base = 16;
    }
    if (digits.isEmpty() || digits.front() == u'+' || digits.front() == u'-') return std::nullopt;
    bool ok = false;
    const qlonglong magnitude = digits.toLongLong(&ok, base);
    // Hexadecimal spells the bits of a 32-bit value; decimal must fit as it stands.
    const qlonglong limit = base == 16 ? 0xFFFFFFFFLL : 0x80000000LL - (negative ? 0 : 1);
    if (!ok || magnitude > limit) return std::nullopt;
    const auto bits = static_cast<uint32_t>(negative ? -magnitude : magnitude);
    return static_cast<int>(bits);
}

namespace {

// Asking the file system is the only reliable test: folder attributes do not tell, on
// Windows, whether access rights let this user create files there.
bool CanCreateFilesIn(const QString& folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.karavel-probe-XXXXXX"));
    return probe.open();
}

}  // namespace

TIniFile::TIniFile(QString path) : FPath(std::move(path)) {}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    const std::optional<TIniDocument> document = TryLoadDocument(FPath);
    const std::optional<QString> value = document ? document->Value(section, key) : std::nullopt;
    return value.value_or(def).left(MaxTextLength);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    return ParseIniInteger(ReadString(section, key, QString())).value_or(def);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    TIniDocument document = LoadDocument(FPath).value_or(TIniDocument());
    document.SetValue(section, key, value);
    StoreDocument(FPath, document);
}

void TIniFile::WriteKeys(const QString& section, const QList<std::pair<QString, QString>>& values,
                         const QStringList& removed)
{
    TIniDocument document = LoadDocument(FPath).value_or(TIniDocument());
    for (const auto& [key, value] : values) document.SetValue(section, key, value);
    for (const QString& key : removed) document.RemoveKey(section, key);
    StoreDocument(FPath, document);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::DeleteKey(const QString& section, const QString& key)
{
    std::optional<TIniDocument> document = TryLoadDocument(FPath);
    if (!document || !document->RemoveKey(section, key)) return;
    try {
        StoreDocument(FPath, *document);
    } catch (const EIniWriteError&) {
        // A key that cannot be deleted is not worth a message.
    }
}

QString DefaultSettingsFileName()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString baseName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    if (CanCreateFilesIn(programDir)) return programDir + u'/' + baseName + QStringLiteral(".ini");
    const QString configDir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(configDir);
    return configDir + QStringLiteral("/karavel.ini");
}

}  // namespace platform
