// The book maker window driven offscreen: a PDF in, preview and settings following the
// options, a whole conversion, an e-book's description and contents, and a conversion stopped
// half-way that leaves nothing behind.
#include "GreyLevels.h"
#include "TestPdf.h"
#include "fMakeBook.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <set>

using dialogs::TfrmMakeBook;

namespace {

QString WritePdf(const QTemporaryDir& dir, const QString& name, const testing_pdf::TPdfContent& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(testing_pdf::MakePdf(content)) < 0) return {};
    return path;
}

}  // namespace

class MakeBookTest : public QObject {
    Q_OBJECT
private slots:
    void PdfThroughPreviewToFinishedBook()
    {
        QTemporaryDir dir;
        settings::TSettings settings(dir.filePath(QStringLiteral("karavel.ini")));
        testing_pdf::TPdfContent content;
        content.Pages = {QSizeF(612, 792), QSizeF(792, 612), QSizeF(612, 792)};
        content.Outline = {{QStringLiteral("Opening"), 1, {{QStringLiteral("Spread"), 2, {}}}},
                           {QStringLiteral("Closing"), 3, {}}};
        content.Title = QStringLiteral("Made Here");
        content.Author = QStringLiteral("A. Writer");
        const QString pdf = WritePdf(dir, QStringLiteral("source.pdf"), content);

        TfrmMakeBook window(settings);
        window.show();
        for (const making::TOptionDeclaration& option : making::OptionDeclarations())
            QVERIFY2(!window.OptionControl(option.Name) == (option.Page == making::TOptionPage::CommandLine),
                     option.Name);
        window.AddSources({pdf});
        QCOMPARE(window.edtFields[0]->text(), QStringLiteral("Made Here"));
        QCOMPARE(window.edtFields[2]->text(), QStringLiteral("A. Writer"));
        QCOMPARE(window.tvContents->topLevelItemCount(), 2);
        QCOMPARE(window.tvContents->topLevelItem(0)->child(0)->text(0), QStringLiteral("Spread"));

        // The preview follows the options, and the options go to the settings.
        QTRY_VERIFY(!window.Preview().Processed.isNull() && !window.IsPreviewing());
        qobject_cast<QComboBox*>(window.OptionControl("bits"))->setCurrentIndex(1);
        QCOMPARE(settings.Values().Text(QStringLiteral("MakeBook"), QStringLiteral("Bits")), QStringLiteral("1"));
        QTRY_VERIFY(!window.IsPreviewing());
        QCOMPARE(window.Preview().Processed.size(), QSize(600, 800));
        QCOMPARE(GreyLevels(window.Preview().Processed), (std::set<int>{0, 255}));

        const QString book = dir.filePath(QStringLiteral("made.wol"));
        window.AskOutputPath = [&](const QString& suggested) {
            [&] { QCOMPARE(suggested, QStringLiteral("Made Here.wol")); }();
            return book;
        };
        QSignalSpy made(&window, &TfrmMakeBook::BookMade);
        window.btnMake->click();
        QTRY_COMPARE_WITH_TIMEOUT(made.count(), 1, 20000);
        QCOMPARE(made.first().first().toString(), book);
        QVERIFY(QFileInfo(book).size() > 0);
        QVERIFY(!window.isVisible());
    }

