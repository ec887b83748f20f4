#pragma once
#include <string>
#include <vector>

#include <sys/types.h>

namespace velmoor {

// The processes running one program file, found by the file's full path, so that a program of
// the same name elsewhere is never touched.
class CRunningProgram {
public:
    explicit CRunningProgram(std::string programPath) : m_programPath(std::move(programPath)) {}

    std::vector<pid_t> Processes() const;
    // Asks every such process to end, waits for them, and ends those still there after
    // `graceMs` milliseconds. True when none is left.
    bool EndAll(int graceMs) const;

private:
    std::string m_programPath;
};

}  // namespace velmoor
