#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace velmoor {

// What the command line asks for: the command word that selects the kind of start, and the
// delay before the start (the "word minutes" form).
struct StartRequest {
    std::string commandWord;
    std::uint32_t delayMs = 0;
};

// `cmdLine` is the text after the program name; `argv` the arguments as split, the program name
// first. With exactly two arguments after the program the first is the word and the second a
// number of minutes; otherwise the trimmed text is the word.
StartRequest ParseCommandLine(const std::string& cmdLine, const std::vector<std::string>& argv);

}  // namespace velmoor
