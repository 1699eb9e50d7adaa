// The viewer in its readers' languages: the language follows the locale, and no text of the
// menus, toolbars, dialogs and the book maker is left in English.
#include "ErrorReport.h"
#include "ErrorTexts.h"
#include "TestBooks.h"
#include "Translations.h"
#include "fMain.h"
#include "fMakeBook.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

namespace {
// The texts a reader sees in the window and its dialogs (all children of the window), tooltips,
// placeholders and column titles included.
QStringList VisibleTexts(QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (QObject* object : window.findChildren<QObject*>()) {
        if (auto* widget = qobject_cast<QWidget*>(object)) {  // the menus', toolbars' and windows' actions
            texts << widget->toolTip();
            for (const QAction* action : widget->actions()) texts << action->text() << action->toolTip();
        }
        if (auto* menu = qobject_cast<QMenu*>(object)) texts << menu->title();
        if (auto* label = qobject_cast<QLabel*>(object)) texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(object)) texts << button->text();
        if (auto* toolbar = qobject_cast<QToolBar*>(object)) texts << toolbar->windowTitle();
        if (auto* list = qobject_cast<QComboBox*>(object))
            for (int i = 0; i < list->count(); ++i)
                if (list->itemData(i).toString() != list->itemText(i)) texts << list->itemText(i);  // not a codec name
        if (auto* tabs = qobject_cast<QTabWidget*>(object))
            for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
        if (auto* edit = qobject_cast<QLineEdit*>(object)) texts << edit->placeholderText();
        if (auto* spin = qobject_cast<QSpinBox*>(object)) texts << spin->suffix();
        if (auto* tree = qobject_cast<QTreeWidget*>(object))
            for (int i = 0; i < tree->columnCount(); ++i) texts << tree->headerItem()->text(i);
        if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow()) texts << widget->windowTitle();
    }
    texts.removeIf([](const QString& text) {
        // Names and numbers read the same in every language.
        static const QStringList names{"Karavel", "ISBN", "ISBN:"};
        return names.contains(text.trimmed()) ||
               std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
    });
    return texts;
}
}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void TheLanguageFollowsTheLocale()
    {
        QCOMPARE(app::TranslationName(QLocale("zh_CN")), QStringLiteral("zh_CN"));
        QCOMPARE(app::TranslationName(QLocale("zh_SG")), QStringLiteral("zh_CN"));
        QCOMPARE(app::TranslationName(QLocale("zh_TW")), QStringLiteral("zh_TW"));
        QCOMPARE(app::TranslationName(QLocale("zh_HK")), QStringLiteral("zh_TW"));
        QCOMPARE(app::TranslationName(QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::China)),
                 QStringLiteral("zh_TW"));
        QCOMPARE(app::TranslationName(QLocale("ru_UA")), QStringLiteral("ru"));
        QCOMPARE(app::TranslationName(QLocale("de_DE")), QString());
        QCOMPARE(app::TranslationName(QLocale("ja_JP")), QString());
    }

    void EveryTextIsTranslated_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pageLabel");
        QTest::newRow("zh_CN") << "zh_CN" << QStringLiteral("第 2 页，共 3 页");
        QTest::newRow("zh_TW") << "zh_TW" << QStringLiteral("第 2 頁，共 3 頁");
        QTest::newRow("ru") << "ru_RU" << QStringLiteral("Страница 2 из 3");
    }

    void EveryTextIsTranslated()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pageLabel);
        testbooks::TSandbox sandbox;
        app::InstallTranslations(QLocale::c());
        QStringList english;
        {
            TfrmMain window;
            window.Common().actFileMakeBook->trigger();
            english = VisibleTexts(window);
        }
        QVERIFY(english.contains("Fit Width"));
        QVERIFY(english.contains("Crop blank margins"));

        app::InstallTranslations(QLocale(locale));
        TfrmMain window;
        window.Common().actFileMakeBook->trigger();
        QStringList untranslated = VisibleTexts(window);
        untranslated.removeIf([&](const QString& text) { return !english.contains(text); });
        QCOMPARE(untranslated, QStringList());
        QVERIFY(window.ScaleList()->itemText(10) != QStringLiteral("Fit Width"));

        window.OpenBook(sandbox.Write("book.wol", testbooks::BookWithPages(3, false)));
        window.ShowPage(1);
        QCOMPARE(window.PageLabel()->text(), pageLabel);
        window.ShowPage(5);
        dialogs::Guarded([&] { window.OpenBook(sandbox.Path("missing.wol")); });
        QCOMPARE(sandbox.Boxes.Texts().size(), 1);
        QVERIFY(!sandbox.Boxes.Texts()[0].startsWith("Cannot open file"));
        QVERIFY(sandbox.Boxes.Texts()[0].contains(sandbox.Path("missing.wol")));
        // The maker's failures come from the making library, in English.
        auto* maker = window.findChild<dialogs::TfrmMakeBook*>();
        maker->AddSources({sandbox.Path("missing.pdf")});
        QVERIFY(maker->lblStatus->text().contains(sandbox.Path("missing.pdf")));
        QVERIFY2(!maker->lblStatus->text().contains("open") && !maker->lblStatus->text().contains("No such"),
                 qPrintable(maker->lblStatus->text()));
        app::InstallTranslations(QLocale::c());
    }

    void LibraryMessagesAreLookedUpByTheirEnglishText()
    {
        app::InstallTranslations(QLocale("ru_RU"));
        // The path is copied as it stands, "%2" in it included.
        QCOMPARE(dialogs::TranslatedErrorText("Cannot open file \"/books/50%2.wol\". No such file"),
                 QStringLiteral("Не удается открыть файл «/books/50%2.wol». No such file"));
        QCOMPARE(dialogs::TranslatedErrorText("Bad Wolf page table"),
                 QStringLiteral("Повреждена таблица страниц Wolf"));
        QCOMPARE(dialogs::TranslatedErrorText("Something new"), QStringLiteral("Something new"));
        app::InstallTranslations(QLocale("zh_CN"));
        QCOMPARE(dialogs::WithFullStop(dialogs::TranslatedErrorText("This is not a Wolf file")),
                 QStringLiteral("这不是 Wolf 文件。"));
        QCOMPARE(dialogs::WithFullStop(QStringLiteral("读取 Wolf 文件时出错！")),
                 QStringLiteral("读取 Wolf 文件时出错！"));
        app::InstallTranslations(QLocale::c());
        QCOMPARE(dialogs::WithFullStop("Bad Wolf catalog"), QStringLiteral("Bad Wolf catalog."));
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
