#include "uGlobals.h"
#include "uZoomEntries.h"

#include "IniFile.h"

#include <QHash>
#include <algorithm>

namespace globals {

bool AllowOneInstance = true;
bool AutoHideTOC = false;
int DefScaleIdx = 4;
int MonitorType = 0;
int MonitorWidth = 360;
int MonitorHeight = 270;
QByteArray TextEncoding = "auto";
int PosTop = 100;
int PosLeft = 20;
int Width = 450;
int Height = 520;
bool ResumeReading = false;
TReadingPositions ReadingPositions;

QString SettingsFileName;

namespace {
const QString Config = QStringLiteral("Config");
const QString MainWindow = QStringLiteral("MainWindow");
const QString MRUList = QStringLiteral("MRUList");
const QString Reading = QStringLiteral("Reading");
const QString LastPages = QStringLiteral("LastPages");

QString RecentKey(int number) { return QStringLiteral("MRU%1").arg(number); }
QString BookKey(int number) { return QStringLiteral("Book%1").arg(number); }

void LoadReadingPositions(const platform::TIniFile& ini)
{
    QList<TReadingPosition> entries;
    for (int n = 1; n <= TReadingPositions::MaxBooks; ++n)
        if (const auto entry = TReadingPositions::Decode(ini.ReadString(LastPages, BookKey(n), QString())))
            entries.append(*entry);
    ReadingPositions.SetEntries(entries);
}

void SaveReadingPositions(platform::TIniFile& ini)
{
    const QList<TReadingPosition>& entries = ReadingPositions.Entries();
    QList<std::pair<QString, QString>> values;
    QStringList removed;
    for (int n = 1; n <= TReadingPositions::MaxBooks; ++n) {
        if (n <= entries.size())
            values.append({BookKey(n), TReadingPositions::Encode(entries[n - 1])});
        else
            removed.append(BookKey(n));
    }
    ini.WriteKeys(LastPages, values, removed);
}
}  // namespace

const QString& SettingsFile()
{
    if (SettingsFileName.isEmpty()) {
        const QString overridden = qEnvironmentVariable("KARAVEL_SETTINGS");
        SettingsFileName = overridden.isEmpty() ? platform::DefaultSettingsFileName() : overridden;
    }
    return SettingsFileName;
}

QString InstanceName()
{
    const QString overridden = qEnvironmentVariable("KARAVEL_SETTINGS");
    if (overridden.isEmpty()) return QStringLiteral("Karavel");
    return QStringLiteral("Karavel-%1").arg(qHash(overridden), 0, 16);
}

bool ReadAllowOneInstance()
{
    return platform::TIniFile(SettingsFile()).ReadBool(Config, QStringLiteral("AllowOneInstance"), true);
}

void LoadSettings(QStringList& recentFiles)
{
    const platform::TIniFile ini(SettingsFile());
    AllowOneInstance = ini.ReadBool(Config, QStringLiteral("AllowOneInstance"), true);
    AutoHideTOC = ini.ReadBool(Config, QStringLiteral("AutoHideTOC"), false);
    DefScaleIdx = std::clamp(ini.ReadInteger(Config, QStringLiteral("DefScaleIdx"), 4), 0, zoom::EntryCount - 1);
    MonitorType = ini.ReadInteger(Config, QStringLiteral("MonitorType"), 0);
    MonitorWidth = std::max(ini.ReadInteger(Config, QStringLiteral("MonitorWidth"), 360), MinMonitorSize);
    MonitorHeight = std::max(ini.ReadInteger(Config, QStringLiteral("MonitorHeight"), 270), MinMonitorSize);
    TextEncoding = ini.ReadString(Config, QStringLiteral("TextEncoding"), QStringLiteral("auto")).toLatin1();
    PosTop = ini.ReadInteger(MainWindow, QStringLiteral("PosTop"), 100);
    PosLeft = ini.ReadInteger(MainWindow, QStringLiteral("PosLeft"), 20);
    Width = ini.ReadInteger(MainWindow, QStringLiteral("Width"), 450);
    Height = ini.ReadInteger(MainWindow, QStringLiteral("Height"), 520);

    recentFiles.clear();
    for (int n = 1; n <= MaxRecentFiles; ++n) {
        const QString path = ini.ReadString(MRUList, RecentKey(n), QString());
        if (!path.isEmpty()) recentFiles.append(path);
    }
    ResumeReading = ini.ReadBool(Reading, QStringLiteral("ResumeReading"), false);
    ReadingPositions = TReadingPositions();
    if (ResumeReading) LoadReadingPositions(ini);
}

void SaveSettings(const QStringList& recentFiles)
{
    platform::TIniFile ini(SettingsFile());
    ini.WriteBool(Config, QStringLiteral("AllowOneInstance"), AllowOneInstance);
    ini.WriteBool(Config, QStringLiteral("AutoHideTOC"), AutoHideTOC);
    ini.WriteInteger(Config, QStringLiteral("DefScaleIdx"), DefScaleIdx);
    ini.WriteInteger(Config, QStringLiteral("MonitorType"), MonitorType);
    ini.WriteInteger(Config, QStringLiteral("MonitorWidth"), MonitorWidth);
    ini.WriteInteger(Config, QStringLiteral("MonitorHeight"), MonitorHeight);
    ini.WriteString(Config, QStringLiteral("TextEncoding"), QString::fromLatin1(TextEncoding));
    ini.WriteInteger(MainWindow, QStringLiteral("PosTop"), PosTop);
    ini.WriteInteger(MainWindow, QStringLiteral("PosLeft"), PosLeft);
    ini.WriteInteger(MainWindow, QStringLiteral("Height"), Height);
    ini.WriteInteger(MainWindow, QStringLiteral("Width"), Width);
    for (int n = 1; n <= MaxRecentFiles; ++n) {
        if (n <= recentFiles.size())
            ini.WriteString(MRUList, RecentKey(n), recentFiles[n - 1]);
        else
            ini.DeleteKey(MRUList, RecentKey(n));
    }
    ini.WriteBool(Reading, QStringLiteral("ResumeReading"), ResumeReading);
    // Off, the program keeps no trace of what was read.
    if (ResumeReading) SaveReadingPositions(ini);
}

}  // namespace globals
