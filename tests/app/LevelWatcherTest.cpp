#include "tests/TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace Framework;
namespace fs = std::filesystem;

namespace
{
// Mirrors a folder by one symbolic link per entry, except the folders named in openUp, which are mirrored the
// same way, so a test can replace single files of a data folder without copying its pictures.
void LinkTree(const fs::path& from, const fs::path& to, const std::set<std::string>& openUp)
{
    fs::create_directories(to);
    for (const fs::directory_entry& entry : fs::directory_iterator(from))
    {
        std::string name = entry.path().filename().string();
        if (openUp.count(name) != 0)
        {
            LinkTree(entry.path(), to / name, openUp);
        }
        else
        {
            fs::create_symlink(fs::canonical(entry.path()), to / name);
        }
    }
}

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces the file at once (not through a link) with the text.
void WriteFile(const fs::path& path, const std::string& text)
{
    fs::remove(path);
    std::ofstream(path) << text;
}

// A level entry of the given type and key at a place, in the level file's layout.
std::string Entry(const std::string& key, const std::string& type, int x, int y)
{
    return "        \"" + key + "\" : {\n            \"objType\" : \"" + type +
           "\" ,\n            \"Transform\" : {\n                \"Position\" : { \"x\" : " + std::to_string(x) +
           " , \"y\" : " + std::to_string(y) +
           " } ,\n                \"Rotation\" : 0 ,\n                \"Scale\" : { \"x\" : 1 , \"y\" : 1 }\n"
           "            }\n        } ,\n";
}

// The level text with entries put first in its object list.
std::string WithEntries(const std::string& level, const std::string& entries)
{
    const std::string list = "\"Objects\" : [\n";
    std::string text = level;
    text.insert(text.find(list) + list.size(), entries);
    return text;
}
} // namespace

// A designer saves the level file while it is played: the level starts again from the new file with the hero at
// the checkpoint it had reached; a file saved broken leaves the running level alone and says why.
TEST(Program, WatchReloadsTheLevelWhenItsFileIsSavedAndKeepsItWhenTheFileIsBroken)
{
    fs::path root = fs::path(::testing::TempDir()) / ("kibbet_watch_" + std::to_string(::getpid()));
    fs::remove_all(root);
    LinkTree(SourcePath("tests/data/hero"), root, {"Data", "Levels", "Objects"});
    fs::create_symlink(SourcePath("Resources/Data/Objects/BeeHive_1.json"), root / "Data/Objects/BeeHive_1.json");
    const fs::path levelFile = root / "Data/Levels/Level_Hero.json";
    const std::string original = ReadFile(SourcePath("tests/data/hero/Data/Levels/Level_Hero.json"));
    // A hive beside the hero's start (0, -168): the hero touches it at once, so the checkpoint moves to the hive.
    const std::string withHive = WithEntries(original, Entry("Hive", "BeeHive_1", 30, -168));
    WriteFile(levelFile, withHive);

    const fs::path errors = root / "errors.txt";
    std::string command = std::string(KIBBET_BINARY) + " --headless --fixed-step --watch --resources " + root.string() +
                          " --level Level_Hero --frames 3000 --dump-every 10 2>" + errors.string();
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    enum class Step
    {
        AwaitCheckpoint, // the hero reaches the hive; then the level file is saved with one pollen more
        AwaitReload,     // the new pollen shows; then the file is saved broken
        Broken,          // to the end of the run
    };
    Step step = Step::AwaitCheckpoint;
    std::string heroAtReload;
    std::string worldAtReload;
    std::string world;
    std::string hero;
    bool watchedInLastDump = false;
    std::array<char, 1 << 16> buffer{};
    while (fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr)
    {
        std::string line = buffer.data();
        if (line.rfind("{\"world\"", 0) == 0)
        {
            world = line;
            watchedInLastDump = false;
        }
        hero = line.find("\"key\":\"Kibbet\"") != std::string::npos ? line : hero;
        bool watched = line.find("\"key\":\"Watched\"") != std::string::npos;
        watchedInLastDump = watchedInLastDump || watched;
        if (step == Step::AwaitCheckpoint && world.find("\"checkpoint\":{\"x\":30,\"y\":-168}") != std::string::npos)
        {
            WriteFile(levelFile, WithEntries(withHive, Entry("Watched", "Pollen_1", 700, -100)));
            step = Step::AwaitReload;
        }
        else if (step == Step::AwaitReload && watched)
        {
            heroAtReload = hero;
            worldAtReload = world;
            WriteFile(levelFile, withHive.substr(0, withHive.size() / 2));
            step = Step::Broken;
        }
    }
    EXPECT_EQ(pclose(pipe), 0);
    const std::string log = ReadFile(errors);
    ASSERT_EQ(step, Step::Broken) << log;
    // Started afresh from the new file, the hero at the hive rather than at the level's start.
    EXPECT_NE(heroAtReload.find("\"x\":30,\"y\":-168"), std::string::npos) << heroAtReload;
    EXPECT_NE(worldAtReload.find("\"lives\":3,\"pollen\":13,\"collected\":0"), std::string::npos) << worldAtReload;
    EXPECT_NE(log.find("reloading " + levelFile.string()), std::string::npos) << log;
    // The broken file was seen and named with the place the reader stopped; the level went on to the end.
    EXPECT_NE(log.find(levelFile.string() + ":"), std::string::npos) << log;
    EXPECT_NE(log.find("not reloaded"), std::string::npos) << log;
    EXPECT_TRUE(watchedInLastDump) << world;
    EXPECT_EQ(world.rfind("{\"world\":{\"frame\":2990,", 0), 0u) << world;
    fs::remove_all(root);
}
