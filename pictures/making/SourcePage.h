// One page's worth of input, as the sources list it: a picture to process, a picture that
// already holds a book's levels, the text of one text page, or a page drawn at the size the
// screen needs (a PDF's).
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace making {

enum class TPageKind { Picture, PreparedPicture, Text, Rendered };

struct TProcessOptions;

// An entry of the source's own table of contents (a PDF's outline) that starts at this page;
// Level 1 is the source's top level.
struct TSourceHeading {
    int Level = 1;
    QString Title;
};

struct TSourcePage {
    TPageKind Kind = TPageKind::Picture;
    QString Name;          // labels messages: a file, or "ARCHIVE: ENTRY"
    QStringList Chapters;  // the folders it lies in, outermost first; they become the contents
    // The picture's bytes. Loads of one source may share state (an open archive): call
    // them from one thread, ideally in list order, which reads archives front to back.
    std::function<QByteArray()> Load;
    QString Text;  // Kind Text
    // Kind Rendered: the page drawn for these options; safe to call from any thread. A null
    // picture when it cannot be drawn: the page then holds Text, which says so.
    std::function<QImage(const TProcessOptions&)> Render{};
    std::vector<TSourceHeading> Headings{};
    bool RightToLeft = false;  // the source says it reads right to left; the user's direction wins
    int Frame = 0;             // which picture of the bytes, for those that hold several (a multi-page TIFF)
};

}  // namespace making
