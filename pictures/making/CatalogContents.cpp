#include "CatalogContents.h"

#include "FileSystemPath.h"
#include "PictureDecoding.h"
#include "uCatalogText.h"

namespace making {

wolf::TWolfTOCList ReadCatalogContents(const TBookPlan& plan, const QString& path)
{
    std::vector<std::string> lines = wolf::ReadCatalogFile(platform::FileSystemPath(path));
    for (std::string& line : lines) {
        const QByteArray bytes = QByteArray::fromStdString(line);
        const QString text = QString::fromUtf8(bytes);
        if (text.toUtf8() != bytes)
            throw EMakeFailure(QStringLiteral("The catalog \"%1\" is not UTF-8 text").arg(path));
        line = EncodeOrFail(plan, text, QStringLiteral("the table of contents"));
    }
    wolf::TWolfTOCList contents;
    wolf::CatalogTextToTOC(lines, contents);
    return contents;
}

}  // namespace making
