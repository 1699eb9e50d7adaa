#include "EpubSource.h"

#include "ArchiveReader.h"
#include "BookFlow.h"
#include "EpubContents.h"
#include "EpubPackage.h"
#include "HtmlText.h"
#include "MakeFailure.h"
#include "Markup.h"
#include "PictureNames.h"

#include <map>
#include <memory>

namespace making {
namespace {

// The book's files by their paths, read through one archive reader that the pages' loads share.
class TEpubFiles {
public:
    explicit TEpubFiles(const QString& book) : FBook(book), FReader(std::make_shared<TArchiveReader>(book))
    {
        for (const auto& [index, path] : FReader->List()) {
            FIndex.emplace(path, index);
            FFoldedIndex.emplace(path.toLower(), index);
        }
    }

    const QString& Book() const { return FBook; }
    bool Has(const QString& path) const { return Index(path) >= 0; }

    QByteArray Read(const QString& path) const { return FReader->Read(Index(path), path); }

    TFlowPicture Picture(const QString& path) const
    {
        const QString label = FBook + QStringLiteral(": ") + path;
        return {label, [reader = FReader, index = Index(path), label] { return reader->Read(index, label); }};
    }

private:
    // Some books name their files in another case than their archive does.
    int Index(const QString& path) const
    {
        const auto exact = FIndex.find(path);
        if (exact != FIndex.end()) return exact->second;
        const auto folded = FFoldedIndex.find(path.toLower());
        return folded == FFoldedIndex.end() ? -1 : folded->second;
    }

    const QString FBook;
    std::shared_ptr<TArchiveReader> FReader;
    std::map<QString, int> FIndex;
    std::map<QString, int> FFoldedIndex;
};

[[noreturn]] void FailLocked(const QString& book)
{
    throw EMakeFailure(
        QStringLiteral("The EPUB \"%1\" is protected by DRM (its content is encrypted) and cannot be read").arg(book));
}

bool IsFont(const TEpubPackage& package, const QString& path)
{
    for (const auto& [id, item] : package.Manifest)
        if (item.Path == path && item.MediaType.contains(QLatin1String("font"))) return true;
    static const QStringList suffixes{".ttf", ".otf", ".woff", ".woff2"};
    return std::any_of(suffixes.begin(), suffixes.end(),
                       [&](const QString& suffix) { return path.endsWith(suffix, Qt::CaseInsensitive); });
}

// Font obfuscation hides only fonts, which are not used; anything else encrypted is DRM. An
// encryption file that cannot be read may hide anything.
void RefuseLocked(const TEpubFiles& files, const TEpubPackage& package, const QString& book)
{
    const QString encryptionPath = QStringLiteral("META-INF/encryption.xml");
    if (!files.Has(encryptionPath)) return;
    static const QStringList obfuscations{"http://www.idpf.org/2008/embedding", "http://ns.adobe.com/pdf/enc#RC"};
    TMarkupXml xml(files.Read(encryptionPath));
    QString algorithm;
    while (xml.Next()) {
        if (!xml.Xml.isStartElement()) continue;
        if (xml.Xml.name() == u"EncryptionMethod") algorithm = xml.Attribute(u"Algorithm");
        if (xml.Xml.name() == u"CipherReference") {
            const QString path = ResolveReference(QString(), xml.Attribute(u"URI")).Path;
            if (!obfuscations.contains(algorithm) && !IsFont(package, path)) FailLocked(book);
            algorithm.clear();
        }
    }
    if (xml.Xml.hasError()) FailLocked(book);
}

std::vector<TFlowHeading> BookContents(const TEpubFiles& files, const TEpubPackage& package)
{
    const TEpubItem* nav = package.ItemWith(QStringLiteral("nav"));
    std::vector<TFlowHeading> headings;
    if (nav && files.Has(nav->Path)) headings = NavHeadings(files.Read(nav->Path), nav->Path, files.Book());
    const TEpubItem* ncx = package.Item(package.NcxId);
    if (headings.empty() && ncx && files.Has(ncx->Path)) headings = NcxHeadings(files.Read(ncx->Path), ncx->Path);
    return headings;
}

}  // namespace

void AddEpubPages(const QString& path, const QStringList& chapters, const TMakeOptions& options, TSourceBook& book)
{
    const TEpubFiles files(path);
    if (files.Has(QStringLiteral("META-INF/rights.xml"))) FailLocked(path);
    const QString containerPath = QStringLiteral("META-INF/container.xml");
    if (!files.Has(containerPath))
        throw EMakeFailure(QStringLiteral("The EPUB \"%1\" has no META-INF/container.xml").arg(path));
    const QString opfPath = PackagePath(files.Read(containerPath), path);
    if (!files.Has(opfPath))
        throw EMakeFailure(QStringLiteral("The EPUB \"%1\" lacks its package file \"%2\"").arg(path, opfPath));
    const TEpubPackage package = ReadPackage(files.Read(opfPath), opfPath, path);
    RefuseLocked(files, package, path);

    TEbook ebook{TBookFlow(path), {}, package.Description, {}};
    TBookFlow& flow = ebook.Flow;
    for (const QString& id : package.Spine) {
        const TEpubItem* item = package.Item(id);
        if (!item)
            throw EMakeFailure(QStringLiteral("The EPUB \"%1\" names \"%2\" in its reading order, but its manifest "
                                              "has no such item")
                                   .arg(path, id));
        if (!files.Has(item->Path))
            throw EMakeFailure(
                QStringLiteral("The EPUB \"%1\" lacks \"%2\", a part of its reading order").arg(path, item->Path));
        flow.BreakPage();
        const QString key = TEpubReference{item->Path, {}}.Key();
        if (IsPictureName(item->Path)) {
            flow.MarkAnchor(key);
            flow.AddPicture(files.Picture(item->Path));
            continue;
        }
        const TPictureLookup picture = [&](const QString& reference) -> std::optional<TFlowPicture> {
            const QString picturePath = ResolveReference(item->Path, reference).Path;
            if (!IsPictureName(picturePath) || !files.Has(picturePath)) return std::nullopt;
            return files.Picture(picturePath);
        };
        AddHtmlDocument(files.Read(item->Path), path + QStringLiteral(": ") + item->Path, key, picture, flow);
    }
    ebook.Headings = BookContents(files, package);
    const TEpubItem* cover = package.ItemWith(QStringLiteral("cover-image"));
    if (!cover) cover = package.Item(package.CoverId);
    if (cover && IsPictureName(cover->Path) && files.Has(cover->Path)) ebook.Cover = files.Picture(cover->Path);
    AddEbook(ebook, chapters, options, book);
}

}  // namespace making
