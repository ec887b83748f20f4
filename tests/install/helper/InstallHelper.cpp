// Runs one self-installation of the file named by the first argument, with the command word of
// the second, in a process of its own (so tests can run it as another user). The installed copy
// is not started. Exits 0 when the run ended as an installer run, 1 when it would run on.
#include "app/CSelfInstaller.h"

#include <clocale>
#include <string>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    if (argc < 2)
        return 2;
    velmoor::CSelfInstaller self(argv[1]);
    self.Launch = [](const std::string&, const std::string&, const std::string&) { return true; };
    return self.Run(argc > 2 ? argv[2] : "") ? 1 : 0;
}
