#include "tests/TestSupport.h"

#include <filesystem>
#include <sstream>

using namespace Framework;

namespace
{
const char* const kAppId = "org.kibbet.Kibbet";
} // namespace

// Installs into a fresh prefix, then runs the installed game from an unrelated folder: it must find its data in
// the prefix's share folder. (CI runs the desktop entry and AppStream validators over such an install.)
TEST(Install, InstalledGameRunsFromAnotherFolder)
{
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "kibbet-install-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    fs::path prefix = pattern;
    RunResult install = RunCommand(std::string(KIBBET_CMAKE) + " --install " + KIBBET_BUILD_DIR + " --prefix " +
                                   prefix.string() + " 2>&1");
    ASSERT_EQ(install.Status, 0) << install.Output;

    const std::string id = kAppId;
    for (const std::string& file : std::vector<std::string>{
             "bin/kibbet", "share/kibbet/Resources/Data/ZOrders.json", "share/kibbet/Resources/Audio",
             "share/applications/" + id + ".desktop", "share/metainfo/" + id + ".metainfo.xml",
             "share/icons/hicolor/scalable/apps/" + id + ".svg"})
    {
        EXPECT_TRUE(fs::exists(prefix / file)) << file;
    }
    for (int size : {16, 24, 32, 48, 64, 128, 256})
    {
        std::string dir = std::to_string(size) + "x" + std::to_string(size);
        EXPECT_TRUE(fs::exists(prefix / "share/icons/hicolor" / dir / "apps" / (std::string(kAppId) + ".png"))) << dir;
    }

    fs::path elsewhere = prefix / "elsewhere";
    fs::create_directories(elsewhere);
    RunResult run = RunCommand("cd " + elsewhere.string() + " && " + (prefix / "bin/kibbet").string() +
                               " --headless --fixed-step --frames 5 --dump-state 2>&1");
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_EQ(run.Output.find("no Resources folder"), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find("{\"world\":{\"frame\":5,"), std::string::npos) << run.Output;
    EXPECT_NE(run.Output.find("{\"key\":"), std::string::npos) << "the installed data made no objects";

    fs::remove_all(prefix);
}
