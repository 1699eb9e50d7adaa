// wolftool: inspects Wolf books from the command line. Dispatches to the command named
// by the first argument and turns failures into the agreed exit codes.
#include "ToolCommand.h"
#include "VersionInfo.h"
#include "uWolfDefs.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <exception>

using namespace wolftool;

namespace {

void PrintError(const char* message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", message);
}

void PrintUsage(FILE* out)
{
    std::vector<TCommand> sorted = Commands();
    std::sort(sorted.begin(), sorted.end(),
              [](const TCommand& a, const TCommand& b) { return qstrcmp(a.Name, b.Name) < 0; });
    std::fprintf(out, "Usage: wolftool COMMAND [options] ...\n\nCommands:\n");
    for (const TCommand& command : sorted) std::fprintf(out, "  %-12s %s\n", command.Name, command.Summary);
    std::fprintf(out, "\n'wolftool COMMAND --help' describes a command; 'wolftool --version' prints the version.\n");
}

const TCommand* FindCommand(const QString& name)
{
    for (const TCommand& command : Commands())
        if (name == QLatin1String(command.Name)) return &command;
    return nullptr;
}

int RunCommand(const TCommand& command, const QStringList& args)
{
    try {
        return command.Run(args);
    } catch (const ECommandFailure& failure) {
        PrintError(failure.what());
        return failure.ExitCode();
    } catch (const wolf::EWolf& error) {
        PrintError(error.what());
        return ExitMalformedBook;
    } catch (const std::bad_alloc&) {
        PrintError("Out of memory");
        return ExitFailure;
    } catch (const std::exception& error) {
        PrintError(error.what());
        return ExitFailure;
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wolftool"));
    const QStringList arguments = QCoreApplication::arguments();

    if (arguments.size() < 2) {
        PrintUsage(stderr);
        PrintError("No command given");
        return ExitFailure;
    }
    const QString& name = arguments.at(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        PrintUsage(stdout);
        return ExitOk;
    }
    if (name == QLatin1String("--version")) {
        const platform::TVersionTexts version =
            platform::FormatVersionTexts(KARAVEL_VERSION_MAJOR, KARAVEL_VERSION_MINOR, KARAVEL_VERSION_PATCH, 0, 0);
        std::printf("wolftool %s\n", qPrintable(version.LongText));
        return ExitOk;
    }
    const TCommand* command = FindCommand(name);
    if (!command) {
        PrintError(qPrintable(QStringLiteral("Unknown command \"%1\" (see wolftool --help)").arg(name)));
        return ExitFailure;
    }
    QStringList commandArgs = arguments.mid(1);
    commandArgs.first() = QStringLiteral("wolftool ") + name;
    return RunCommand(*command, commandArgs);
}
