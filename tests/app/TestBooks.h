// Books on disk and a window with its own settings file, for the viewer's tests.
#pragma once

#include "ErrorReport.h"
#include "uWolfBuilder.h"

#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace testbooks {

// Raw 2-bit page data, every pixel the given 2-bit value (0 black ... 3 white).
std::string Plain2Bit(int width, int height, int value);
// A 2-bit page whose pixel (x, y) has the value (x + 2 * y) % 4, so corners differ.
std::string Pattern2Bit(int width, int height);
// The grey level the pattern gives at (x, y).
int PatternGrey(int x, int y);

wolf::TWolfBookBuilder BookWithPages(int pageCount, bool cover);

// Lets the event loop go idle, where the window evaluates its enabling rules.
void Idle();

// A temporary folder that also holds the settings file of the windows made in it, and
// records the message boxes shown (answering them with OK).
class TSandbox {
public:
    TSandbox();
    ~TSandbox();
    QString Write(const QString& name, const std::string& bytes) const;
    QString Write(const QString& name, const wolf::TWolfBookBuilder& book) const;
    QString Path(const QString& name) const;
    QString SettingsFile() const;

    QStringList Messages;
    QList<QWidget*> MessageParents;

private:
    QTemporaryDir FDir;
};

}  // namespace testbooks
