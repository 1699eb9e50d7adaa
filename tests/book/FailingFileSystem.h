// File operations that fail at a chosen step, to test what a failed save leaves behind.
// Every operation counts as one step, and so does every Write and Sync on a file it
// created; step N (counting from 1) raises instead of acting. Run a save once with
// FailAt 0 to learn how many steps it takes, then fail at each in turn.
#pragma once

#include "BookFiles.h"

#include <string>
#include <vector>

namespace wolf::faults {

class TFailingFileSystem : public TBookFileSystem {
public:
    explicit TFailingFileSystem(int failAt = 0, TBookFileSystem& real = SystemFileSystem())
        : FFailAt(failAt), FReal(real)
    {
    }

    int Steps() const { return static_cast<int>(FLog.size()); }
    // What each step was, e.g. "Write book.wol.saving" or "Replace book.wol.saving".
    const std::vector<std::string>& Log() const { return FLog; }

    std::unique_ptr<TStream> OpenRead(const std::string& path) override
    {
        Step("OpenRead " + path);
        return FReal.OpenRead(path);
    }
    std::unique_ptr<TNewFile> CreateNew(const std::string& path, const std::string& permissionsOf) override
    {
        Step("CreateNew " + path);
        return std::make_unique<TFailingFile>(*this, path, FReal.CreateNew(path, permissionsOf));
    }
    void LinkOrCopy(const std::string& existing, const std::string& newName) override
    {
        Step("LinkOrCopy " + newName);
        FReal.LinkOrCopy(existing, newName);
    }
    void Replace(const std::string& from, const std::string& to) override
    {
        Step("Replace " + from);
        FReal.Replace(from, to);
    }
    void Remove(const std::string& path) override
    {
        Step("Remove " + path);
        FReal.Remove(path);
    }

private:
    class TFailingFile : public TNewFile {
    public:
        TFailingFile(TFailingFileSystem& owner, std::string path, std::unique_ptr<TNewFile> file)
            : FOwner(owner), FPath(std::move(path)), FFile(std::move(file))
        {
        }
        size_t Read(void* buffer, size_t count) override { return FFile->Read(buffer, count); }
        void Write(const void* buffer, size_t count) override
        {
            FOwner.Step("Write " + FPath, /*writeError=*/true);
            FFile->Write(buffer, count);
        }
        uint64_t Seek(int64_t offset, TSeekOrigin origin) override { return FFile->Seek(offset, origin); }
        uint64_t Size() override { return FFile->Size(); }
        void Sync() override
        {
            FOwner.Step("Sync " + FPath, true);
            FFile->Sync();
        }

    private:
        TFailingFileSystem& FOwner;
        std::string FPath;
        std::unique_ptr<TNewFile> FFile;
    };

    void Step(const std::string& what, bool writeError = false)
    {
        FLog.push_back(what);
        if (Steps() != FFailAt) return;
        if (writeError) throw EWriteError();
        throw EStreamError("Injected failure: " + what);
    }

    int FFailAt;
    TBookFileSystem& FReal;
    std::vector<std::string> FLog;
};

}  // namespace wolf::faults
