// The preferences dialog: the settings a user may change, and the file association.
#pragma once

#include <QByteArray>
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

// The settings the dialog edits; the main window copies them from and to its globals.
struct TPreferences {
    bool AllowOneInstance = true;
    bool AutoHideTOC = false;
    int DefScaleIdx = 4;
    int MonitorType = 0;
    int MonitorWidth = 360;
    int MonitorHeight = 270;
    QByteArray TextEncoding = "auto";
    bool ResumeReading = false;
};

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
    bool Execute(TPreferences& settings);

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

    static constexpr int MinScreenSize = 5;

private:
    void ApplyScreenTypeState();
    void cmbScreenTypeChange(int index);
    void btnAssociateClick();

    TErrorReport FReport;
};

}  // namespace dialogs
