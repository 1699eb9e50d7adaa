// The go-to-page dialog and its digit filter.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Whether the text a typed digit would give is a page number not above pageCount (a
// leading zero may be typed).
bool PageTextAccepted(const QString& text, int pageCount);

class TfrmPageNum : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPageNum(QWidget* parent = nullptr);

    // pageCount >= 1. True, with page set, only after OK with a number 1..pageCount.
    bool AskPageNumber(int pageCount, int& page);

    QLineEdit* Edit() const { return edtPageNum; }
    QLabel* Label() const { return lblPageNum; }

private:
    QLabel* lblPageNum;
    QLineEdit* edtPageNum;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    int FPageCount = 1;
};
