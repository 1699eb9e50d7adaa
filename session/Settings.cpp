#include "Settings.h"

#include "IniFile.h"
#include "ZoomEntries.h"

#include <algorithm>
#include <climits>
#include <variant>

namespace settings {

namespace {

using V = TSettingValues;

struct TBoolSetting {
    bool V::*Field;
    bool Default;
};
struct TIntSetting {
    int V::*Field;
    int Default;
    int Min = INT_MIN;
    int Max = INT_MAX;
};
struct TTextSetting {
    QByteArray V::*Field;
    const char* Default;
};
// The recent-files list, keys Prefix1 to PrefixN, the most recent first.
struct TRecentFilesSetting {
    const char* Prefix;
};

struct TSetting {
    const char* Section;
    const char* Key;
    std::variant<TBoolSetting, TIntSetting, TTextSetting, TRecentFilesSetting> Kind;
};

// In the order the file holds them. Settings of later features go after "MRUList", in
// sections of their own.
const TSetting Declared[] = {
    {"Config", "AllowOneInstance", TBoolSetting{&V::AllowOneInstance, true}},
    {"Config", "AutoHideTOC", TBoolSetting{&V::AutoHideTOC, false}},
    {"Config", "DefScaleIdx", TIntSetting{&V::DefScaleIdx, 4, 0, zoom::EntryCount - 1}},
    {"Config", "MonitorType", TIntSetting{&V::MonitorType, 0}},
    {"Config", "MonitorWidth", TIntSetting{&V::MonitorWidth, 360, MinMonitorSize}},
    {"Config", "MonitorHeight", TIntSetting{&V::MonitorHeight, 270, MinMonitorSize}},
    {"Config", "TextEncoding", TTextSetting{&V::TextEncoding, "auto"}},
    {"MainWindow", "PosTop", TIntSetting{&V::PosTop, 100}},
    {"MainWindow", "PosLeft", TIntSetting{&V::PosLeft, 20}},
    {"MainWindow", "Height", TIntSetting{&V::Height, 520}},
    {"MainWindow", "Width", TIntSetting{&V::Width, 450}},
    {"MRUList", nullptr, TRecentFilesSetting{"MRU"}},
    {"Reading", "ResumeReading", TBoolSetting{&V::ResumeReading, false}},
};

template <class... TVisitors>
struct TOverload : TVisitors... {
    using TVisitors::operator()...;
};
template <class... TVisitors>
TOverload(TVisitors...) -> TOverload<TVisitors...>;

QString RecentKey(const TRecentFilesSetting& list, int number)
{
    return QStringLiteral("%1%2").arg(QLatin1String(list.Prefix)).arg(number);
}

}  // namespace

TSettingValues::TSettingValues()
{
    for (const TSetting& setting : Declared)
        std::visit(
            TOverload{[this](const TBoolSetting& s) { this->*s.Field = s.Default; },
                      [this](const TIntSetting& s) { this->*s.Field = s.Default; },
                      [this](const TTextSetting& s) { this->*s.Field = s.Default; }, [](const TRecentFilesSetting&) {}},
            setting.Kind);
}

QString TSettingValues::Text(const QString& section, const QString& key) const
{
    for (const TText& text : Texts)
        if (text.Section == section && text.Key == key) return text.Value;
    return {};
}

void TSettingValues::SetText(const QString& section, const QString& key, const QString& value)
{
    for (TText& text : Texts)
        if (text.Section == section && text.Key == key) {
            text.Value = value;
            return;
        }
    Texts.push_back({section, key, value});
}

TSettings::TSettings(QString fileName, std::vector<TTextRow> rows, QObject* parent)
    : QObject(parent), FFileName(std::move(fileName)), FRows(std::move(rows))
{
    for (const TTextRow& row : FRows) FValues.SetText(row.Section, row.Key, row.Default);
}

void TSettings::SetValues(const TSettingValues& values)
{
    if (values == FValues) return;
    const TSettingValues previous = std::exchange(FValues, values);
    emit Changed(previous);
}

void TSettings::Load(QStringList& recentFiles)
{
    const platform::TIniFile ini(FFileName);
    TSettingValues values;
    for (const TSetting& setting : Declared) {
        const QString section = QLatin1String(setting.Section);
        const QString key = QLatin1String(setting.Key);
        std::visit(TOverload{[&](const TBoolSetting& s) { values.*s.Field = ini.ReadBool(section, key, s.Default); },
                             [&](const TIntSetting& s) {
                                 values.*s.Field = std::clamp(ini.ReadInteger(section, key, s.Default), s.Min, s.Max);
                             },
                             [&](const TTextSetting& s) {
                                 values.*s.Field = ini.ReadString(section, key, QLatin1String(s.Default)).toLatin1();
                             },
                             [&](const TRecentFilesSetting& s) {
                                 recentFiles.clear();
                                 for (int n = 1; n <= MaxRecentFiles; ++n) {
                                     const QString path = ini.ReadString(section, RecentKey(s, n), QString());
                                     if (!path.isEmpty()) recentFiles.append(path);
                                 }
                             }},
                   setting.Kind);
    }
    for (const TTextRow& row : FRows)
        values.SetText(row.Section, row.Key, ini.ReadString(row.Section, row.Key, row.Default));
    SetValues(values);
}

void TSettings::Save(const QStringList& recentFiles) const
{
    platform::TIniFile ini(FFileName);
    for (const TSetting& setting : Declared) {
        const QString section = QLatin1String(setting.Section);
        const QString key = QLatin1String(setting.Key);
        std::visit(TOverload{[&](const TBoolSetting& s) { ini.WriteBool(section, key, FValues.*s.Field); },
                             [&](const TIntSetting& s) { ini.WriteInteger(section, key, FValues.*s.Field); },
                             [&](const TTextSetting& s) {
                                 ini.WriteString(section, key, QString::fromLatin1(FValues.*s.Field));
                             },
                             [&](const TRecentFilesSetting& s) {
                                 for (int n = 1; n <= MaxRecentFiles; ++n) {
                                     if (n <= recentFiles.size())
                                         ini.WriteString(section, RecentKey(s, n), recentFiles[n - 1]);
                                     else
                                         ini.DeleteKey(section, RecentKey(s, n));
                                 }
                             }},
                   setting.Kind);
    }
    for (const TSettingValues::TText& text : FValues.Texts) ini.WriteString(text.Section, text.Key, text.Value);
}

bool TSettings::ReadAllowOneInstance(const QString& fileName)
{
    return platform::TIniFile(fileName).ReadBool(QStringLiteral("Config"), QStringLiteral("AllowOneInstance"),
                                                 TSettingValues().AllowOneInstance);
}

}  // namespace settings
