#pragma once
// A file's bytes mapped read-only rather than copied into the heap: the
// pictures' and sounds' files are kept for the whole session (nothing is read
// again once play has begun), and mapped they stay in the system's file
// cache, shared and reclaimable, instead of in the program's own memory.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace rp {

class MappedFile {
public:
    // Empty when the file is missing, not a regular file, empty or larger
    // than `limit` bytes.
    static std::shared_ptr<MappedFile> open(const QString& path, qint64 limit) {
        auto file = std::shared_ptr<MappedFile>(new MappedFile);
#ifdef Q_OS_UNIX
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (fd < 0) return file;
        struct stat info {};
        if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 && info.st_size <= limit) {
            void* at = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (at != MAP_FAILED) {
                file->at_ = at;
                file->size_ = static_cast<qsizetype>(info.st_size);
                file->bytes_ = QByteArray::fromRawData(static_cast<const char*>(at), file->size_);
            }
        }
        ::close(fd);
#else
        QFile f(path);
        if (f.size() <= limit && f.open(QIODevice::ReadOnly)) file->bytes_ = f.readAll();
#endif
        return file;
    }

    ~MappedFile() {
#ifdef Q_OS_UNIX
        if (at_) ::munmap(at_, static_cast<size_t>(size_));
#endif
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Valid while this object lives.
    const QByteArray& bytes() const { return bytes_; }

    // Read into the file cache now, in the background, so that touching
    // them later waits on no disk.
    void prefetch() const {
#ifdef Q_OS_UNIX
        if (at_) ::madvise(at_, static_cast<size_t>(size_), MADV_WILLNEED);
#endif
    }

    // Done with the bytes for now: they leave the program's resident memory
    // and come back from the file cache when next read.
    void rest() const {
#ifdef Q_OS_UNIX
        if (at_) ::madvise(at_, static_cast<size_t>(size_), MADV_DONTNEED);
#endif
    }

private:
    MappedFile() = default;
    void* at_ = nullptr;
    qsizetype size_ = 0;
    QByteArray bytes_;
};

}  // namespace rp
