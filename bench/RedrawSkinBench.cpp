// Compose time of the launcher's 1200 × 815 skin: what every hover change costs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "platform/headless/CHeadlessPlatform.h"
#include "ui/launcher/CMainWnd.h"

namespace {

void RedrawSkin(benchmark::State& state)
{
    velmoor::CHeadlessPlatform::InstallNew();
    const auto folder = std::filesystem::temp_directory_path() / "velmoor-bench";
    std::filesystem::create_directories(folder);
    setenv("VELMOOR_PORTAL", "http://127.0.0.1:9", 1);
    auto* launcher = new velmoor::CMainWnd(velmoor::CMainWnd::kStartNormal, folder.string() + "/");
    int frame = 0;
    for (auto _ : state) {
        launcher->HoverFlags[velmoor::CMainWnd::Forum] = frame++ & 1;
        launcher->RedrawSkin();
    }
    delete launcher;
    std::filesystem::remove_all(folder);
}

}  // namespace

// Five repetitions report mean, median and spread; the goal is a median of at most 1 ms.
BENCHMARK(RedrawSkin)->Unit(benchmark::kMicrosecond)->Repetitions(5);

BENCHMARK_MAIN();
