// A named mutex tells a later start that an instance runs; the later start copies its path
// (UTF-8, so that any name survives) into a named 1024-byte region and broadcasts a registered
// message, which the running instance answers by reading the region, all before the broadcast
// returns. The running instance receives in a hidden top-level window (broadcasts reach only
// those) made with the system's own calls: it depends on no Qt window, so it works whatever
// platform plugin draws the program, and a failure to make it is reported, not followed.
//
// A second mutex, owned while it is used, makes one step of "is an instance there, else become
// it, region and window included" and of each hand-over: two books opened at once from the
// file manager start two processes at once, and neither path may be lost or overwritten.
#include "SingleInstance.h"

#include <windows.h>

#include <cstring>
#include <utility>

namespace platform {

namespace {

constexpr DWORD RegionSize = 1024;
// A start that waits longer (for a running instance busy with a message box) goes on unguarded.
constexpr DWORD TurnTimeoutMs = 10000;
constexpr wchar_t ReceiverClass[] = L"KaravelHandOverReceiver";

const wchar_t* Wide(const QString& text)
{
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

QString SystemError(DWORD error)
{
    return QStringLiteral("System Error.  Code: %1.\r\n%2").arg(error).arg(qt_error_string(int(error)));
}

// Maps the whole region for the time of one copy.
class TRegionView {
public:
    explicit TRegionView(HANDLE region)
        : FView(region ? static_cast<char*>(MapViewOfFile(region, FILE_MAP_ALL_ACCESS, 0, 0, 0)) : nullptr)
    {
    }
    ~TRegionView()
    {
        if (FView) UnmapViewOfFile(FView);
    }
    TRegionView(const TRegionView&) = delete;
    TRegionView& operator=(const TRegionView&) = delete;
    char* Data() const { return FView; }

private:
    char* FView;
};

// Owns the named mutex for its life. A holder that ended without letting go leaves it free.
class TTurn {
public:
    explicit TTurn(const QString& name) : FMutex(CreateMutexW(nullptr, FALSE, Wide(name)))
    {
        if (!FMutex) return;
        const DWORD waited = WaitForSingleObject(FMutex, TurnTimeoutMs);
        FOwned = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
    }
    ~TTurn()
    {
        if (FOwned) ReleaseMutex(FMutex);
        if (FMutex) CloseHandle(FMutex);
    }
    TTurn(const TTurn&) = delete;
    TTurn& operator=(const TTurn&) = delete;

private:
    HANDLE FMutex;
    bool FOwned = false;
};

}  // namespace

struct TSingleInstance::TImpl {
    QString MutexName;
    QString RegionName;
    QString TurnName;
    UINT HandOverMessage = 0;
    HANDLE Mutex = nullptr;
    HANDLE Region = nullptr;
    HWND Receiver = nullptr;
    QString ListenFailure;
    TSingleInstance* Owner = nullptr;

    ~TImpl()
    {
        if (Receiver) {
            SetWindowLongPtrW(Receiver, GWLP_USERDATA, 0);
            DestroyWindow(Receiver);
        }
        if (Region) CloseHandle(Region);
        if (Mutex) CloseHandle(Mutex);
    }

    QString ReadRegion() const
    {
        const TRegionView view(Region);
        if (!view.Data()) return {};
        return QString::fromUtf8(view.Data(), qsizetype(strnlen(view.Data(), RegionSize)));
    }

    static LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        const auto* impl = reinterpret_cast<const TImpl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (impl && message == impl->HandOverMessage) {
            emit impl->Owner->HandOverReceived(impl->ReadRegion());
            return 0;
        }
        // Closing the program's windows (at logout, or QProcess::terminate) is for its main window.
        if (message == WM_CLOSE) return 0;
        return DefWindowProcW(window, message, wParam, lParam);
    }

    // Zero, or the system's error code.
    DWORD CreateReceiver()
    {
        const HINSTANCE module = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        if (!GetClassInfoExW(module, ReceiverClass, &windowClass)) {
            windowClass.lpfnWndProc = ReceiverProc;
            windowClass.hInstance = module;
            windowClass.lpszClassName = ReceiverClass;
            if (!RegisterClassExW(&windowClass)) return GetLastError();
        }
        Receiver =
            CreateWindowExW(WS_EX_TOOLWINDOW, ReceiverClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, module, this);
        if (Receiver) return 0;
        // Wine without a display makes no top-level window and says nothing about why.
        const DWORD error = GetLastError();
        return error ? error : DWORD(ERROR_INVALID_WINDOW_HANDLE);
    }

    // The region and the window, once; the failure is kept for Listen to report.
    void StartListening()
    {
        if (Receiver || !ListenFailure.isEmpty()) return;
        Region = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, RegionSize, Wide(RegionName));
        const DWORD regionError = Region ? 0 : GetLastError();
        // Without a region a hand-over still brings the window to the front.
        if (const DWORD receiverError = CreateReceiver())
            ListenFailure = SystemError(receiverError);
        else if (regionError)
            ListenFailure = SystemError(regionError);
    }
};

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), FImpl(std::make_unique<TImpl>())
{
    FImpl->Owner = this;
    FImpl->MutexName = name + QStringLiteral("_Mutex");
    FImpl->RegionName = name + QStringLiteral("_Mapping");
    FImpl->TurnName = name + QStringLiteral("_HandOver");
    FImpl->HandOverMessage = RegisterWindowMessageW(Wide(FImpl->MutexName));
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::HandOverToRunningInstance(const QString& path)
{
    const TTurn turn(FImpl->TurnName);
    FImpl->Mutex = CreateMutexW(nullptr, FALSE, Wide(FImpl->MutexName));
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
        FImpl->StartListening();
        return false;
    }
    if (HANDLE region = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, Wide(FImpl->RegionName))) {
        bool written = false;
        {
            const TRegionView view(region);
            if (view.Data()) {
                const QByteArray cut = path.toUtf8().left(RegionSize - 1);
                std::memcpy(view.Data(), cut.constData(), size_t(cut.size()));
                view.Data()[cut.size()] = '\0';
                written = true;
            }
        }
        if (written) {
            // The running instance may then take the foreground from this start, which has it.
            AllowSetForegroundWindow(ASFW_ANY);
            SendMessageW(HWND_BROADCAST, FImpl->HandOverMessage, 0, 0);
        }
        CloseHandle(region);
    }
    return true;
}

QString TSingleInstance::Listen()
{
    FImpl->StartListening();
    return std::exchange(FImpl->ListenFailure, QString());
}

}  // namespace platform
