#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace app {

QString TranslationName(const QLocale& locale)
{
    if (locale.language() == QLocale::Chinese) {
        const bool traditional = locale.script() == QLocale::TraditionalChineseScript ||
                                 (locale.script() == QLocale::AnyScript &&
                                  (locale.territory() == QLocale::Taiwan || locale.territory() == QLocale::HongKong ||
                                   locale.territory() == QLocale::Macao));
        return traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    }
    if (locale.language() == QLocale::Russian) return QStringLiteral("ru");
    return {};
}

void InstallTranslations(const QLocale& locale)
{
    static std::unique_ptr<QTranslator> program, toolkit;
    for (auto* installed : {&program, &toolkit})
        if (*installed) QCoreApplication::removeTranslator(installed->get());
    program.reset();
    toolkit.reset();
    const QString name = TranslationName(locale);
    if (name.isEmpty()) return;
    program = std::make_unique<QTranslator>();
    if (program->load(QStringLiteral(":/i18n/karavel_%1.qm").arg(name)))
        QCoreApplication::installTranslator(program.get());
    // The toolkit's own texts (file dialogs, standard buttons), where the system has them.
    toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_%1").arg(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(toolkit.get());
}

}  // namespace app
