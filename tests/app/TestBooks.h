// A window with its own settings file and books on disk, for the viewer's tests.
#pragma once

#include "BookSamples.h"
#include "MessageAnswers.h"

#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace testbooks {

// Sends a key where the user's key would land: the focused control, else the window.
void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Lets the event loop go idle, where the window evaluates its enabling rules.
void Idle();

// A temporary folder that also holds the settings file of the windows made in it, and
// answers the message boxes shown (with OK unless told otherwise).
class TSandbox {
public:
    TSandbox();
    QString Write(const QString& name, const std::string& bytes) const;
    QString Write(const QString& name, const wolf::TWolfBookBuilder& book) const;
    QString Path(const QString& name) const;
    QString SettingsFile() const;

    TMessageAnswers Boxes;

private:
    QTemporaryDir FDir;
};

}  // namespace testbooks
