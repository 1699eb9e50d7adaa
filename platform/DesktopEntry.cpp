#include "DesktopEntry.h"

#include <QStringList>

namespace platform {

QString DesktopExecArgument(const QString& program)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    // The key's value is itself an escaped string, read before the arguments are split.
    QString value;
    for (const QChar c : quoted) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\t')
            value += QStringLiteral("\\t");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else if (c == u'%')
            value += QStringLiteral("%%");
        else
            value += c;
    }
    return value;
}

QString DesktopEntryFor(const QString& program, const QString& packagedEntry)
{
    QStringList lines = packagedEntry.split(u'\n');
    for (QString& line : lines) {
        if (line.startsWith(QStringLiteral("Exec=")))
            line = QStringLiteral("Exec=") + DesktopExecArgument(program) + QStringLiteral(" %f");
    }
    return lines.join(u'\n');
}

}  // namespace platform
