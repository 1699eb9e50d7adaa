// One page's worth of input, as the sources list it: a picture to process, a picture that
// already holds a book's levels, or the text of one text page.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace making {

enum class TPageKind { Picture, PreparedPicture, Text };

struct TSourcePage {
    TPageKind Kind = TPageKind::Picture;
    QString Name;          // labels messages: a file, or "ARCHIVE: ENTRY"
    QStringList Chapters;  // the folders it lies in, outermost first; they become the contents
    // The picture's bytes. Loads of one source may share state (an open archive): call
    // them from one thread, ideally in list order, which reads archives front to back.
    std::function<QByteArray()> Load;
    QString Text;          // Kind Text
};

}  // namespace making
