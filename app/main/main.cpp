#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CKestrel.h"
#include "platform/gtk/CGtkPlatform.h"

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    auto platform = velmoor::CGtkPlatform::Create();
    if (!platform) {
        std::fputs("velmoor: cannot open the display\n", stderr);
        return 1;
    }
    velmoor::CPlatform::Install(std::move(platform));
    velmoor::CKestrel app;
    const std::vector<std::string> args(argv, argv + argc);
    return app.Run(args);
}
