// Asks for the title and page number of one table-of-contents entry.
#pragma once

#include "BookEncoding.h"

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace dialogs {

class TfrmTOCItem : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTOCItem(QWidget* parent = nullptr);

    // name: the entry's title in the book's encoding; page counted from 1. True, with both
    // set, only when the user confirmed a page from 1 to pageCount.
    bool AskItem(const platform::TBookEncoding& encoding, int pageCount, std::string& name, int& page);

    QLineEdit* edtItemName;
    QLabel* lblPageNum;
    QLineEdit* edtPageNum;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    static constexpr int MaxNameLength = 254;

private:
    void btnOKClick();

    int FPageCount = 0;
    const platform::TBookEncoding* FEncoding = nullptr;
    std::string FOriginalName;
    std::string FName;  // the confirmed name, in the book's encoding
};

}  // namespace dialogs
