// The Preferences button against the real registry (Wine's, in the tests' own Wine prefix):
// pressed twice it leaves what it left once, and each press is announced to every top-level
// window, which a hidden window of the test's own hears.
#include "fPreferences.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include <windows.h>

namespace {

int Announcements = 0;

LRESULT CALLBACK Listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_WININICHANGE && wParam == SPI_SETNONCLIENTMETRICS && lParam &&
        std::wstring(reinterpret_cast<const wchar_t*>(lParam)) == L"WindowMetrics")
        ++Announcements;
    return DefWindowProcW(window, message, wParam, lParam);
}

// The default value of a key below HKEY_CLASSES_ROOT, or "<none>".
QString DefaultValue(const wchar_t* key)
{
    wchar_t text[1024];
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key, nullptr, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return QStringLiteral("<none>");
    return QString::fromWCharArray(text);
}

QStringList Association()
{
    return {DefaultValue(L".wol"), DefaultValue(L"Wolf file\\shell\\open\\command"),
            DefaultValue(L"Wolf file\\DefaultIcon"), DefaultValue(L"Wolf file\\shell"), DefaultValue(L"Wolf file")};
}

void RemoveAssociation()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".wol");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Wolf file");
}

}  // namespace

class AssociationTest : public QObject {
    Q_OBJECT
private slots:
    void init() { RemoveAssociation(); }
    void cleanup() { RemoveAssociation(); }

    void ButtonWritesTheSameTwiceAndAnnouncesEachTime()
    {
        WNDCLASSW listenerClass{};
        listenerClass.lpfnWndProc = Listener;
        listenerClass.hInstance = GetModuleHandleW(nullptr);
        listenerClass.lpszClassName = L"KaravelTestListener";
        QVERIFY(RegisterClassW(&listenerClass));
        const HWND listener = CreateWindowExW(0, listenerClass.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                              nullptr, listenerClass.hInstance, nullptr);
        QVERIFY(listener);

        dialogs::TfrmPreferences dialog([](const std::exception& error) { QFAIL(error.what()); });
        const QString program = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
        const QStringList expected{QStringLiteral("Wolf file"), '"' + program + "\" \"%1\"", '"' + program + "\",1",
                                   QStringLiteral("<none>"), QStringLiteral("<none>")};
        dialog.btnAssociate->click();
        QCOMPARE(Association(), expected);
        QCOMPARE(Announcements, 1);
        dialog.btnAssociate->click();
        QCOMPARE(Association(), expected);
        QCOMPARE(Announcements, 2);
        DestroyWindow(listener);
    }
};

QTEST_MAIN(AssociationTest)
#include "AssociationTest_win.moc"
