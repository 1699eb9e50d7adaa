// Zip archives made in the tests with libarchive, as comic archives and e-books are.
#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

struct TZipEntry {
    const char* Name;
    QByteArray Bytes;
    int Repeat = 1;  // the bytes this many times over
};

// Entries are stored in the order given; std::runtime_error when the file cannot be written.
void WriteZip(const QString& path, const std::vector<TZipEntry>& entries);
