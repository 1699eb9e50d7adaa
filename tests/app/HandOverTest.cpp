// Two real karavel processes: a later start hands its book to the running one.
#include "TestBooks.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {
class TKaravel {
public:
    explicit TKaravel(const QString& settingsFile, const QStringList& arguments = {}, const QString& workingFolder = {})
    {
        FProcess.setWorkingDirectory(workingFolder);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("KARAVEL_SETTINGS", settingsFile);
#ifdef Q_OS_WIN
        // Real windows: stopping the program closes them as at logout.
        environment.insert("QT_QPA_PLATFORM", "windows");
#else
        environment.insert("QT_QPA_PLATFORM", "offscreen");
#endif
        FProcess.setProcessEnvironment(environment);
        FProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        FProcess.start(KARAVEL_PATH, arguments);
        FProcess.waitForStarted();
    }
    ~TKaravel()
    {
        if (FProcess.state() != QProcess::NotRunning) {
            FProcess.kill();
            FProcess.waitForFinished();
        }
    }
    // Closes the window as at logout, which saves the settings.
    bool Stop()
    {
        FProcess.terminate();
        return FProcess.waitForFinished(10000) && FProcess.exitStatus() == QProcess::NormalExit;
    }
    QProcess FProcess;
};

// The running instance needs a moment before it listens. On Windows it shows its window once it
// listens, and the window tells; elsewhere there is nothing to poll that would not itself become
// an instance.
void LetItStart(const QProcess& process)
{
#ifdef Q_OS_WIN
    struct TSearch {
        DWORD Process;
        bool Found = false;
    } search{DWORD(process.processId())};
    const auto showsAWindow = [&] {
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
                auto* search = reinterpret_cast<TSearch*>(data);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                search->Found = owner == search->Process && IsWindowVisible(window);
                return !search->Found;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.Found;
    };
    QTRY_VERIFY_WITH_TIMEOUT(showsAWindow(), 30000);
#else
    Q_UNUSED(process);
    QTest::qWait(2500);
#endif
}

QString SettingsText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
}  // namespace

class HandOverTest : public QObject {
    Q_OBJECT
private slots:
    void SecondStartHandsItsBookOver()
    {
        testbooks::TSandbox sandbox;
        // A name the system's 8-bit code page cannot write.
        const QString book = sandbox.Write(QStringLiteral("handed книга 海.wol"), testbooks::BookWithPages(2, true));
        QTemporaryDir elsewhere;
        TKaravel running(sandbox.SettingsFile(), {}, elsewhere.path());
        LetItStart(running.FProcess);
        QCOMPARE(running.FProcess.state(), QProcess::Running);

        // A path relative to the second start's own folder.
        TKaravel second(sandbox.SettingsFile(), {QFileInfo(book).fileName()}, QFileInfo(book).path());
        QVERIFY(second.FProcess.waitForFinished(15000));
        QCOMPARE(second.FProcess.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.FProcess.exitCode(), 0);

        // Without a path the running window only comes to the front.
        TKaravel third(sandbox.SettingsFile());
        QVERIFY(third.FProcess.waitForFinished(15000));
        QCOMPARE(third.FProcess.exitCode(), 0);

        QVERIFY(running.Stop());
        const QString settings = SettingsText(sandbox.SettingsFile());
        QVERIFY2(settings.contains("MRU1=" + QDir::toNativeSeparators(book)), qPrintable(settings));
        QVERIFY(!settings.contains("MRU2="));
    }

    void WithoutSingleInstanceASecondWindowRuns()
    {
        testbooks::TSandbox sandbox;
        QFile file(sandbox.SettingsFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Config]\nAllowOneInstance=0\n");
        file.close();
        TKaravel first(sandbox.SettingsFile());
        LetItStart(first.FProcess);
        TKaravel second(sandbox.SettingsFile());
        LetItStart(second.FProcess);
        QVERIFY(!second.FProcess.waitForFinished(2000));
        QVERIFY(second.Stop());
        QVERIFY(first.Stop());
    }
};

QTEST_MAIN(HandOverTest)
#include "HandOverTest.moc"
