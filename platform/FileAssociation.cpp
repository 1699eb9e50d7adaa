// The freedesktop way of owning a file type, for the current user: a MIME type for .wol
// files, a desktop entry that opens them, icons for both, and the user's default handler.
#include "FileAssociation.h"

#include "DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include <stdexcept>

namespace platform {

namespace {

const QString MimeType = QStringLiteral("application/x-wolf-ebook");
const QString BookIconName = QStringLiteral("application-x-wolf-ebook");
const QString AppIconName = QStringLiteral("karavel");
constexpr int ToolTimeoutMs = 10000;

QByteArray Resource(const QString& name)
{
    QFile file(QStringLiteral(":/desktop/") + name);
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("Missing resource " + name.toStdString());
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw std::runtime_error("Unable to write to " + path.toStdString());
}

void InstallIcons(const QString& iconsDir, const QString& context, const QString& name)
{
    for (const int size : {16, 32, 48}) {
        const QString sizeDir = QStringLiteral("%1/hicolor/%2x%2/").arg(iconsDir).arg(size);
        WriteFile(sizeDir + context + u'/' + name + QStringLiteral(".png"),
                  Resource(QStringLiteral("icons/%1-%2.png").arg(name).arg(size)));
    }
    WriteFile(iconsDir + QStringLiteral("/hicolor/scalable/") + context + u'/' + name + QStringLiteral(".svg"),
              Resource(QStringLiteral("icons/") + name + QStringLiteral(".svg")));
}

// The desktop's caches and default handler are refreshed with its own tools; a desktop
// without them finds the files on its own.
void RunIfPresent(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(ToolTimeoutMs)) process.kill();
    process.waitForFinished(ToolTimeoutMs);
}

}  // namespace

void AssociateWolfFiles(const QString& executablePath)
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    WriteFile(dataHome + QStringLiteral("/mime/packages/karavel-wolf.xml"),
              Resource(QStringLiteral("karavel-wolf.xml")));
    const QString entry = DesktopEntryFor(QFileInfo(executablePath).absoluteFilePath(),
                                          QString::fromUtf8(Resource(QStringLiteral("karavel.desktop"))));
    WriteFile(dataHome + QStringLiteral("/applications/karavel.desktop"), entry.toUtf8());
    InstallIcons(dataHome + QStringLiteral("/icons"), QStringLiteral("apps"), AppIconName);
    InstallIcons(dataHome + QStringLiteral("/icons"), QStringLiteral("mimetypes"), BookIconName);

    RunIfPresent(QStringLiteral("update-mime-database"), {dataHome + QStringLiteral("/mime")});
    RunIfPresent(QStringLiteral("update-desktop-database"), {dataHome + QStringLiteral("/applications")});
    RunIfPresent(QStringLiteral("xdg-mime"), {QStringLiteral("default"), QStringLiteral("karavel.desktop"), MimeType});
}

}  // namespace platform
