// Start-up: from nothing to the first frame on the screen, on each back end. The back end is
// made anew each time (the window system, and for SDL the library and its window), then the
// application starts and every paint it caused is delivered.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/game_app.h"
#include "platform/headless/headless.h"
#include "platform/sdl/sdl.h"
#include "store/settings.h"
#include "tests/support/temp_store.h"

namespace velinor {
namespace {

// A store holding a saved record, as after a first game: start-up reads all of it.
struct SavedStore {
    SavedStore() {
        Settings settings;
        InitSettings(settings);
        SaveSettings(settings);
    }
    test::TempStore store;
};

// Starts the application on the back end made by `make` and delivers every paint it caused;
// the back end and the application are taken down outside the timing.
template <class Backend, class Make>
void MeasureStartUp(benchmark::State& state, Make make) {
    SavedStore store;
    for (auto _ : state) {
        std::unique_ptr<Backend> backend = make();
        if (!backend) return;
        auto app = std::make_unique<GameApp>();
        app->InitInstance();
        backend->System().PumpUntilIdle();
        state.PauseTiming();
        app->EndInstance();
        app.reset();
        backend.reset();
        state.ResumeTiming();
    }
}

void BM_StartUpHeadless(benchmark::State& state) {
    MeasureStartUp<HeadlessDriver>(state, [] { return std::make_unique<HeadlessDriver>(); });
}
BENCHMARK(BM_StartUpHeadless)->Unit(benchmark::kMillisecond);

// Needs a display (run under xvfb-run where there is none); each frame is presented as it ends.
void BM_StartUpSdl(benchmark::State& state) {
    MeasureStartUp<SdlBackend>(state, [&state]() -> std::unique_ptr<SdlBackend> {
        auto backend = std::make_unique<SdlBackend>(2);
        if (backend->Ok()) return backend;
        state.SkipWithError(backend->Error().c_str());
        return nullptr;
    });
}
BENCHMARK(BM_StartUpSdl)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velinor
