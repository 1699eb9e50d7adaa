#include "SafeSave.h"

#include "uWolfReader.h"

namespace wolf {

namespace {

// The old backup is replaced only by a complete new one.
void MakeBackup(TBookFileSystem& files, const std::string& bookPath)
{
    const std::string backup = BackupName(bookPath);
    const std::string pending = SavingName(backup);
    try {
        files.Remove(pending);
        files.LinkOrCopy(bookPath, pending);
        files.Replace(pending, backup);
    } catch (const std::exception&) {
        RemoveQuietly(files, pending);
        RaiseWolfError("Can't rename \"" + bookPath + "\".\r\nWrite protected file?");
    }
    // Renaming a link over another link of the same file (the backup of a save that failed)
    // does nothing and leaves both names; the backup is complete either way.
    RemoveQuietly(files, pending);
}

void WriteNewBook(TBookFileSystem& files, const std::string& bookPath, const std::string& newPath,
                  const TBookRewrite& rewrite)
{
    std::unique_ptr<TNewFile> destination = files.CreateNew(newPath, bookPath);
    std::unique_ptr<TStream> source = files.OpenRead(bookPath);
    rewrite(*source, *destination);
    destination->Sync();
}

}  // namespace

void RemoveQuietly(TBookFileSystem& files, const std::string& path)
{
    try {
        files.Remove(path);
    } catch (const std::exception&) {
        // The error that ended the save is the one worth reporting.
    }
}

void CheckOpens(TBookFileSystem& files, const std::string& path)
{
    std::unique_ptr<TStream> stream = files.OpenRead(path);
    TWolfReader reader;
    reader.Open(*stream);
}

std::string BackupName(const std::string& bookPath)
{
    return bookPath + ".bak";
}

std::string SavingName(const std::string& bookPath)
{
    return bookPath + ".saving";
}

void SaveBookSafely(const std::string& bookPath, const TBookRewrite& rewrite, TBookFileSystem& files)
{
    MakeBackup(files, bookPath);
    const std::string newPath = SavingName(bookPath);
    try {
        files.Remove(newPath);  // left by a save that was killed
        WriteNewBook(files, bookPath, newPath, rewrite);
        CheckOpens(files, newPath);
        files.Replace(newPath, bookPath);
    } catch (...) {
        RemoveQuietly(files, newPath);
        throw;
    }
}

}  // namespace wolf
