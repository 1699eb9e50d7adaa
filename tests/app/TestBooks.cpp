#include "TestBooks.h"

#include "uGlobals.h"

#include <QEventLoop>
#include <QFile>
#include <QTimer>

namespace testbooks {

std::string Plain2Bit(int width, int height, int value)
{
    const int rowBytes = (width * 2 + 7) / 8;
    const auto byte = static_cast<char>(value * 0x55);
    return std::string(static_cast<size_t>(rowBytes) * static_cast<size_t>(height), byte);
}

std::string Pattern2Bit(int width, int height)
{
    const int rowBytes = (width * 2 + 7) / 8;
    std::string data(static_cast<size_t>(rowBytes) * static_cast<size_t>(height), '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int value = (x + 2 * y) % 4;
            data[static_cast<size_t>(y * rowBytes + x / 4)] |= static_cast<char>(value << (6 - 2 * (x % 4)));
        }
    return data;
}

int PatternGrey(int x, int y)
{
    static const int levels[4] = {0, 128, 192, 255};
    return levels[(x + 2 * y) % 4];
}

wolf::TWolfBookBuilder BookWithPages(int pageCount, bool cover)
{
    wolf::TWolfBookBuilder book;
    if (cover) book.SetCover(8, 4, 2, false, Plain2Bit(8, 4, 1));
    for (int i = 0; i < pageCount; ++i) book.AddImagePage(8, 4, 2, false, Plain2Bit(8, 4, i % 4));
    return book;
}

void Idle()
{
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
}

TSandbox::TSandbox()
{
    globals::SettingsFileName = FDir.filePath(QStringLiteral("karavel.ini"));
    app::SetMessageHook([this](QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons, QWidget* parent) {
        Messages.append(text);
        MessageParents.append(parent);
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
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly)) qFatal("cannot write a test book");
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.fileName();
}

QString TSandbox::Write(const QString& name, const wolf::TWolfBookBuilder& book) const
{
    return Write(name, book.Build());
}

}  // namespace testbooks
