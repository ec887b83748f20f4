#pragma once
#include <string_view>

namespace velmoor {

// Owns a file descriptor.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    ~CFileDescriptor() { Close(); }

    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }
    // Closes now and reports whether the close succeeded (a late write error shows up here).
    bool Close();
    // Writes all of `content`, going on after interruptions and short writes.
    bool WriteAll(std::string_view content) const { return WriteAll(m_fd, content); }
    static bool WriteAll(int fd, std::string_view content);

private:
    int m_fd;
};

}  // namespace velmoor
