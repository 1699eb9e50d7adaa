#include "BookFiles.h"

#include "SystemFiles.h"

namespace wolf {

namespace {

class TSystemNewFile : public TNewFile {
public:
    explicit TSystemNewFile(const std::string& path) : FFile(path, TFileStream::TMode::Create) {}

    size_t Read(void* buffer, size_t count) override { return FFile.Read(buffer, count); }
    void Write(const void* buffer, size_t count) override { FFile.Write(buffer, count); }
    uint64_t Seek(int64_t offset, TSeekOrigin origin) override { return FFile.Seek(offset, origin); }
    uint64_t Size() override { return FFile.Size(); }
    void Sync() override { FFile.Sync(); }

private:
    TFileStream FFile;
};

class TSystemFileSystem : public TBookFileSystem {
public:
    std::unique_ptr<TStream> OpenRead(const std::string& path) override
    {
        return std::make_unique<TFileStream>(path, TFileStream::TMode::OpenRead);
    }

    std::unique_ptr<TNewFile> CreateNew(const std::string& path, const std::string& permissionsOf) override
    {
        // Created empty first, so that an existing file is never truncated.
        systemfiles::CreateEmpty(path);
        auto file = std::make_unique<TSystemNewFile>(path);
        systemfiles::CopyPermissions(permissionsOf, path);
        return file;
    }

    void LinkOrCopy(const std::string& existing, const std::string& newName) override
    {
        if (systemfiles::HardLink(existing, newName)) return;
        TFileStream source(existing, TFileStream::TMode::OpenRead);
        std::unique_ptr<TNewFile> copy = CreateNew(newName, existing);
        copy->CopyFrom(source, source.Size());
        copy->Sync();
    }

    void Replace(const std::string& from, const std::string& to) override { systemfiles::ReplaceDurably(from, to); }

    void Remove(const std::string& path) override { systemfiles::RemoveIfExists(path); }
};

}  // namespace

TBookFileSystem& SystemFileSystem()
{
    static TSystemFileSystem files;
    return files;
}

}  // namespace wolf
