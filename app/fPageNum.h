// The go-to-page dialog and its digit filter.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// Whether a typed digit may go into a page-number entry: the text it would give (text
// before the selection, the digit, text after it) must be a number not above pageCount.
bool PageDigitAccepted(const QString& text, int selectionStart, int selectionLength, QChar digit,
                       int pageCount);

// Installed on a page-number entry: digits pass by PageDigitAccepted, Backspace and
// keys that type nothing pass, every other character is dropped. Pasted text is not
// filtered; the dialog checks the result.
class TPageNumberKeyFilter : public QObject {
    Q_OBJECT
public:
    TPageNumberKeyFilter(QLineEdit* edit, int pageCount);
    void SetPageCount(int pageCount) { FPageCount = pageCount; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* FEdit;
    int FPageCount;
};

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
    TPageNumberKeyFilter* FKeyFilter;
};
