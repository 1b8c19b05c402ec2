// End-to-end scenarios: each tests/data/scenarios/NAME.scn is played through
// the same player as `tolvane-cli play`, and its transcript must equal
// NAME.expected.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/forms.h"
#include "app/script_host.h"

namespace tolvane {
namespace {

namespace fs = std::filesystem;

const fs::path kScenarios = fs::path(TOLVANE_TEST_DATA) / "scenarios";

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> scenarioNames()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kScenarios))
        if (entry.path().extension() == ".scn") names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Scenario : public ::testing::TestWithParam<std::string> {};

TEST_P(Scenario, TranscriptMatches)
{
    const fs::path script = kScenarios / (GetParam() + ".scn");
    const fs::path expected = kScenarios / (GetParam() + ".expected");
    ASSERT_TRUE(fs::exists(expected)) << expected;

    std::ifstream in(script, std::ios::binary);
    Forms forms;
    forms.mainWindowShown();
    std::ostringstream transcript;
    ScriptHost host(transcript);
    try {
        host.run(forms, parseScenario(in));
    } catch (const ScriptError& e) {
        FAIL() << e.what() << "\n--- transcript so far:\n" << transcript.str();
    }
    EXPECT_EQ(transcript.str(), readFile(expected));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Scenario, ::testing::ValuesIn(scenarioNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace tolvane
