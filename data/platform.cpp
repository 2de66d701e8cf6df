#include "data/platform.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kartella::platform {

ByteLockFile::~ByteLockFile() {
    close();
}

#ifdef _WIN32

bool ByteLockFile::open(const QString& path) {
    close();
    HANDLE h = CreateFileW(reinterpret_cast<const wchar_t*>(path.utf16()), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    m_handle = h;
    return true;
}

void ByteLockFile::close() {
    if (m_handle)
        CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
}

bool ByteLockFile::isOpen() const {
    return m_handle != nullptr;
}

bool ByteLockFile::tryLock(qint64 offset) {
    OVERLAPPED place{};
    place.Offset = DWORD(offset & 0xffffffff);
    place.OffsetHigh = DWORD(offset >> 32);
    return LockFileEx(static_cast<HANDLE>(m_handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0,
                      1, 0, &place);
}

void ByteLockFile::unlock(qint64 offset) {
    OVERLAPPED place{};
    place.Offset = DWORD(offset & 0xffffffff);
    place.OffsetHigh = DWORD(offset >> 32);
    UnlockFileEx(static_cast<HANDLE>(m_handle), 0, 1, 0, &place);
}

#else

bool ByteLockFile::open(const QString& path) {
    close();
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    return m_fd >= 0;
}

void ByteLockFile::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool ByteLockFile::isOpen() const {
    return m_fd >= 0;
}

namespace {
// Open-file-description locks: unlike classic POSIX record locks they belong to the open
// file, so closing another descriptor of the same file in this process keeps them.
bool setLock(int fd, short type, qint64 offset) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = offset;
    lock.l_len = 1;
    return fcntl(fd, F_OFD_SETLK, &lock) == 0;
}
} // namespace

bool ByteLockFile::tryLock(qint64 offset) {
    return m_fd >= 0 && setLock(m_fd, F_WRLCK, offset);
}

void ByteLockFile::unlock(qint64 offset) {
    if (m_fd >= 0)
        setLock(m_fd, F_UNLCK, offset);
}

#endif

} // namespace kartella::platform
