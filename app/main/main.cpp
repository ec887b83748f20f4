#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#include "app/CKestrel.h"
#include "platform/gtk/CGtkPlatform.h"
#include "platform/headless/CHeadlessPlatform.h"

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "");
    velmoor::CKestrel app;
    if (auto platform = velmoor::CGtkPlatform::Create()) {
        velmoor::CPlatform::Install(std::move(platform));
    } else {
        // An installation needs no window: it goes on without a display, and only a run that
        // would show the launcher ends here.
        velmoor::CHeadlessPlatform::InstallNew();
        app.HasDisplay = false;
    }
    const std::vector<std::string> args(argv, argv + argc);
    return app.Run(args);
}
