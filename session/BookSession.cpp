#include "BookSession.h"

#include "FileSystemPath.h"
#include "uWolfReplacer.h"

#include <QFileInfo>

namespace session {

namespace {

// What the encoding is guessed from: the description and the titles.
std::vector<std::string> TextSamples(const wolf::TWolfReader& reader)
{
    std::vector<std::string> samples;
    samples.reserve(static_cast<size_t>(wolf::TWolfDescription::FieldCount) + static_cast<size_t>(reader.TOC.Count()));
    for (int i = 0; i < wolf::TWolfDescription::FieldCount; ++i) samples.push_back(reader.Description.GetField(i));
    for (int i = 0; i < reader.TOC.Count(); ++i) samples.push_back(reader.TOC[i].Title());
    return samples;
}

}  // namespace

TBookSession::TBookSession(QObject* parent) : QObject(parent) {}

TBookSession::~TBookSession() = default;

void TBookSession::Open(const QString& path, const QByteArray& encodingName)
{
    FEncodingName = encodingName;
    Read(path);
    FPageIndex = FReader.HasCover() ? -1 : 0;
    emit Opened();
}

void TBookSession::Reopen()
{
    const int shown = FPageIndex;
    Read(FFileName);
    FPageIndex = shown;
    emit Opened();
}

void TBookSession::Read(const QString& path)
{
    FFileName = path;
    FStream.reset();
    try {
        // A folder opens for reading on some systems and then fails with a bare read error.
        if (QFileInfo(path).isDir())
            throw wolf::EFOpenError("Cannot open file \"" + path.toStdString() + "\". Is a directory");
        FStream =
            std::make_unique<wolf::TFileStream>(platform::FileSystemPath(path), wolf::TFileStream::TMode::OpenRead);
        FFromSubcatalog = FReader.Open(*FStream);
    } catch (...) {
        Close();
        throw;
    }
    FEncoding = platform::TBookEncoding::Choose(FEncodingName, TextSamples(FReader));
}

const wolf::TWolfPageItem& TBookSession::Page(int index) const
{
    return index == -1 ? FReader.Cover : FReader.Pages[index];
}

wolf::TGreyImage TBookSession::PagePicture(int index)
{
    wolf::TGreyImage picture;
    // The page's details are read from the file on its first showing.
    FReader.DecodePage(*FStream, index == -1 ? FReader.Cover : FReader.Pages[index], picture);
    return picture;
}

QStringList TBookSession::PageLines(int index)
{
    std::vector<std::string> lines;
    FReader.ReadTextPage(*FStream, Page(index), lines);
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) text.append(FEncoding.Decode(line));
    return text;
}

void TBookSession::Close()
{
    FReader.Clear();
    FStream.reset();
    emit Closed();
}

void TBookSession::ChooseEncoding(const QByteArray& encodingName)
{
    FEncodingName = encodingName;
    if (!IsOpen()) return;
    FEncoding = platform::TBookEncoding::Choose(FEncodingName, TextSamples(FReader));
    emit EncodingChanged();
}

void TBookSession::RewriteDescription(const wolf::TWolfDescription& description)
{
    Rewrite([&description](wolf::TStream& source, wolf::TStream& destination) {
        wolf::ReplaceDescription(source, destination, description);
    });
}

void TBookSession::RewriteTOC(wolf::TWolfTOCList& toc)
{
    Rewrite([this, &toc](wolf::TStream& source, wolf::TStream& destination) {
        wolf::ReplaceTOC(source, destination, FReader.Pages, toc);
    });
}

// The open stream is released for the save (a file open for reading cannot be replaced
// everywhere), and the book opened again afterwards, so that nobody reads from a closed
// stream.
void TBookSession::Rewrite(const wolf::TBookRewrite& rewrite)
{
    FStream.reset();
    try {
        wolf::SaveBookSafely(platform::FileSystemPath(FFileName), rewrite);
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        try {
            Reopen();
        } catch (...) {
            // The save's own error is the one to report; the book is left closed.
        }
        std::rethrow_exception(failure);
    }
    Reopen();
}

}  // namespace session
