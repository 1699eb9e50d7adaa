#include "fPreferences.h"

#include "FileAssociation.h"
#include "ZoomEntries.h"
#include "uDigitKeyFilter.h"
#include "uFixedFrame.h"

#include "BookEncoding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace dialogs {

const TScreenPreset ScreenPresets[6] = {
    {"Custom...", 0, 0},    {"14\" 4:3", 284, 213}, {"15\" 4:3", 305, 228},
    {"17\" 4:3", 345, 259}, {"19\" 4:3", 386, 290}, {"21\" 4:3", 427, 320},
};

namespace {

QLineEdit* MillimetreEdit(QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(4);
    edit->setFixedWidth(49);
    new TDigitKeyFilter(edit);
    return edit;
}

// The typed number, or the previous value when the text is none; never below the minimum.
int MillimetresFrom(const QLineEdit* edit, int previous)
{
    bool ok = false;
    const int value = edit->text().toInt(&ok);
    return std::max(ok ? value : previous, settings::MinMonitorSize);
}

}  // namespace

TfrmPreferences::TfrmPreferences(TErrorReport report, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      FReport(std::move(report))
{
    setWindowTitle(tr("Preferences"));
    pagPreferences = new QTabWidget(this);

    tshGlobal = new QWidget;
    chbOnlyOneInst = new QCheckBox(tr("Allow only one instance (activate on next run)"), tshGlobal);
    chbAutoHideTOC = new QCheckBox(tr("Auto hide TOC after selecting"), tshGlobal);
    chbResumeReading = new QCheckBox(tr("Reopen books at the page last read"), tshGlobal);
    btnAssociate = new QPushButton(tr("Associate with .wol files"), tshGlobal);
    btnAssociate->setAutoDefault(false);
    auto* global = new QVBoxLayout(tshGlobal);
    global->addWidget(chbOnlyOneInst);
    global->addWidget(chbAutoHideTOC);
    global->addWidget(chbResumeReading);
    global->addWidget(btnAssociate, 0, Qt::AlignLeft);
    global->addStretch();
    pagPreferences->addTab(tshGlobal, tr("Global"));

    tshView = new QWidget;
    cmbScale = new QComboBox(tshView);
    cmbScale->addItems(zoom::EntryTexts());
    cmbScale->setMaxVisibleItems(zoom::EntryCount);
    cmbScreenType = new QComboBox(tshView);
    for (const TScreenPreset& preset : ScreenPresets)
        cmbScreenType->addItem(preset.Width == 0 ? tr("Custom...") : QString::fromLatin1(preset.Text));
    edtScreenWidth = MillimetreEdit(tshView);
    edtScreenHeight = MillimetreEdit(tshView);
    cmbTextEncoding = new QComboBox(tshView);
    for (const QString& name : platform::TBookEncoding::KnownNames()) {
        const bool automatic = name == QLatin1String(platform::TBookEncoding::Automatic);
        cmbTextEncoding->addItem(automatic ? tr("Automatic") : name, name.toLatin1());
    }
    auto* dimensions = new QHBoxLayout;
    dimensions->addWidget(edtScreenWidth);
    dimensions->addWidget(new QLabel(tr("x"), tshView));
    dimensions->addWidget(edtScreenHeight);
    dimensions->addWidget(new QLabel(tr("mm"), tshView));
    dimensions->addStretch();
    auto* view = new QFormLayout(tshView);
    view->setLabelAlignment(Qt::AlignRight);
    view->addRow(tr("Default zoom:"), cmbScale);
    view->addRow(tr("Screen type:"), cmbScreenType);
    view->addRow(tr("Screen dimensions:"), dimensions);
    view->addRow(tr("Text encoding:"), cmbTextEncoding);
    pagPreferences->addTab(tshView, tr("View"));

    auto* buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    btnCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    btnOK->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pagPreferences);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmbScreenType, &QComboBox::activated, this, &TfrmPreferences::cmbScreenTypeChange);
    connect(btnAssociate, &QPushButton::clicked, this, &TfrmPreferences::btnAssociateClick);
    pagPreferences->setCurrentWidget(tshGlobal);
    FixFrameSize(this, {321, 185});
}

bool TfrmPreferences::Execute(settings::TSettingValues& settings)
{
    chbOnlyOneInst->setChecked(settings.AllowOneInstance);
    chbAutoHideTOC->setChecked(settings.AutoHideTOC);
    chbResumeReading->setChecked(settings.ResumeReading);
    cmbScale->setCurrentIndex(settings.DefScaleIdx);
    cmbScreenType->setCurrentIndex(settings.MonitorType);
    ApplyScreenTypeState();
    edtScreenWidth->setText(QString::number(settings.MonitorWidth));
    edtScreenHeight->setText(QString::number(settings.MonitorHeight));
    int encoding = cmbTextEncoding->findData(settings.TextEncoding);
    if (encoding < 0) {
        cmbTextEncoding->addItem(QString::fromLatin1(settings.TextEncoding), settings.TextEncoding);
        encoding = cmbTextEncoding->count() - 1;
    }
    cmbTextEncoding->setCurrentIndex(encoding);

    if (exec() != QDialog::Accepted) return false;
    settings.AllowOneInstance = chbOnlyOneInst->isChecked();
    settings.AutoHideTOC = chbAutoHideTOC->isChecked();
    settings.DefScaleIdx = cmbScale->currentIndex();
    settings.MonitorType = cmbScreenType->currentIndex();
    settings.MonitorWidth = MillimetresFrom(edtScreenWidth, settings.MonitorWidth);
    settings.MonitorHeight = MillimetresFrom(edtScreenHeight, settings.MonitorHeight);
    settings.TextEncoding = cmbTextEncoding->currentData().toByteArray();
    settings.ResumeReading = chbResumeReading->isChecked();
    return true;
}

void TfrmPreferences::ApplyScreenTypeState()
{
    const bool custom = cmbScreenType->currentIndex() == 0;
    for (QLineEdit* edit : {edtScreenWidth, edtScreenHeight}) {
        edit->setEnabled(custom);
        edit->setFocusPolicy(custom ? Qt::StrongFocus : Qt::NoFocus);
    }
}

void TfrmPreferences::cmbScreenTypeChange(int index)
{
    ApplyScreenTypeState();
    if (index > 0 && index < int(std::size(ScreenPresets))) {
        edtScreenWidth->setText(QString::number(ScreenPresets[index].Width));
        edtScreenHeight->setText(QString::number(ScreenPresets[index].Height));
    }
}

// Takes effect at once, whatever button closes the dialog later.
void TfrmPreferences::btnAssociateClick()
{
    try {
        platform::AssociateWolfFiles(QCoreApplication::applicationFilePath());
    } catch (const std::exception& error) {
        FReport(error);
    }
}

}  // namespace dialogs
