// The program in its reader's language: Simplified Chinese, Traditional Chinese or Russian
// where the system asks for it, English otherwise.
#pragma once

#include <QLocale>
#include <QString>

namespace app {

// "zh_CN", "zh_TW", "ru", or empty for English (the texts in the code).
QString TranslationName(const QLocale& locale);
// Replaces the installed translations with the program's and Qt's own for the locale.
void InstallTranslations(const QLocale& locale);

}  // namespace app
