#include "data/LevelFiles.h"
#include "tests/TestSupport.h"

#include <filesystem>
#include <fstream>

using namespace Framework;
namespace fs = std::filesystem;

namespace
{
// A data folder that links everything of the game's Resources but holds only the given level files.
class MirroredResources
{
public:
    MirroredResources(const std::string& name, const std::vector<std::string>& levels)
        : m_Root(fs::temp_directory_path() / ("kibbet-mirror-" + name))
    {
        const fs::path resources = SourcePath("Resources");
        fs::remove_all(m_Root);
        fs::create_directories(m_Root / "Data" / "Levels");
        for (const fs::directory_entry& entry : fs::directory_iterator(resources))
        {
            if (entry.path().filename() != "Data")
            {
                fs::create_directory_symlink(entry.path(), m_Root / entry.path().filename());
            }
        }
        for (const fs::directory_entry& entry : fs::directory_iterator(resources / "Data"))
        {
            if (entry.path().filename() != "Levels")
            {
                fs::create_symlink(entry.path(), m_Root / "Data" / entry.path().filename());
            }
        }
        for (const std::string& level : levels)
        {
            fs::copy_file(level, m_Root / "Data" / "Levels" / fs::path(level).filename());
        }
    }
    ~MirroredResources() { fs::remove_all(m_Root); }
    std::string Root() const { return m_Root.string(); }
    std::string Levels() const { return (m_Root / "Data" / "Levels").string(); }

private:
    fs::path m_Root;
};

RunResult Play(const std::string& resources, const std::string& level, const std::string& more)
{
    return RunGame("--headless --fixed-step --seed 1 --resources " + resources + " --level " + level + " " + more);
}
} // namespace

TEST(LevelExport, AHandDrawnMapPlaysLikeTheSameLevelWrittenAsText)
{
    MirroredResources map("drawn-map", {SourcePath("tests/data/tiled/Level_Drawn.tmx")});
    MirroredResources text("drawn-text", {SourcePath("tests/data/tiled/Level_Drawn.json")});
    const std::string run = "--replay " + SourcePath("tests/replays/Level_01.txt") + " --frames 700 --dump-every 25";
    const RunResult fromMap = Play(map.Root(), "Level_Drawn", run);
    const RunResult fromText = Play(text.Root(), "Level_Drawn", run);
    ASSERT_EQ(fromMap.Status, 0);
    EXPECT_NE(fromText.Output.find("\"key\":\"Kibbet\""), std::string::npos);
    EXPECT_NE(fromText.Output.find("\"key\":\"Pit\""), std::string::npos);
    EXPECT_EQ(fromMap.Output, fromText.Output);
}

// The shipped levels exported as maps play every replay with the same dumps (one test a replay and map format,
// so each has a whole test's time under the sanitizers).
class ShippedLevelsAsMaps : public ::testing::TestWithParam<std::tuple<std::string, std::string>>
{
};

TEST_P(ShippedLevelsAsMaps, ReplayGivesTheSameDumps)
{
    const auto& [replay, format] = GetParam();
    const RunResult run = RunCommand(SourcePath("tools/map-replays") + " " + KIBBET_BINARY + " --every 20 --replay " +
                                     replay + " --format " + format + " 2>&1");
    EXPECT_EQ(run.Status, 0) << run.Output;
}

INSTANTIATE_TEST_SUITE_P(Replays, ShippedLevelsAsMaps,
                         ::testing::Combine(::testing::Values("Campaign", "Level_01", "Level_02", "Level_03",
                                                              "Level_04", "Level_Bear"),
                                            ::testing::Values("tmx", "tmj")),
                         [](const auto& test) { return std::get<0>(test.param) + "_" + std::get<1>(test.param); });

TEST(LevelExport, MapsConvertedByTiledItselfLoadToTheSameState)
{
    if (RunCommand("command -v tiled >/dev/null").Status != 0)
    {
        GTEST_SKIP() << "skipped only because the Tiled program (package tiled) is not installed";
    }
    const fs::path temp = fs::temp_directory_path() / "kibbet-tiled-cli";
    fs::remove_all(temp);
    fs::create_directories(temp);
    const std::string ours = (temp / "Level_01.tmx").string();
    const std::string json = (temp / "Level_01.tmj").string();
    const std::string xml = (temp / "again" / "Level_01.tmx").string();
    fs::create_directories(temp / "again");
    ASSERT_EQ(RunGame("--export-map Level_01 " + ours).Status, 0);
    const std::string tiled = "QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + temp.string() + " tiled --export-map ";
    ASSERT_EQ(RunCommand(tiled + "json " + ours + " " + json + " 2>/dev/null").Status, 0);
    ASSERT_EQ(RunCommand(tiled + "tmx " + json + " " + xml + " 2>/dev/null").Status, 0);

    const std::string objects = SourcePath("Resources/Data/Objects");
    const LevelFileRead original = ReadLevelFile(SourcePath("Resources/Data/Levels/Level_01.json"), objects);
    const LevelFileRead fromJson = ReadLevelFile(json, objects);
    const LevelFileRead fromXml = ReadLevelFile(xml, objects);
    ASSERT_TRUE(fromJson.Ok && fromXml.Ok);
    EXPECT_EQ(fromJson.Text, ReadLevelFile(ours, objects).Text);
    EXPECT_EQ(fromXml.Text, fromJson.Text);

    MirroredResources mirror("tiled-cli", {json});
    const std::string run = "--frames 3 --dump-state";
    EXPECT_EQ(Play(mirror.Root(), "Level_01", run).Output, Play(SourcePath("Resources"), "Level_01", run).Output);
    fs::remove_all(temp);
}

TEST(LevelExport, FlagsSayWhatIsWrongAndABadMapIsNotStarted)
{
    const fs::path temp = fs::temp_directory_path() / "kibbet-export-flags";
    fs::create_directories(temp);
    EXPECT_EQ(RunGame("--export-map Level_Nowhere " + (temp / "x.tmx").string()).Status, 1);
    EXPECT_EQ(RunGame("--export-map Level_01 " + (temp / "x.txt").string()).Status, 1);
    EXPECT_EQ(RunGame("--export-level Level_01 " + (temp / "x.tmx").string()).Status, 1);
    EXPECT_EQ(RunGame("--export-map Level_01").Status, 2);

    const std::string bad = (temp / "Level_Bad.tmx").string();
    std::ofstream(bad) << "<map><objectgroup><object id=\"7\" name=\"Q\" type=\"Quokka\"/></objectgroup></map>\n";
    MirroredResources mirror("bad-map", {bad});
    const RunResult run = RunCommand(std::string(KIBBET_BINARY) + " --headless --fixed-step --resources " +
                                     mirror.Root() + " --level Level_Bad --frames 3 --dump-state 2>&1");
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Output.find("Level_Bad.tmx:1: object 7 \"Q\" has the class \"Quokka\""), std::string::npos)
        << run.Output;
    EXPECT_NE(run.Output.find("\"level\":\"\""), std::string::npos) << run.Output;
    fs::remove_all(temp);
}
