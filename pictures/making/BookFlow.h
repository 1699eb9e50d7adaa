// An e-book's text and pictures in reading order, as its documents are read, with the places
// its own table of contents points at; then turned into text and picture pages.
#pragma once

#include "ProcessOptions.h"
#include "SourceBook.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace making {

struct TFlowPicture {
    QString Name;  // labels messages: "BOOK: ENTRY"
    std::function<QByteArray()> Load;
};

// An entry of the book's own table of contents; Level 1 is its top level, Target an anchor's key.
struct TFlowHeading {
    int Level = 1;
    QString Title;
    QString Target;
};

class TBookFlow {
public:
    // book names the e-book in messages.
    explicit TBookFlow(QString book);

    // Inline text: runs of white space become one space, as a browser shows them, unless
    // preformatted, where line ends stay line breaks.
    void AddText(QStringView text, bool preformatted = false);
    void BreakLine();
    // A paragraph ends: the next text begins after a blank line.
    void EndParagraph();
    // The next text begins a new page (a new document or a top-level section).
    void BreakPage();
    // A picture between paragraphs, on a page of its own.
    void AddPicture(TFlowPicture picture);
    // The place of the next text or picture gets this key, for the contents to point at.
    void MarkAnchor(const QString& key);

    // The text alone, paragraphs separated by a line end: for description fields.
    QString PlainText() const;

    // Text pages that fit the options' screen and picture pages, in order, each heading on the
    // page holding its anchor's place; a heading whose target is unknown is left out.
    void AddPages(const std::vector<TFlowHeading>& headings, const QStringList& chapters, const TMakeOptions& options,
                  TSourceBook& book) const;

private:
    // Writes what separates the text so far from the next text or picture and gives pending
    // anchors that place.
    void BeginContent();
    void Append(QStringView text);

    QString FBook;
    QString FText;  // a picture holds one character of its own, so that every place is distinct
    std::vector<std::pair<qsizetype, TFlowPicture>> FPictures;
    std::vector<qsizetype> FPageBreaks;
    std::map<QString, qsizetype> FAnchors;
    QStringList FPendingAnchors;
    bool FSpacePending = false;
    int FLineBreaksPending = 0;
    bool FParagraphPending = false;
    bool FPageBreakPending = false;
};

// An e-book as its reader found it.
struct TEbook {
    TBookFlow Flow;
    std::vector<TFlowHeading> Headings;
    TToldFields Description;
    std::optional<TFlowPicture> Cover;
};

// The e-book's pages, description and cover into book. Without a cover of its own, a first
// page that is a picture (as e-books show their covers) is the cover, and no other picture.
void AddEbook(const TEbook& ebook, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book);

}  // namespace making
