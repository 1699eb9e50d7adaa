// The preferences dialog: the settings a user may change, and the file association.
#pragma once

#include "Settings.h"

#include <QDialog>
#include <exception>
#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace dialogs {

struct TScreenPreset {
    const char* Text;
    int Width;   // mm
    int Height;  // mm
};
// Row 0 is "Custom...", which has no dimensions of its own.
extern const TScreenPreset ScreenPresets[6];

class TfrmPreferences : public QDialog {
    Q_OBJECT
public:
    using TErrorReport = std::function<void(const std::exception&)>;
    // report shows an error of the file association.
    explicit TfrmPreferences(TErrorReport report, QWidget* parent = nullptr);

    // Shows settings; on OK stores the controls into it and returns true.
    bool Execute(settings::TSettingValues& settings);

    QTabWidget* pagPreferences;
    QWidget* tshGlobal;
    QWidget* tshView;
    QCheckBox* chbOnlyOneInst;
    QCheckBox* chbAutoHideTOC;
    QCheckBox* chbResumeReading;
    QPushButton* btnAssociate;
    QComboBox* cmbScale;
    QComboBox* cmbScreenType;
    QLineEdit* edtScreenWidth;
    QLineEdit* edtScreenHeight;
    QComboBox* cmbTextEncoding;
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    void ApplyScreenTypeState();
    void cmbScreenTypeChange(int index);
    void btnAssociateClick();

    TErrorReport FReport;
};

}  // namespace dialogs
