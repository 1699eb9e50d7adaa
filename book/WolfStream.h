// Seekable byte streams the reader and the rewriter work on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace wolf {

// A read that ends early ("Stream read error"), a failed write ("Stream write error"),
// or a file that cannot be opened ("Cannot open file \"%s\". %s"). Not EWolf.
class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EReadError : public EStreamError {
public:
    EReadError() : EStreamError("Stream read error") {}
};
class EWriteError : public EStreamError {
public:
    EWriteError() : EStreamError("Stream write error") {}
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

enum class TSeekOrigin { Begin, Current, End };

class TStream {
public:
    virtual ~TStream() = default;
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;

    // Reads up to count bytes, returns how many were read (fewer only at the end).
    virtual size_t Read(void* buffer, size_t count) = 0;
    virtual void Write(const void* buffer, size_t count) = 0;
    virtual uint64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual uint64_t Size() = 0;

    uint64_t Position() { return Seek(0, TSeekOrigin::Current); }
    // Reads exactly count bytes or raises EReadError.
    void ReadBuffer(void* buffer, size_t count);
    void WriteBuffer(const void* buffer, size_t count) { Write(buffer, count); }
    uint8_t ReadByte();
    uint16_t ReadU16();
    uint32_t ReadU32();
    void WriteU32(uint32_t value);
    void WriteText(const std::string& text) { Write(text.data(), text.size()); }
    // Reads count bytes as a string; raises EReadError before allocating when the
    // stream cannot hold them.
    std::string ReadString(uint64_t count);
    // Copies count bytes from source in chunks.
    void CopyFrom(TStream& source, uint64_t count);
};

// A file opened for reading or created for writing, buffered below the stream so that
// byte-wise token reading costs no system call per byte while Position() stays exact.
class TFileStream : public TStream {
public:
    enum class TMode {
        OpenRead,  // others may read but not write, as far as the system can enforce it
        Create,    // new empty file, others get no access, as far as the system allows
    };
    TFileStream(const std::string& path, TMode mode);
    ~TFileStream() override;

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    uint64_t Seek(int64_t offset, TSeekOrigin origin) override;
    uint64_t Size() override;
    // Writes the buffer out and forces the data to the disk.
    void Sync();
    const std::string& FileName() const { return FPath; }

private:
    void FlushWrite();
    std::string FPath;
    TMode FMode;
#ifdef _WIN32
    void* FHandle = nullptr;
#else
    int FHandle = -1;
#endif
    uint64_t FBufferStart = 0;     // file offset of FBuffer[0]
    std::vector<uint8_t> FBuffer;  // read-ahead or pending write bytes
    size_t FBufferPos = 0;         // our position inside FBuffer
    // The read-ahead that the last seek left: a reader that goes back and forth between two
    // places (a record and its title) finds both without a system call.
    uint64_t FSpareStart = 0;
    std::vector<uint8_t> FSpare;
    bool FWriting = false;
    uint64_t FSize = 0;
};

// A growable byte stream in memory (tests, fuzzing, rewriting into memory).
class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::string bytes) : FData(std::move(bytes)) {}

    size_t Read(void* buffer, size_t count) override;
    void Write(const void* buffer, size_t count) override;
    uint64_t Seek(int64_t offset, TSeekOrigin origin) override;
    uint64_t Size() override { return FData.size(); }
    const std::string& Data() const { return FData; }

private:
    std::string FData;
    uint64_t FPos = 0;
};

}  // namespace wolf
