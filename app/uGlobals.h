// Program-wide settings, named like their keys in the settings file.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "uReadingPositions.h"

namespace globals {

// "Config"
extern bool AllowOneInstance;   // true
extern bool AutoHideTOC;        // false
extern int DefScaleIdx;         // 4 ("100%"), 0..10 (9, 10 the fitting entries)
extern int MonitorType;         // 0 ("Custom...")
extern int MonitorWidth;        // 360 mm, at least 5
extern int MonitorHeight;       // 270 mm, at least 5
extern QByteArray TextEncoding; // "auto", or the name of the books' encoding
// "MainWindow"
extern int PosTop;   // 100
extern int PosLeft;  // 20
extern int Width;    // 450
extern int Height;   // 520
// "Reading", after the classic sections
extern bool ResumeReading;  // false: books open on their cover or first page
// "LastPages", Book1 to Book100, most recent first; kept only while ResumeReading is on
extern TReadingPositions ReadingPositions;

// Fixed on first use: the environment variable KARAVEL_SETTINGS when set (tests run the
// real program against a temporary file with it), otherwise platform::DefaultSettingsFileName().
extern QString SettingsFileName;
const QString& SettingsFile();
// The name under which instances find each other: "Karavel", or one of its own for a
// settings file named by KARAVEL_SETTINGS, so that such a run stays apart from the user's.
QString InstanceName();

constexpr int MinMonitorSize = 5;   // mm, as the preferences dialog enforces
constexpr int MaxRecentFiles = 5;

// Reads AllowOneInstance alone, before the single-instance check.
bool ReadAllowOneInstance();
// Every key, clamped to sane ranges; refills the recent-files list.
void LoadSettings(QStringList& recentFiles);
// Raises platform::EIniWriteError ("Unable to write to %s") at the first key it cannot write.
void SaveSettings(const QStringList& recentFiles);

}  // namespace globals
