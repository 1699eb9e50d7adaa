// The recent-files list: at most five full paths, the most recent first.
#pragma once

#include <QObject>
#include <QStringList>

class TRecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxItems = 5;

    using QObject::QObject;

    const QStringList& Items() const { return FItems; }
    // Entries as stored in the settings, taken as they stand.
    void SetItems(const QStringList& items);
    // Expands the path to a full path and puts it at the top. A path already listed
    // (compared ignoring letter case) moves up and takes the new spelling.
    void Add(const QString& path);
    // "&1 /books/a.wol": the menu text of entry index (0-based).
    static QString Caption(int index, const QString& path);

signals:
    void Changed();

private:
    QStringList FItems;
};
