#include "ZipWriter.h"

#include <QFile>
#include <archive.h>
#include <archive_entry.h>
#include <memory>
#include <stdexcept>

void WriteZip(const QString& path, const std::vector<TZipEntry>& entries)
{
    const std::unique_ptr<archive, int (*)(archive*)> zip(archive_write_new(), archive_write_free);
    archive_write_set_format_zip(zip.get());
    if (archive_write_open_filename(zip.get(), QFile::encodeName(path).constData()) != ARCHIVE_OK)
        throw std::runtime_error("cannot write the test archive " + path.toStdString());
    for (const TZipEntry& entry : entries) {
        const std::unique_ptr<archive_entry, void (*)(archive_entry*)> header(archive_entry_new(), archive_entry_free);
        archive_entry_set_pathname(header.get(), entry.Name);
        archive_entry_set_filetype(header.get(), AE_IFREG);
        archive_entry_set_perm(header.get(), 0644);
        archive_entry_set_size(header.get(), entry.Bytes.size() * entry.Repeat);
        archive_write_header(zip.get(), header.get());
        for (int i = 0; i < entry.Repeat; ++i)
            archive_write_data(zip.get(), entry.Bytes.constData(), static_cast<size_t>(entry.Bytes.size()));
    }
    archive_write_close(zip.get());
}
