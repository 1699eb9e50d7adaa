#include "uGlobals.h"

#include "IniFile.h"
#include "Settings.h"

#include <QHash>

namespace globals {

QString SettingsFileName;

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
    return settings::TSettings::ReadAllowOneInstance(SettingsFile());
}

}  // namespace globals
