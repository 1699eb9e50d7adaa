#include "TestBooks.h"

#include "uGlobals.h"

#include <QEventLoop>
#include <QTimer>

namespace testbooks {

void Idle()
{
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
}

TSandbox::TSandbox()
{
    globals::SettingsFileName = FDir.filePath(QStringLiteral("karavel.ini"));
    app::SetMessageHook([this](QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
        Messages.append(text);
        return QMessageBox::Ok;
    });
}

TSandbox::~TSandbox()
{
    app::SetMessageHook({});
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
