#include "MessageAnswers.h"
#include "ModalAnswer.h"
#include "TextEncodings.h"

#include "fDescription.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using dialogs::TfrmDescription;
using wolf::TWolfDescription;

namespace {

using enum TWolfDescription::TField;

TWolfDescription Sample()
{
    TWolfDescription description;
    description.FromText("<title>Tale\r\n<author>Ann Writer\r\n<introduction>First line\nSecond line\rThird\r\n");
    return description;
}

void Edit(TfrmDescription& window, TWolfDescription& description, const platform::TBookEncoding& encoding,
          std::function<void(TfrmDescription*)> answer, bool expected)
{
    WhenModal<TfrmDescription>(std::move(answer));
    QCOMPARE(window.EditDescription(description, encoding), expected);
}

}  // namespace

class DescriptionTest : public QObject {
    Q_OBJECT
    const platform::TBookEncoding FLatin1{"latin1"};

private slots:
    void ViewModeShowsFieldsInScreenOrder()
    {
        TfrmDescription window;
        TWolfDescription description = Sample();
        description.SetField(Subject, "Fiction");
        description.SetField(ISBN, "978-3");
        WhenModal<TfrmDescription>([](TfrmDescription* shown) {
            QCOMPARE(shown->windowTitle(), QStringLiteral(" Description"));
            QVERIFY(shown->edtTitle->isReadOnly());
            QVERIFY(shown->memAnnotation->isReadOnly());
            QVERIFY(!shown->btnSave->isVisible());
            QVERIFY(shown->btnCancel->isDefault());
            QCOMPARE(shown->btnCancel->text(), QStringLiteral("Close"));
            QCOMPARE(shown->edtAuthor->text(), QStringLiteral("Ann Writer"));
            QCOMPARE(shown->edtSubject->text(), QStringLiteral("Fiction"));
            QCOMPARE(shown->edtISBN->text(), QStringLiteral("978-3"));
            QCOMPARE(shown->memAnnotation->toPlainText(), QStringLiteral("First line\nSecond line\nThird"));
            QCOMPARE(shown->edtPublishTime->maxLength(), 15);
            QCOMPARE(shown->edtAuthor->maxLength(), 127);
            QTest::keyClick(shown, Qt::Key_Escape);
        });
        window.ShowDescription(description, FLatin1);

        // The next showing in edit mode looks like an editor again.
        TWolfDescription copy = description;
        Edit(
            window, copy, FLatin1,
            [](TfrmDescription* shown) {
                QVERIFY(!shown->edtTitle->isReadOnly());
                QVERIFY(shown->btnSave->isVisible());
                QVERIFY(shown->btnSave->isDefault());
                QCOMPARE(shown->btnCancel->text(), QStringLiteral("Cancel"));
                QTRY_COMPARE(QApplication::focusWidget(), shown->edtTitle);  // focus arrives late on a busy machine
                shown->btnCancel->click();
            },
            false);
    }

    void SaveWritesTrimmedTextsWithCRLFBreaks()
    {
        TfrmDescription window;
        TWolfDescription description = Sample();
        Edit(
            window, description, FLatin1,
            [](TfrmDescription* shown) {
                shown->edtPublisher->setText(QStringLiteral("  Big  House  "));
                shown->memAnnotation->setPlainText(QStringLiteral("One\nTwo\n\nFour"));
                QTest::keyClick(shown->edtPublisher, Qt::Key_Return);  // Enter in a line edit saves
            },
            true);
        QCOMPARE(description.GetField(Publisher), std::string("Big  House"));
        QCOMPARE(description.GetField(Introduction), std::string("One\r\nTwo\r\n\r\nFour"));
        QCOMPARE(description.GetField(Author), std::string("Ann Writer"));

        // Untouched, an annotation with lone line breaks comes back with CR LF.
        description = Sample();
        Edit(
            window, description, FLatin1, [](TfrmDescription* shown) { shown->btnSave->click(); }, true);
        QCOMPARE(description.GetField(Introduction), std::string("First line\r\nSecond line\r\nThird"));
    }

