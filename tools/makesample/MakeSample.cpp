// wolf-makesample OUT.wol: writes the sample book "The Voyage of the Karavel".
#include "SampleBook.h"

#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    // Only draws into pictures: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2 || arguments.at(1).startsWith(u'-')) {
        std::fprintf(stderr, "Usage: wolf-makesample OUT.wol\nWrites the sample book \"%s\".\n",
                     sampleart::BookTitle);
        return arguments.contains(QStringLiteral("--help")) ? 0 : 1;
    }
    try {
        const std::string book = sampleart::MakeSampleBook();
        QSaveFile file(arguments.at(1));
        if (!file.open(QIODevice::WriteOnly)
            || file.write(book.data(), static_cast<qint64>(book.size())) != static_cast<qint64>(book.size())
            || !file.commit()) {
            std::fprintf(stderr, "Cannot write \"%s\": %s\n", qPrintable(arguments.at(1)), qPrintable(file.errorString()));
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
