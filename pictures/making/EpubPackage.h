// An EPUB's container file and its package file (the OPF): what the book holds, its reading
// order and its metadata.
#pragma once

#include "SourceBook.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <map>

namespace making {

// A reference from one file of the book to another, resolved against the first: the path
// inside the book and the fragment; an empty path for one that leads outside the book.
struct TEpubReference {
    QString Path;
    QString Fragment;

    // "PATH#FRAGMENT", or the path alone, the path in lower case: the flow's anchor of the place
    // it names.
    QString Key() const;
};
TEpubReference ResolveReference(const QString& fromFile, const QString& href);

struct TEpubItem {
    QString Path;
    QString MediaType;
    QStringList Properties;  // EPUB 3: "nav", "cover-image", ...
};

struct TEpubPackage {
    std::map<QString, TEpubItem> Manifest;  // by id
    QStringList Spine;                      // manifest ids in reading order
    QString NcxId;                          // EPUB 2's table of contents
    QString CoverId;
    TToldFields Description;

    const TEpubItem* Item(const QString& id) const;
    const TEpubItem* ItemWith(const QString& property) const;
};

// The package file META-INF/container.xml names; EMakeFailure naming the book when it is
// damaged or names none.
QString PackagePath(const QByteArray& container, const QString& book);

// EMakeFailure naming the book and the package file when it is damaged or has no reading order.
TEpubPackage ReadPackage(const QByteArray& opf, const QString& opfPath, const QString& book);

}  // namespace making
