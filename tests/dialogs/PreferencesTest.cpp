#include "ModalAnswer.h"

#include "fAbout.h"
#include "fDescription.h"
#include "fPreferences.h"
#include "fTOCItem.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using dialogs::TfrmPreferences;
using settings::TSettingValues;

namespace {

// Runs the dialog on settings, letting answer act on it first.
bool Run(TfrmPreferences& dialog, TSettingValues& settings, std::function<void(TfrmPreferences*)> answer)
{
    WhenModal<TfrmPreferences>(std::move(answer));
    return dialog.Execute(settings);
}

void Pick(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

}  // namespace

class PreferencesTest : public QObject {
    Q_OBJECT
    const TfrmPreferences::TErrorReport FReport = [](const std::exception& error) { QFAIL(error.what()); };

private slots:
    void ScreenPresetsFillAndLockTheDimensions()
    {
        TfrmPreferences dialog(FReport);
        TSettingValues settings;
        QVERIFY(Run(dialog, settings, [](TfrmPreferences* shown) {
            QCOMPARE(shown->pagPreferences->currentWidget(), shown->tshGlobal);
            QVERIFY(shown->edtScreenWidth->isEnabled());
            Pick(shown->cmbScreenType, 3);
            QCOMPARE(shown->edtScreenWidth->text(), QStringLiteral("345"));
            QCOMPARE(shown->edtScreenHeight->text(), QStringLiteral("259"));
            QVERIFY(!shown->edtScreenWidth->isEnabled());
            QVERIFY(!shown->edtScreenHeight->isEnabled());
            Pick(shown->cmbScreenType, 0);
            QVERIFY(shown->edtScreenWidth->isEnabled());
            QCOMPARE(shown->edtScreenWidth->text(), QStringLiteral("345"));
            shown->pagPreferences->setCurrentWidget(shown->tshView);
            shown->btnOK->click();
        }));
        QCOMPARE(settings.MonitorType, 0);
        QCOMPARE(settings.MonitorWidth, 345);
        QCOMPARE(settings.MonitorHeight, 259);

        // A stored preset shows the stored numbers, locked; the last tab stays.
        settings.MonitorType = 5;
        settings.MonitorWidth = 400;
        QVERIFY(!Run(dialog, settings, [](TfrmPreferences* shown) {
            QCOMPARE(shown->pagPreferences->currentWidget(), shown->tshView);
            QCOMPARE(shown->cmbScreenType->currentText(), QStringLiteral("21\" 4:3"));
            QCOMPARE(shown->edtScreenWidth->text(), QStringLiteral("400"));
            QVERIFY(!shown->edtScreenWidth->isEnabled());
            shown->btnCancel->click();
        }));
    }

    void MillimetresAreDigitsAndAtLeastFive()
    {
        TfrmPreferences dialog(FReport);
        TSettingValues settings;
        QVERIFY(Run(dialog, settings, [](TfrmPreferences* shown) {
            shown->edtScreenWidth->clear();
            shown->edtScreenHeight->clear();
            QTest::keyClicks(shown->edtScreenHeight, QStringLiteral("a3x-"));
            QCOMPARE(shown->edtScreenHeight->text(), QStringLiteral("3"));
            QTest::keyClicks(shown->edtScreenHeight, QStringLiteral("4567"));
            QCOMPARE(shown->edtScreenHeight->text(), QStringLiteral("3456"));  // four at most
            shown->edtScreenHeight->setText(QStringLiteral("3"));
            shown->btnOK->click();
        }));
        QCOMPARE(settings.MonitorWidth, 360);  // empty: the previous value
        QCOMPARE(settings.MonitorHeight, 5);
    }

    void CancelChangesNothing()
    {
        TfrmPreferences dialog(FReport);
        TSettingValues settings;
        settings.TextEncoding = "windows-1251";
        QVERIFY(!Run(dialog, settings, [](TfrmPreferences* shown) {
            QCOMPARE(shown->cmbTextEncoding->currentText(), QStringLiteral("windows-1251"));
            shown->chbOnlyOneInst->setChecked(false);
            shown->chbAutoHideTOC->setChecked(true);
            shown->cmbScale->setCurrentIndex(0);
            Pick(shown->cmbScreenType, 2);
            shown->cmbTextEncoding->setCurrentIndex(0);
            QTest::keyClick(shown, Qt::Key_Escape);
        }));
        const TSettingValues defaults;
        QCOMPARE(settings.AllowOneInstance, defaults.AllowOneInstance);
        QCOMPARE(settings.AutoHideTOC, defaults.AutoHideTOC);
        QCOMPARE(settings.DefScaleIdx, defaults.DefScaleIdx);
        QCOMPARE(settings.MonitorType, defaults.MonitorType);
        QCOMPARE(settings.MonitorWidth, defaults.MonitorWidth);
        QCOMPARE(settings.TextEncoding, QByteArray("windows-1251"));

        QVERIFY(Run(dialog, settings, [](TfrmPreferences* shown) {
            shown->chbAutoHideTOC->setChecked(true);
            shown->cmbScale->setCurrentIndex(8);
            shown->cmbTextEncoding->setCurrentIndex(0);
            shown->chbResumeReading->setChecked(true);
            shown->btnOK->click();
        }));
        QVERIFY(settings.AutoHideTOC);
        QVERIFY(settings.ResumeReading);
        QCOMPARE(settings.DefScaleIdx, 8);
        QCOMPARE(settings.TextEncoding, QByteArray("auto"));
    }

    void DialogFramesCannotBeResized()
    {
        TfrmPreferences preferences(FReport);
        dialogs::TfrmAbout about;
        dialogs::TfrmDescription description;
        dialogs::TfrmTOCItem item;
        const std::pair<QDialog*, QSize> frames[] = {
            {&preferences, {321, 185}}, {&about, {297, 115}}, {&description, {401, 345}}, {&item, {321, 145}}};
        for (const auto& [dialog, designed] : frames) {
            QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
            QVERIFY2(dialog->minimumSize().expandedTo(designed) == dialog->minimumSize(),
                     dialog->metaObject()->className());
        }
    }

    void AboutBoxTextsAreWorkedOutOnce()
    {
        dialogs::TfrmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral(" About"));
        QCOMPARE(about.lblTitle->text(), QStringLiteral("Karavel"));
        QVERIFY(about.lblTitle->font().bold());
        QCOMPARE(about.lblVersion->text(), QStringLiteral("version 1.2"));
        QCOMPARE(about.pnlBuild->text(), QStringLiteral("    Build: 1.2.07"));
        QVERIFY(about.btnClose->isDefault());
        QCOMPARE(about.imgIcon->pixmap().size(), QSize(48, 48));
        for (int showing = 0; showing < 2; ++showing) {
            WhenModal<dialogs::TfrmAbout>([](dialogs::TfrmAbout* shown) { QTest::keyClick(shown, Qt::Key_Escape); });
            about.exec();
        }
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    PreferencesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "PreferencesTest.moc"
