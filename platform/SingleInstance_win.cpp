// A named mutex tells a later start that an instance runs; the later start copies its path
// into a named 1024-byte region and broadcasts a registered message, which the running
// instance answers by reading the region, all before the broadcast returns.
#include "SingleInstance.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QFile>
#include <QWindow>

#include <windows.h>

#include <cstring>

namespace platform {

namespace {

constexpr DWORD RegionSize = 1024;

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

}  // namespace

struct TSingleInstance::TImpl : QAbstractNativeEventFilter {
    QByteArray MutexName;
    QByteArray RegionName;
    UINT HandOverMessage = 0;
    HANDLE Mutex = nullptr;
    HANDLE Region = nullptr;
    // Broadcasts reach every top-level window of the process; only this hidden one answers,
    // so a hand-over is handled once.
    std::unique_ptr<QWindow> Receiver;
    TSingleInstance* Owner = nullptr;

    ~TImpl() override
    {
        if (Receiver && QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
        if (Region) CloseHandle(Region);
        if (Mutex) CloseHandle(Mutex);
    }

    QByteArray ReadRegion() const
    {
        const TRegionView view(Region);
        if (!view.Data()) return {};
        return QByteArray(view.Data(), qsizetype(strnlen(view.Data(), RegionSize)));
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        const MSG* msg = static_cast<const MSG*>(message);
        if (eventType != "windows_generic_MSG" || msg->message != HandOverMessage ||
            msg->hwnd != reinterpret_cast<HWND>(Receiver->winId()))
            return false;
        emit Owner->HandOverReceived(QFile::decodeName(ReadRegion()));
        *result = 0;
        return true;
    }
};

TSingleInstance::TSingleInstance(const QString& name, QObject* parent)
    : QObject(parent), FImpl(std::make_unique<TImpl>())
{
    FImpl->Owner = this;
    FImpl->MutexName = (name + QStringLiteral("_Mutex")).toLocal8Bit();
    FImpl->RegionName = (name + QStringLiteral("_Mapping")).toLocal8Bit();
    FImpl->HandOverMessage = RegisterWindowMessageA(FImpl->MutexName.constData());
}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::HandOverToRunningInstance(const QByteArray& path)
{
    FImpl->Mutex = CreateMutexA(nullptr, FALSE, FImpl->MutexName.constData());
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    if (HANDLE region = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, FImpl->RegionName.constData())) {
        bool written = false;
        {
            const TRegionView view(region);
            if (view.Data()) {
                const QByteArray cut = path.left(RegionSize - 1);
                std::memcpy(view.Data(), cut.constData(), size_t(cut.size()));
                view.Data()[cut.size()] = '\0';
                written = true;
            }
        }
        if (written) SendMessageA(HWND_BROADCAST, FImpl->HandOverMessage, 0, 0);
        CloseHandle(region);
    }
    return true;
}

QString TSingleInstance::Listen()
{
    if (FImpl->Receiver) return {};
    FImpl->Region =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, RegionSize, FImpl->RegionName.constData());
    const DWORD error = FImpl->Region ? 0 : GetLastError();
    // Without a region a hand-over still brings the window to the front.
    FImpl->Receiver = std::make_unique<QWindow>();
    FImpl->Receiver->winId();
    QCoreApplication::instance()->installNativeEventFilter(FImpl.get());
    if (!error) return {};
    return QStringLiteral("System Error.  Code: %1.\r\n%2").arg(error).arg(qt_error_string(int(error)));
}

}  // namespace platform