    void CancelLeavesTheObjectAlone()
    {
        TfrmDescription window;
        TWolfDescription description = Sample();
        const std::string before = description.ToText();
        for (int way = 0; way < 3; ++way) {
            Edit(
                window, description, FLatin1,
                [way](TfrmDescription* shown) {
                    shown->edtTitle->setText(QStringLiteral("Changed"));
                    if (way == 0)
                        shown->btnCancel->click();
                    else if (way == 1)
                        QTest::keyClick(shown, Qt::Key_Escape);
                    else
                        shown->close();
                },
                false);
            QCOMPARE(description.ToText(), before);
        }
    }

    void LongTitleFromTheBookSurvivesUnchanged()
    {
        TfrmDescription window;
        TWolfDescription description;
        const std::string title(128, 'T');
        description.SetField(Title, title);
        Edit(
            window, description, FLatin1,
            [](TfrmDescription* shown) {
                QCOMPARE(shown->edtTitle->text().size(), 128);
                shown->btnSave->click();
            },
            true);
        QCOMPARE(description.GetField(Title), title);
    }

    void AnnotationStopsAtItsLimit()
    {
        TfrmDescription window;
        TWolfDescription description;
        Edit(
            window, description, FLatin1,
            [](TfrmDescription* shown) {
                shown->memAnnotation->setFocus();
                shown->memAnnotation->insertPlainText(QString(1020, u'a'));
                QTest::keyClick(shown->memAnnotation, Qt::Key_Return);  // a line break takes two
                QTest::keyClicks(shown->memAnnotation, QStringLiteral("bcd"));
                QCOMPARE(shown->memAnnotation->toPlainText(), QString(1020, u'a') + QStringLiteral("\nb"));
                shown->btnSave->click();
            },
            true);
        QCOMPARE(description.GetField(Introduction).size(), size_t(1023));
    }

    void UntouchedBytesStayAndEditedTextIsEncoded()
    {
        TfrmDescription window;
        const platform::TBookEncoding gb(testbooks::ChineseEncoding());
        TWolfDescription description;
        const std::string author = "\xD6\xD0\xCE\xC4";  // "中文"
        // A byte no GB18030 text has: it decodes to a replacement character that would
        // be encoded as other bytes.
        const std::string title = "Tale \x80";
        description.SetField(Author, author);
        description.SetField(Title, title);
        Edit(
            window, description, gb,
            [](TfrmDescription* shown) {
                QCOMPARE(shown->edtAuthor->text(), QStringLiteral("中文"));
                shown->edtSubject->setText(QStringLiteral("Ελληνικη ok"));
                shown->edtISBN->setText(QString(100, QChar(0x4E2D)));  // 200 bytes: cut to 128
                shown->btnSave->click();
            },
            true);
        QCOMPARE(description.GetField(Author), author);
        QCOMPARE(description.GetField(Title), title);
        QCOMPARE(gb.Decode(description.GetField(Subject)), QStringLiteral("Ελληνικη ok"));
        QCOMPARE(description.GetField(ISBN).size(), size_t(128));
        QCOMPARE(gb.Decode(description.GetField(ISBN)), QString(64, QChar(0x4E2D)));
    }

    void UnstorableTextIsRefusedAndTheWindowStaysOpen()
    {
        TfrmDescription window;
        const platform::TBookEncoding cyrillic("windows-1251");
        TWolfDescription description = Sample();
        TMessageAnswers answers;
        Edit(
            window, description, cyrillic,
            [](TfrmDescription* shown) {
                shown->memAnnotation->setPlainText(QStringLiteral("Текст 中"));
                shown->btnSave->click();
                QVERIFY(shown->isVisible());
                shown->memAnnotation->setPlainText(QStringLiteral("Текст"));
                shown->btnSave->click();
            },
            true);
        QCOMPARE(answers.Texts(),
                 QStringList(QStringLiteral(
                     "The description holds characters that the book's encoding (windows-1251) cannot store.")));
        QCOMPARE(answers.Shown.at(0).Icon, QMessageBox::Warning);
        QCOMPARE(description.GetField(Introduction), std::string("\xD2\xE5\xEA\xF1\xF2"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    DescriptionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DescriptionTest.moc"
