#include "ToolRunner.h"

#include "BookSamples.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <gtest/gtest.h>

QString TToolResult::LastErrorLine() const
{
    const QList<QByteArray> lines = Err.trimmed().split('\n');
    return QString::fromUtf8(lines.last());
}

QJsonObject TToolResult::Json() const
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(Out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

TToolResult RunWolftool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(WOLFTOOL_PATH), arguments);
    TToolResult result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << "wolftool did not finish normally: " << arguments.join(u' ').toStdString();
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.ExitCode = process.exitCode();
    result.Out = process.readAllStandardOutput();
    result.Err = process.readAllStandardError();
    return result;
}

QString TScratch::Write(const QString& name, const std::string& bytes) const
{
    return testbooks::WriteAll(Path(name), bytes);
}

std::vector<std::pair<QString, int>> Contents(const QJsonObject& info)
{
    std::vector<std::pair<QString, int>> entries;
    for (const QJsonValue& entry : info[QStringLiteral("toc")].toArray())
        entries.emplace_back(entry[QStringLiteral("title")].toString(), entry[QStringLiteral("page")].toInt());
    return entries;
}
