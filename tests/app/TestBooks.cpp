#include "TestBooks.h"

#include "uGlobals.h"

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>
#include <QtTest>

namespace testbooks {

void PressKey(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused && focused->window() == &window ? focused : &window, key, modifiers);
}

void Idle()
{
    // Until the loop has nothing left to do and would wait, which is when the window runs its
    // rules (a short timer alone may fire first where the loop is busy, as under Wine). The
    // long timer only keeps a loop that never waits from hanging the test.
    QEventLoop loop;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, &loop,
                     &QEventLoop::quit);
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
}

TSandbox::TSandbox()
{
    globals::SettingsFileName = FDir.filePath(QStringLiteral("karavel.ini"));
}

QString TSandbox::Path(const QString& name) const
{
    return FDir.filePath(name);
}

QString TSandbox::SettingsFile() const
{
    return Path(QStringLiteral("karavel.ini"));
}

QString TSandbox::Write(const QString& name, const std::string& bytes) const
{
    return WriteAll(Path(name), bytes);
}

QString TSandbox::Write(const QString& name, const wolf::TWolfBookBuilder& book) const
{
    return Write(name, book.Build());
}

}  // namespace testbooks
