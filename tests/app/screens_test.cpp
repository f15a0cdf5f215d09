// Golden screens: each script in tests/scripts/screens/ plays a scene on a fresh program, and
// every `shot NAME.png` it takes must match tests/golden/NAME.png pixel for pixel.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/script/script_runner.h"
#include "platform/random/random.h"
#include "tests/support/golden.h"
#include "tests/support/temp_store.h"

namespace velinor::test {
namespace {

std::vector<std::string> SceneNames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(VELINOR_SCREEN_SCRIPTS))
        if (entry.path().extension() == ".script") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Screens : public ::testing::TestWithParam<std::string> {};

TEST_P(Screens, EveryShotMatchesItsGoldenScreen) {
    static const RandomState firstState = randomState;  // as velinor-script starts
    randomState = firstState;
    TempStore store = TempStore::InMemory();
    std::ifstream script(std::filesystem::path(VELINOR_SCREEN_SCRIPTS) / (GetParam() + ".script"));
    ASSERT_TRUE(script.is_open());
    GameApp app;
    std::ostringstream out, err;
    std::vector<std::pair<std::string, Bitmap>> shots;
    ScriptRunner runner(app, script, out, err);
    runner.WriteShotsWith([&](const Bitmap& screen, const std::string& file, std::string*) {
        shots.emplace_back(std::filesystem::path(file).stem().string(), screen);
        return true;
    });
    ASSERT_EQ(runner.Run(), 0) << err.str();
    ASSERT_FALSE(shots.empty());
    for (const auto& [name, screen] : shots)
        EXPECT_TRUE(MatchesGolden(name, screen)) << name;
}

INSTANTIATE_TEST_SUITE_P(Scenes, Screens, ::testing::ValuesIn(SceneNames()), [](const auto& scene) {
    std::string name = scene.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

}  // namespace
}  // namespace velinor::test
