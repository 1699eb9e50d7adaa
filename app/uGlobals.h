// Where the settings live and how instances find each other.
#pragma once

#include <QString>

namespace globals {

// Fixed on first use: the environment variable KARAVEL_SETTINGS when set (tests run the
// real program against a temporary file with it), otherwise platform::DefaultSettingsFileName().
extern QString SettingsFileName;
const QString& SettingsFile();
// The name under which instances find each other: "Karavel", or one of its own for a
// settings file named by KARAVEL_SETTINGS, so that such a run stays apart from the user's.
QString InstanceName();

// Reads AllowOneInstance alone, before the single-instance check.
bool ReadAllowOneInstance();

}  // namespace globals
