#include "SingleInstance.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLocalServer>
#include <QProcess>
#include <QTimer>
#include <QUuid>
#include <gtest/gtest.h>

using platform::TSingleInstance;

namespace {

QString UniqueName()
{
    return QStringLiteral("KaravelTest-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// Starts the stand-in for a second program start; the caller keeps the event loop running.
std::unique_ptr<QProcess> StartHelper(const QString& name, const QString& path)
{
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(HELPER_PATH), {name, path});
    return process;
}

// Runs the event loop (so an instance in this process can serve) until all have ended.
bool WaitForAll(const std::vector<QProcess*>& processes, int timeoutMs = 15000)
{
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    const auto allDone = [&] {
        for (QProcess* process : processes) {
            if (process->state() != QProcess::NotRunning) return false;
        }
        return true;
    };
    for (QProcess* process : processes) {
        QObject::connect(process, &QProcess::finished, &loop, [&] {
            if (allDone()) loop.quit();
        });
    }
    timeout.start(timeoutMs);
    if (!allDone()) loop.exec();
    return allDone();
}

class SingleInstanceTest : public testing::Test {
protected:
    void SetUp() override
    {
        QObject::connect(&FInstance, &TSingleInstance::HandOverReceived,
                         [this](const QString& path) { FReceived << path; });
    }

    QString FName = UniqueName();
    TSingleInstance FInstance{FName};
    QStringList FReceived;
};

}  // namespace

TEST_F(SingleInstanceTest, SecondStartHandsItsPathOverAndEndsWithZero)
{
    ASSERT_FALSE(FInstance.HandOverToRunningInstance("/first.wol"));
    FInstance.Listen();

    const QString longPath = "/books/" + QString(1500, u'x') + ".wol";
    // A name the system's 8-bit code page cannot write survives the hand-over.
    const QString nonLatin = QStringLiteral("/книги/海上旅行 second.wol");
    auto withPath = StartHelper(FName, nonLatin);
    ASSERT_TRUE(WaitForAll({withPath.get()}));
    auto withLongPath = StartHelper(FName, longPath);
    auto withoutPath = StartHelper(FName, "");
    ASSERT_TRUE(WaitForAll({withLongPath.get(), withoutPath.get()}));

    for (QProcess* helper : {withPath.get(), withLongPath.get(), withoutPath.get()}) {
        EXPECT_EQ(helper->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(helper->exitCode(), 0);
        EXPECT_EQ(helper->readAllStandardOutput(), QByteArray("handed-over\n"));
    }
    ASSERT_EQ(FReceived.size(), 3);
    EXPECT_EQ(FReceived[0], nonLatin);
    EXPECT_TRUE(FReceived.contains(longPath.left(1023)));
    EXPECT_TRUE(FReceived.contains(QString()));
}

TEST_F(SingleInstanceTest, SimultaneousStartsLeaveOneRunningInstance)
{
    auto first = StartHelper(FName, "/a.wol");
    auto second = StartHelper(FName, "/b.wol");
    ASSERT_TRUE(WaitForAll({first.get(), second.get()}));

    const QByteArray outputs[] = {first->readAllStandardOutput(), second->readAllStandardOutput()};
    const int codes[] = {first->exitCode(), second->exitCode()};
    const int server = outputs[0].startsWith("server") ? 0 : 1;
    const int other = 1 - server;
    EXPECT_EQ(outputs[other], QByteArray("handed-over\n"));
    EXPECT_EQ(codes[other], 0);
    EXPECT_EQ(codes[server], 3);
    EXPECT_EQ(outputs[server], QByteArray("server\nreceived:") + (other == 0 ? "/a.wol" : "/b.wol") + "\n");
}

TEST_F(SingleInstanceTest, NameLeftByACrashedInstanceIsTakenOver)
{
    auto crashed = StartHelper(FName, "");
    ASSERT_TRUE(crashed->waitForReadyRead(10000));
    ASSERT_EQ(crashed->readLine(), QByteArray("server\n"));
    crashed->kill();
    ASSERT_TRUE(crashed->waitForFinished(5000));

    EXPECT_FALSE(FInstance.HandOverToRunningInstance("/x.wol"));
    auto next = StartHelper(FName, "/y.wol");
    ASSERT_TRUE(WaitForAll({next.get()}));
    EXPECT_EQ(next->exitCode(), 0);
    EXPECT_EQ(FReceived, QStringList{QStringLiteral("/y.wol")});
}

#ifndef Q_OS_WIN
TEST_F(SingleInstanceTest, ListeningNeverTakesTheNameFromALiveInstance)
{
    auto running = StartHelper(FName, "");
    ASSERT_TRUE(running->waitForReadyRead(10000));
    ASSERT_EQ(running->readLine(), QByteArray("server\n"));

    FInstance.Listen();
    TSingleInstance later(FName);
    EXPECT_TRUE(later.HandOverToRunningInstance("/z.wol"));
    ASSERT_TRUE(WaitForAll({running.get()}));
    EXPECT_EQ(running->exitCode(), 3);
    EXPECT_EQ(running->readAll(), QByteArray("received:/z.wol\n"));
    EXPECT_TRUE(FReceived.isEmpty());
}

TEST_F(SingleInstanceTest, OnlyAnInstanceThatMadeTheCheckDrawsLaterStarts)
{
    // Started with one instance not allowed: it runs, but a later start must not hand over to it.
    EXPECT_EQ(FInstance.Listen(), QString());
    auto later = StartHelper(FName, "/w.wol");
    ASSERT_TRUE(later->waitForReadyRead(10000));
    EXPECT_EQ(later->readLine(), QByteArray("server\n"));
    later->kill();
    later->waitForFinished(5000);
    EXPECT_TRUE(FReceived.isEmpty());

    TSingleInstance unreachable(QStringLiteral("no-such-folder/") + FName);
    EXPECT_FALSE(unreachable.HandOverToRunningInstance("/v.wol"));
    EXPECT_TRUE(unreachable.Listen().startsWith(QStringLiteral("System Error.  Code: ")));
}
#else
TEST_F(SingleInstanceTest, EveryRunningInstanceReceivesAHandOver)
{
    auto running = StartHelper(FName, "");
    ASSERT_TRUE(running->waitForReadyRead(10000));
    ASSERT_EQ(running->readLine(), QByteArray("server\n"));

    // Started with one instance not allowed, this one runs beside the first and hears the same.
    EXPECT_EQ(FInstance.Listen(), QString());
    TSingleInstance later(FName);
    EXPECT_TRUE(later.HandOverToRunningInstance("/z.wol"));
    ASSERT_TRUE(WaitForAll({running.get()}));
    EXPECT_EQ(running->exitCode(), 3);
    EXPECT_EQ(running->readAll(), QByteArray("received:/z.wol\n"));
    EXPECT_EQ(FReceived, QStringList{QStringLiteral("/z.wol")});
}

TEST_F(SingleInstanceTest, ARegionThatCannotBeMadeIsReportedOnce)
{
    // No such namespace: neither the mutex nor the region can be made under this name.
    TSingleInstance unreachable(QStringLiteral("NoSuchNamespace\\") + FName);
    EXPECT_FALSE(unreachable.HandOverToRunningInstance("/v.wol"));
    EXPECT_TRUE(unreachable.Listen().startsWith(QStringLiteral("System Error.  Code: ")));
    EXPECT_EQ(unreachable.Listen(), QString());
}
#endif
