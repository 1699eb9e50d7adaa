// Small PDFs written byte by byte, for what QPdfWriter cannot make: an outline, encryption.
#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <vector>

namespace testing_pdf {

struct TOutlineEntry {
    QString Title;
    int Page = 1;  // counted from 1
    std::vector<TOutlineEntry> Children;
};

struct TPdfContent {
    std::vector<QSizeF> Pages;  // in points; each shows "Page N" in large type and a framed box
    std::vector<TOutlineEntry> Outline;
    QString Title;  // document information, when not empty
    QString Author;
    // Encrypted (RC4, 40 bits) with this user password, as a reader cannot open it without
    // it; not encrypted when empty.
    QByteArray Password;
};

QByteArray MakePdf(const TPdfContent& plan);

}  // namespace testing_pdf
