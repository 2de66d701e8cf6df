#pragma once
// The few operating-system services the program needs that Qt does not offer portably.

#include <QString>

namespace kartella::platform {

// An exclusive lock on single bytes of a file, held by this open file (not by the process),
// so two objects of one process exclude each other like two copies of the program do.
// The operating system releases every lock when the file is closed or the process ends.
class ByteLockFile {
public:
    ByteLockFile() = default;
    ~ByteLockFile();
    ByteLockFile(const ByteLockFile&) = delete;
    ByteLockFile& operator=(const ByteLockFile&) = delete;

    bool open(const QString& path); // creates the file if needed
    void close();
    bool isOpen() const;
    bool tryLock(qint64 offset); // false when another holder has the byte
    void unlock(qint64 offset);

private:
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

} // namespace kartella::platform
