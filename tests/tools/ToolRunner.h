// Runs the built command-line tools and collects what they print.
#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <utility>
#include <vector>

struct TToolResult {
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
    QString LastErrorLine() const;
    QJsonObject Json() const;  // stdout parsed as one JSON object; fails the test otherwise
};

TToolResult RunWolftool(const QStringList& arguments);

// The table of contents in `wolftool info`'s JSON: titles and page indexes.
std::vector<std::pair<QString, int>> Contents(const QJsonObject& info);

// A scratch folder for books and pictures of one test.
class TScratch {
public:
    QString Path(const QString& name) const { return FDir.filePath(name); }
    // Writes the bytes to a file of that name and returns its path.
    QString Write(const QString& name, const std::string& bytes) const;

private:
    QTemporaryDir FDir;
};
