// The open book, without windows: the file, the reader, the encoding of its texts and the
// page shown. Opens and reopens the book and rewrites it safely; the viewer observes it
// through its signals, wolftool uses it as it stands.
#pragma once

#include "BookEncoding.h"
#include "SafeSave.h"
#include "WolfStream.h"
#include "uWolfReader.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

namespace session {

class TBookSession : public QObject {
    Q_OBJECT
public:
    explicit TBookSession(QObject* parent = nullptr);
    ~TBookSession() override;

    // Opens the file read-only (others may read it but not write it) and reads the book,
    // its texts in the named encoding, or guessed from the description and the titles
    // ("auto"). On the cover, or on the first page when there is none. A file that cannot
    // be opened raises wolf::EFOpenError, a malformed book wolf::EWolf, a book that ends
    // early the stream's error; after a failure the session is closed and FileName()
    // still names the path.
    void Open(const QString& path, const QByteArray& encodingName = platform::TBookEncoding::Automatic);
    // The same file again, on the page that was shown.
    void Reopen();
    void Close();

    bool IsOpen() const { return FStream != nullptr; }
    const QString& FileName() const { return FFileName; }
    const wolf::TWolfReader& Reader() const { return FReader; }
    // The cover (-1) or a page (from 0); std::out_of_range for any other index.
    const wolf::TWolfPageItem& Page(int index) const;
    // A picture page's pixels, or a text page's lines in the book's encoding. Only while
    // IsOpen(); the reader's errors for a page that cannot be shown.
    wolf::TGreyImage PagePicture(int index);
    QStringList PageLines(int index);
    // Whether the table of contents came from the subcatalog (or from the flat catalog).
    bool FromSubcatalog() const { return FFromSubcatalog; }
    int PageCount() const { return IsOpen() ? FReader.Pages.Count() : 0; }

    const platform::TBookEncoding& Encoding() const { return FEncoding; }
    // Reads the texts in another encoding from now on (or guesses again for "auto").
    void ChooseEncoding(const QByteArray& encodingName);

    // -1 the cover, from 0 a page; other values name no page (a redraw is due).
    int PageIndex() const { return FPageIndex; }
    void SetPageIndex(int index) { FPageIndex = index; }

    // Rewrite the book under its name (the old one kept as NAME.bak) and open it again on
    // the page that was shown, also when the save failed; the save's error is passed on.
    void RewriteDescription(const wolf::TWolfDescription& description);
    void RewriteTOC(wolf::TWolfTOCList& toc);  // left sorted by depth

signals:
    // A book was read (by Open or Reopen).
    void Opened();
    void Closed();
    void EncodingChanged();

private:
    void Read(const QString& path);
    void Rewrite(const wolf::TBookRewrite& rewrite);

    QString FFileName;
    std::unique_ptr<wolf::TStream> FStream;
    wolf::TWolfReader FReader;
    bool FFromSubcatalog = false;
    QByteArray FEncodingName = platform::TBookEncoding::Automatic;
    platform::TBookEncoding FEncoding;
    int FPageIndex = 0;
};

}  // namespace session
