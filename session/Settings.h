// The program's settings: each one declared once, with its place in the settings file, its
// default and its limits, and one object that holds them and tells when they change.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <vector>

namespace settings {

constexpr int MinMonitorSize = 5;  // mm; "1:1" needs a real size
constexpr int MaxRecentFiles = 5;

// A setting that a later part of the program declares (the book maker's options), held as
// the text the file has: its owner reads and checks it. Such sections come after the others.
struct TTextRow {
    QString Section;
    QString Key;
    QString Default;
};

// Every setting, named like its key; a default-made value holds the declared defaults.
struct TSettingValues {
    TSettingValues();

    // "Config"
    bool AllowOneInstance;
    bool AutoHideTOC;
    int DefScaleIdx;          // entry of the zoom list (ZoomEntries.h)
    int MonitorType;          // entry of the preferences' screen list
    int MonitorWidth;         // mm
    int MonitorHeight;        // mm
    QByteArray TextEncoding;  // "auto", or the name of the books' encoding
    // "MainWindow"
    int PosTop;
    int PosLeft;
    int Height;
    int Width;
    // "Reading"
    bool ResumeReading;  // reopen books at the page last read (their positions: TReadingPositions)
    // The text rows' values, by section and key, in the order they were declared or set.
    QString Text(const QString& section, const QString& key) const;
    void SetText(const QString& section, const QString& key, const QString& value);
    struct TText {
        QString Section, Key, Value;
        bool operator==(const TText&) const = default;
    };
    std::vector<TText> Texts;

    bool operator==(const TSettingValues&) const = default;
};

class TSettings : public QObject {
    Q_OBJECT
public:
    // rows: the text rows other parts declare, read and written after the settings' own.
    explicit TSettings(QString fileName, std::vector<TTextRow> rows = {}, QObject* parent = nullptr);

    const QString& FileName() const { return FFileName; }
    const TSettingValues& Values() const { return FValues; }
    // Emits Changed when any value differs.
    void SetValues(const TSettingValues& values);

    // Every key, integers held to their limits; refills recentFiles from "MRUList".
    void Load(QStringList& recentFiles);
    // Every key in declaration order, so a new file keeps that order; raises
    // platform::EIniWriteError ("Unable to write to %s") at the first key it cannot write.
    void Save(const QStringList& recentFiles) const;

    // AllowOneInstance alone, before the single-instance check.
    static bool ReadAllowOneInstance(const QString& fileName);

signals:
    void Changed(const settings::TSettingValues& previous);

private:
    QString FFileName;
    std::vector<TTextRow> FRows;
    TSettingValues FValues;
};

}  // namespace settings
