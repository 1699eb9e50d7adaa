#include "CatalogContents.h"

#include "BookPlan.h"
#include "FileSystemPath.h"
#include "MakeFailure.h"
#include "WolfStream.h"
#include "uCatalogText.h"

namespace making {

wolf::TWolfTOCList ReadCatalogContents(const platform::TBookEncoding& encoding, const QString& path)
{
    try {
        std::vector<std::string> lines = wolf::ReadCatalogFile(platform::FileSystemPath(path));
        for (std::string& line : lines) {
            const QByteArray bytes = QByteArray::fromStdString(line);
            const QString text = QString::fromUtf8(bytes);
            if (text.toUtf8() != bytes)
                throw EMakeFailure(QStringLiteral("The catalog \"%1\" is not UTF-8 text").arg(path));
            line = EncodeOrFail(encoding, text, QStringLiteral("the table of contents"));
        }
        wolf::TWolfTOCList contents;
        wolf::CatalogTextToTOC(lines, contents);
        return contents;
    } catch (const wolf::EWolf& error) {
        // The file's faults: no book is malformed here.
        throw EMakeFailure(QString::fromStdString(error.what()));
    } catch (const wolf::EStreamError& error) {
        throw EMakeFailure(QString::fromStdString(error.what()));
    }
}

}  // namespace making
