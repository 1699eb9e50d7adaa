// Book files kept in memory, so that a fuzz target can write and check whole books
// without touching the disk.
#pragma once

#include "BookFiles.h"

#include <map>
#include <string>

namespace wolf::fuzz {

class TMemoryFiles : public TBookFileSystem {
public:
    std::map<std::string, std::string> Files;

    std::unique_ptr<TStream> OpenRead(const std::string& path) override
    {
        const auto found = Files.find(path);
        if (found == Files.end()) throw EFOpenError("Cannot open file \"" + path + "\"");
        return std::make_unique<TMemoryStream>(found->second);
    }
    std::unique_ptr<TNewFile> CreateNew(const std::string& path, const std::string&) override
    {
        if (!Files.emplace(path, std::string()).second) throw EStreamError("\"" + path + "\" exists");
        return std::make_unique<TMemoryFile>(Files[path]);
    }
    void LinkOrCopy(const std::string& existing, const std::string& newName) override
    {
        Files.emplace(newName, Files.at(existing));
    }
    void Replace(const std::string& from, const std::string& to) override
    {
        Files[to] = Files.at(from);
        Files.erase(from);
    }
    void Remove(const std::string& path) override { Files.erase(path); }

private:
    // Writes land in the file's entry when synced and when closed.
    class TMemoryFile : public TNewFile {
    public:
        explicit TMemoryFile(std::string& target) : FTarget(target) {}
        ~TMemoryFile() override { FTarget = FStream.Data(); }
        size_t Read(void* buffer, size_t count) override { return FStream.Read(buffer, count); }
        void Write(const void* buffer, size_t count) override { FStream.Write(buffer, count); }
        uint64_t Seek(int64_t offset, TSeekOrigin origin) override { return FStream.Seek(offset, origin); }
        uint64_t Size() override { return FStream.Size(); }
        void Sync() override { FTarget = FStream.Data(); }

    private:
        std::string& FTarget;
        TMemoryStream FStream;
    };
};

}  // namespace wolf::fuzz
