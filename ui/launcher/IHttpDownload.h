#pragma once
#include <string>

namespace velmoor {

// A finished or running download as the download callback sees it. Nothing in the program
// produces one yet; the launcher only knows how to store a finished one.
struct stDownloadTask {
    int state = 0;  // 1: finished
    std::string body;
    std::string folder;
    std::string fileName;
};

class IHttpDownload {
public:
    virtual ~IHttpDownload() = default;
    virtual std::string OnDownloadComplete(const stDownloadTask& task, bool cancelled, int reserved) = 0;
    virtual void OnDownloadProgress(int, int, int, int) {}
};

}  // namespace velmoor
