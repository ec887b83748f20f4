#pragma once
#include <string>
#include <utility>

#include <unistd.h>

namespace velmoor {

// A file that is removed when it goes out of scope, unless released (a temporary file that a
// rename or link has put in place).
class CScopedPath {
public:
    explicit CScopedPath(std::string path) : m_path(std::move(path)) {}
    CScopedPath(const CScopedPath&) = delete;
    CScopedPath& operator=(const CScopedPath&) = delete;
    ~CScopedPath()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }

    const std::string& Path() const { return m_path; }
    void Release() { m_path.clear(); }

private:
    std::string m_path;
};

}  // namespace velmoor
