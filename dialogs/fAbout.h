// The about box: the program's picture, name, version and build.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace dialogs {

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QLabel* imgIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* pnlBuild;
    QPushButton* btnClose;
};

}  // namespace dialogs
