#pragma once
#include <filesystem>
#include <string>

#include <glib.h>

namespace velmoor::test {

// A fresh folder below the temporary folder, removed with everything in it at the end.
// Path() is empty when the folder could not be made.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "velmoor-test")
    {
        const std::string pattern = prefix + "-XXXXXX";
        char* made = g_dir_make_tmp(pattern.c_str(), nullptr);
        m_path = made ? made : "";
        g_free(made);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

}  // namespace velmoor::test
