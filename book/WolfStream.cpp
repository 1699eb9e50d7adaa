#include "WolfStream.h"

#include "SystemFiles.h"
#include "WolfFormat.h"

#include <algorithm>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace wolf {

namespace {
constexpr size_t BufferCapacity = 64 * 1024;
constexpr size_t SeekFill = 4 * 1024;
constexpr size_t CopyChunk = 1024 * 1024;

// Positions before the start of a stream are as unreadable as those after its end.
uint64_t TargetPosition(int64_t offset, uint64_t base)
{
    if (offset < 0 && static_cast<uint64_t>(-offset) > base) throw EReadError();
    return base + static_cast<uint64_t>(offset);
}
}  // namespace

// ---------------------------------------------------------------- TStream

void TStream::ReadBuffer(void* buffer, size_t count)
{
    if (count != 0 && Read(buffer, count) != count) throw EReadError();
}

uint8_t TStream::ReadByte()
{
    uint8_t b;
    ReadBuffer(&b, 1);
    return b;
}

uint16_t TStream::ReadU16()
{
    uint8_t b[2];
    ReadBuffer(b, 2);
    return GetU16(b);
}

uint32_t TStream::ReadU32()
{
    uint8_t b[4];
    ReadBuffer(b, 4);
    return GetU32(b);
}

void TStream::WriteU32(uint32_t value)
{
    uint8_t b[4];
    PutU32(b, value);
    Write(b, 4);
}

std::string TStream::ReadString(uint64_t count)
{
    const uint64_t position = Position();
    const uint64_t size = Size();
    if (position > size || count > size - position) throw EReadError();
    std::string text(static_cast<size_t>(count), '\0');
    ReadBuffer(text.data(), text.size());
    return text;
}

void TStream::CopyFrom(TStream& source, uint64_t count)
{
    std::vector<char> chunk(static_cast<size_t>(std::min<uint64_t>(count, CopyChunk)));
    while (count > 0) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(count, chunk.size()));
        source.ReadBuffer(chunk.data(), n);
        Write(chunk.data(), n);
        count -= n;
    }
}

// ---------------------------------------------------------------- raw file access

