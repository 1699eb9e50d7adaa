// The commands of wolftool. Each command lives in its own file and registers itself
// with one line:  static const TCommandRegistration reg{"name", "summary", RunName};
#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace wolftool {

// Exit codes other tools rely on.
enum TExitCode { ExitOk = 0, ExitFailure = 1, ExitMalformedBook = 2, ExitInvalidPage = 3 };

// A failure with its own exit code and the message for the last line on stderr.
class ECommandFailure : public std::runtime_error {
public:
    ECommandFailure(const QString& message, int exitCode = ExitFailure)
        : std::runtime_error(message.toStdString()), FExitCode(exitCode)
    {
    }
    int ExitCode() const { return FExitCode; }

private:
    int FExitCode;
};

// args holds the command's own arguments, with "wolftool NAME" in front as the program name.
using TCommandFunction = int (*)(const QStringList& args);

struct TCommand {
    const char* Name;
    const char* Summary;
    TCommandFunction Run;
};

// Commands in the order they registered; the dispatcher lists them sorted by name.
std::vector<TCommand>& Commands();

struct TCommandRegistration {
    TCommandRegistration(const char* name, const char* summary, TCommandFunction run)
    {
        Commands().push_back({name, summary, run});
    }
};

}  // namespace wolftool
