// The few file operations that saving a book needs, behind an interface so that tests
// can make any one of them fail.
//
// Sharing: a book stays readable by others while it is saved, but no one should write it.
// On Windows the streams ask for that with share modes (read: share read only; new files:
// no sharing). POSIX has no mandatory share modes; there the new book takes over the old
// one's permission bits, so whoever could not write the book before cannot write it after.
#pragma once

#include "WolfStream.h"

#include <memory>
#include <string>

namespace wolf {

// A file being created: a stream whose bytes can be forced to the disk.
class TNewFile : public TStream {
public:
    virtual void Sync() = 0;
};

class TBookFileSystem {
public:
    virtual ~TBookFileSystem() = default;

    virtual std::unique_ptr<TStream> OpenRead(const std::string& path) = 0;
    // Fails when the file exists. Takes the permissions of permissionsOf where the system has them.
    virtual std::unique_ptr<TNewFile> CreateNew(const std::string& path, const std::string& permissionsOf) = 0;
    // A second name for an existing file: a hard link, or where the file system has none,
    // a copy forced to the disk. newName must not exist.
    virtual void LinkOrCopy(const std::string& existing, const std::string& newName) = 0;
    // Renames in one step, replacing a file named to, and makes the change durable.
    virtual void Replace(const std::string& from, const std::string& to) = 0;
    // A missing file is no error.
    virtual void Remove(const std::string& path) = 0;
};

// The real file operations of this system.
TBookFileSystem& SystemFileSystem();

}  // namespace wolf