namespace {
#ifdef _WIN32
size_t RawRead(void* h, uint64_t at, void* buffer, size_t count)
{
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD done = 0;
    if (!ReadFile(h, buffer, static_cast<DWORD>(count), &done, &where) && GetLastError() != ERROR_HANDLE_EOF)
        throw EReadError();
    return done;
}
void RawWrite(void* h, uint64_t at, const void* buffer, size_t count)
{
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    DWORD done = 0;
    if (!WriteFile(h, buffer, static_cast<DWORD>(count), &done, &where) || done != count) throw EWriteError();
}
uint64_t RawSize(void* h)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(h, &size)) throw EReadError();
    return static_cast<uint64_t>(size.QuadPart);
}
#else
size_t RawRead(int fd, uint64_t at, void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const ssize_t n = pread(fd, static_cast<char*>(buffer) + done, count - done, static_cast<off_t>(at + done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EReadError();
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    return done;
}
void RawWrite(int fd, uint64_t at, const void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const ssize_t n =
            pwrite(fd, static_cast<const char*>(buffer) + done, count - done, static_cast<off_t>(at + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw EWriteError();
        done += static_cast<size_t>(n);
    }
}
uint64_t RawSize(int fd)
{
    struct stat st {};
    if (fstat(fd, &st) != 0) throw EReadError();
    return static_cast<uint64_t>(st.st_size);
}
#endif
}  // namespace

// ---------------------------------------------------------------- TFileStream

TFileStream::TFileStream(const std::string& path, TMode mode) : FPath(path), FMode(mode)
{
    const bool reading = mode == TMode::OpenRead;
#ifdef _WIN32
    // Readers let others read but not write, so a shown book cannot change under us;
    // a new file is ours alone until it is complete.
    FHandle = CreateFileW(systemfiles::WidePath(path).c_str(), reading ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                          reading ? FILE_SHARE_READ : 0, nullptr, reading ? OPEN_EXISTING : CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    if (FHandle == INVALID_HANDLE_VALUE) {
        FHandle = nullptr;
        throw EFOpenError((reading ? "Cannot open file \"" : "Cannot create file \"") + path + "\". " +
                          systemfiles::LastErrorText());
    }
#else
    // POSIX has no share modes: other programs can still write a book we show. We only
    // read it, and the rewriter never writes into it, so the worst case is a page that no
    // longer decodes, which shows as not valid.
    FHandle = reading ? ::open(path.c_str(), O_RDONLY | O_CLOEXEC)
                      : ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (FHandle < 0)
        throw EFOpenError((reading ? "Cannot open file \"" : "Cannot create file \"") + path + "\". " +
                          std::strerror(errno));
#endif
    FSize = RawSize(FHandle);
    FBuffer.reserve(BufferCapacity);
}

TFileStream::~TFileStream()
{
    try {
        FlushWrite();
    } catch (const EStreamError&) {
        // A destructor cannot report; callers that care call Sync() first.
    }
#ifdef _WIN32
    if (FHandle) CloseHandle(FHandle);
#else
    if (FHandle >= 0) ::close(FHandle);
#endif
}

size_t TFileStream::Read(void* buffer, size_t count)
{
    if (FWriting) {
        FlushWrite();
        FWriting = false;
    }
    auto* out = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < count) {
        if (FBufferPos < FBuffer.size()) {
            const size_t n = std::min(count - done, FBuffer.size() - FBufferPos);
            std::memcpy(out + done, FBuffer.data() + FBufferPos, n);
            FBufferPos += n;
            done += n;
            continue;
        }
        const uint64_t position = FBufferStart + FBufferPos;
        if (count - done >= BufferCapacity) {  // large reads bypass the buffer
            const size_t n = RawRead(FHandle, position, out + done, count - done);
            FBufferStart = position + n;
            FBuffer.clear();
            FBufferPos = 0;
            done += n;
            break;
        }
        // Right after a seek the read may be the only one there (a title, a tag): fill a
        // little, and the whole buffer once reading goes on where that fill ended.
        const size_t fill = FBuffer.empty() ? std::max(SeekFill, count - done) : BufferCapacity;
        FBufferStart = position;
        FBuffer.resize(fill);
        FBuffer.resize(RawRead(FHandle, position, FBuffer.data(), fill));
        FBufferPos = 0;
        if (FBuffer.empty()) break;
    }
    return done;
}

void TFileStream::Write(const void* buffer, size_t count)
{
    if (FMode == TMode::OpenRead) throw EWriteError();
    if (!FWriting) {
        FBufferStart += FBufferPos;
        FBuffer.clear();
        FBufferPos = 0;
        FSpare.clear();  // the write may change what it holds
        FWriting = true;
    }
    if (FBuffer.size() + count > BufferCapacity) FlushWrite();
    if (count >= BufferCapacity) {
        RawWrite(FHandle, FBufferStart, buffer, count);
        FBufferStart += count;
        FSize = std::max(FSize, FBufferStart);
        return;
    }
    const auto* in = static_cast<const uint8_t*>(buffer);
    FBuffer.insert(FBuffer.end(), in, in + count);
    FBufferPos = FBuffer.size();
    FSize = std::max(FSize, FBufferStart + FBufferPos);
}

void TFileStream::FlushWrite()
{
    if (!FWriting || FBuffer.empty()) return;
    RawWrite(FHandle, FBufferStart, FBuffer.data(), FBuffer.size());
    FBufferStart += FBuffer.size();
    FBuffer.clear();
    FBufferPos = 0;
}

uint64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const uint64_t current = FBufferStart + FBufferPos;
    uint64_t target = current;
    switch (origin) {
    case TSeekOrigin::Begin: target = TargetPosition(offset, 0); break;
    case TSeekOrigin::Current: target = TargetPosition(offset, current); break;
    case TSeekOrigin::End: target = TargetPosition(offset, Size()); break;
    }
    if (target == current) return current;
    if (FWriting) {
        FlushWrite();
        FBufferStart = target;
    } else if (target >= FBufferStart && target <= FBufferStart + FBuffer.size()) {
        FBufferPos = static_cast<size_t>(target - FBufferStart);
    } else {
        std::swap(FBuffer, FSpare);
        std::swap(FBufferStart, FSpareStart);
        if (target >= FBufferStart && target < FBufferStart + FBuffer.size()) {
            FBufferPos = static_cast<size_t>(target - FBufferStart);
        } else {
            FBufferStart = target;
            FBuffer.clear();
            FBufferPos = 0;
        }
    }
    return target;
}

uint64_t TFileStream::Size()
{
    return FSize;
}

void TFileStream::Sync()
{
    FlushWrite();
#ifdef _WIN32
    if (!FlushFileBuffers(FHandle)) throw EWriteError();
#else
    if (fsync(FHandle) != 0) throw EWriteError();
#endif
}

// ---------------------------------------------------------------- TMemoryStream

size_t TMemoryStream::Read(void* buffer, size_t count)
{
    if (FPos >= FData.size()) return 0;
    const size_t n = static_cast<size_t>(std::min<uint64_t>(count, FData.size() - FPos));
    std::memcpy(buffer, FData.data() + FPos, n);
    FPos += n;
    return n;
}

void TMemoryStream::Write(const void* buffer, size_t count)
{
    const size_t end = static_cast<size_t>(FPos) + count;
    if (end > FData.size()) FData.resize(end);
    std::memcpy(FData.data() + FPos, buffer, count);
    FPos = end;
}

uint64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    switch (origin) {
    case TSeekOrigin::Begin: FPos = TargetPosition(offset, 0); break;
    case TSeekOrigin::Current: FPos = TargetPosition(offset, FPos); break;
    case TSeekOrigin::End: FPos = TargetPosition(offset, FData.size()); break;
    }
    return FPos;
}

}  // namespace wolf