    void TextChaptersInTheContents()
    {
        QTemporaryDir dir;
        settings::TSettings settings(dir.filePath(QStringLiteral("karavel.ini")));
        const QString text = dir.filePath(QStringLiteral("story.txt"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("Часть первая\nГлава 1\nТекст.\nГлава 2\nТекст.\n").toUtf8());
        file.close();

        TfrmMakeBook window(settings);
        window.show();
        window.AddSources({text});
        QCOMPARE(window.tvContents->topLevelItemCount(), 1);
        QCOMPARE(window.tvContents->topLevelItem(0)->text(0), QStringLiteral("Часть первая"));
        QCOMPARE(window.tvContents->topLevelItem(0)->childCount(), 2);
        QCOMPARE(window.tvContents->topLevelItem(0)->child(1)->text(1), QStringLiteral("2"));
        // Found by a pattern instead, every match is a chapter of its own.
        auto* chapters = qobject_cast<QLineEdit*>(window.OptionControl("chapters"));
        chapters->setText(QStringLiteral("Глава \\d"));
        emit chapters->editingFinished();
        QCOMPARE(window.tvContents->topLevelItemCount(), 2);
    }

    void EncryptedPdfOpensWithThePasswordAsked()
    {
        QTemporaryDir dir;
        settings::TSettings settings(dir.filePath(QStringLiteral("karavel.ini")));
        testing_pdf::TPdfContent content;
        content.Pages = {QSizeF(612, 792), QSizeF(612, 792)};
        content.Password = "secret";
        const QString pdf = WritePdf(dir, QStringLiteral("locked.pdf"), content);

        TfrmMakeBook window(settings);
        QStringList answers{QStringLiteral("guess"), QStringLiteral("secret")};
        QList<bool> wrong;
        window.AskPassword = [&](const QString& path, bool wrongPassword) {
            [&] { QCOMPARE(path, pdf); }();
            wrong << wrongPassword;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        };
        window.AddSources({pdf});
        QCOMPARE(wrong, (QList<bool>{false, true}));
        QCOMPARE(window.spnPreviewPage->maximum(), 2);
    }

    void EbookFillsTheDescriptionAndContents()
    {
        QTemporaryDir dir;
        settings::TSettings settings(dir.filePath(QStringLiteral("karavel.ini")));
        QFile fb2(dir.filePath(QStringLiteral("skazka.fb2")));
        QVERIFY(fb2.open(QIODevice::WriteOnly));
        fb2.write(QStringLiteral("<FictionBook><description><title-info><book-title>Сказка</book-title><author>"
                                 "<last-name>Пушкин</last-name></author></title-info></description><body><section>"
                                 "<title><p>Глава первая</p></title><p>Жил старик.</p></section></body></FictionBook>")
                      .toUtf8());
        fb2.close();

        TfrmMakeBook window(settings);
        window.show();
        window.AddSources({fb2.fileName()});
        QCOMPARE(window.edtFields[0]->text(), QStringLiteral("Сказка"));
        QCOMPARE(window.edtFields[2]->text(), QStringLiteral("Пушкин"));
        QCOMPARE(window.tvContents->topLevelItemCount(), 1);
        QCOMPARE(window.tvContents->topLevelItem(0)->text(0), QStringLiteral("Глава первая"));
    }

    void DamagedPicturesLeftOutAreListedInTheStatus()
    {
        QTemporaryDir dir;
        settings::TSettings settings(dir.filePath(QStringLiteral("karavel.ini")));
        QImage page(60, 80, QImage::Format_Grayscale8);
        page.fill(200);
        QVERIFY(page.save(dir.filePath(QStringLiteral("1.png"))));
        QFile damaged(dir.filePath(QStringLiteral("2.png")));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("no picture") > 0 && damaged.flush());

        TfrmMakeBook window(settings);
        window.show();
        window.AddSources({dir.filePath(QStringLiteral("1.png")), damaged.fileName()});
        window.AskOutputPath = [&](const QString&) { return dir.filePath(QStringLiteral("made.wol")); };
        window.btnMake->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsConverting(), 20000);
        QVERIFY2(window.lblStatus->text().endsWith(QStringLiteral("to go on past such pictures.")),
                 qPrintable(window.lblStatus->text()));
        qobject_cast<QCheckBox*>(window.OptionControl("skip-bad"))->setChecked(true);
        QSignalSpy made(&window, &TfrmMakeBook::BookMade);
        window.btnMake->click();
        QTRY_COMPARE_WITH_TIMEOUT(made.count(), 1, 20000);
        QVERIFY(window.isVisible());
        QVERIFY2(window.lblStatus->text().contains(QStringLiteral("2.png")), qPrintable(window.lblStatus->text()));
    }

    void StoppedConversionLeavesNothingBehind()
    {
        QTemporaryDir dir;
        settings::TSettings settings(dir.filePath(QStringLiteral("karavel.ini")));
        testing_pdf::TPdfContent content;
        content.Pages.assign(200, QSizeF(612, 792));
        const QString pdf = WritePdf(dir, QStringLiteral("long.pdf"), content);

        TfrmMakeBook window(settings);
        window.show();
        window.AddSources({pdf});
        window.AskOutputPath = [&](const QString&) { return dir.filePath(QStringLiteral("stopped.wol")); };
        window.btnMake->click();
        QVERIFY(window.IsConverting());
        QTRY_VERIFY(window.prbProgress->value() > 0);
        window.btnCancel->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.IsConverting(), 20000);
        QVERIFY2(window.lblStatus->text().startsWith(QStringLiteral("Stopped")), qPrintable(window.lblStatus->text()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("long.pdf")}));
        QVERIFY(window.btnMake->isEnabled());
    }
};

QTEST_MAIN(MakeBookTest)
#include "MakeBookTest.moc"
