// wolf-makesample OUT.wol: writes the sample book "The Voyage of the Karavel".
#include "FileSystemPath.h"
#include "SampleBook.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char* argv[])
{
    // Only draws into pictures: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2 || arguments.at(1).startsWith(u'-')) {
        std::fprintf(stderr, "Usage: wolf-makesample OUT.wol\nWrites the sample book \"%s\".\n", sampleart::BookTitle);
        return arguments.contains(QStringLiteral("--help")) ? 0 : 1;
    }
    try {
        sampleart::WriteSampleBook(platform::FileSystemPath(arguments.at(1)));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
