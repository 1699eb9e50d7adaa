#include "RecentFiles.h"

#include <QDir>
#include <QFileInfo>

void TRecentFiles::SetItems(const QStringList& items)
{
    FItems = items.mid(0, MaxItems);
    emit Changed();
}

void TRecentFiles::Add(const QString& path)
{
    const QString full = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    FItems.removeIf([&](const QString& item) { return item.compare(full, Qt::CaseInsensitive) == 0; });
    FItems.prepend(full);
    while (FItems.size() > MaxItems) FItems.removeLast();
    emit Changed();
}

QString TRecentFiles::Caption(int index, const QString& path)
{
    // A "&" in the path would otherwise turn the next letter into an access key.
    return QStringLiteral("&%1 %2").arg(index + 1).arg(QString(path).replace(u'&', QStringLiteral("&&")));
}
