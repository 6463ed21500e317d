#include "check/DataChecker.h"
#include "tests/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace Framework;

namespace fs = std::filesystem;

// The game's own data passes; every fault planted in tests/data/check is reported once, at its file and line,
// with the right severity, and nothing else is.
TEST(DataCheck, ShippedDataPassesAndPlantedFaultsAreReportedWhereTheyStand)
{
    RunResult shipped = RunGame("--check " + SourcePath("Resources"));
    EXPECT_EQ(shipped.Status, 0) << shipped.Output;
    EXPECT_NE(shipped.Output.find(": 0 error(s)"), std::string::npos) << shipped.Output;
    // An on-screen text with spaces, which the game reads whole.
    RunResult spaced = RunGame("--check " + SourcePath("tests/data/ground"));
    EXPECT_EQ(spaced.Output.find("mixes punctuation"), std::string::npos) << spaced.Output;

    struct Expected
    {
        const char* File;
        int Line;
        const char* Severity;
        const char* Fragment;
    };
    const Expected planted[] = {
        {"Level_HUD.json", 4, "error", "object type \"NoBox\" does not exist"},
        {"Levels/Level_01.json", 32, "warning", "has no Parallax"},
        {"Levels/Level_01.json", 42, "error", "a second object with the key \"Ground\" (the first is at 34:9)"},
        {"Levels/Level_01.json", 51, "error", "object type \"Boulder\" does not exist"},
        {"Levels/Level_02.json", 2, "error", "music track \"BGM_Gone\""},
        {"Levels/Level_02.json", 3, "error", "camera lock cannot show the hero's start"},
        {"Levels/Level_02.json", 8, "error", "start walk pair"},
        {"Levels/Level_03.json", 8, "error", "needs the hero"},
        {"Levels/Level_04.tmx", 16, "error",
         "object 3 \"Start_A\": a second object with the key \"Start_A\" (the first "
         "is object 2 \"Start_A\")"},
        {"Levels/Level_05.tmx", 3, "error", "the layer \"Tiles\" is not an object layer"},
        {"Levels/Level_05.tmx", 5, "error", "object 1 \"Kibbet\" property \"Body.m_Mass\" is a bool"},
        {"Levels/Level_05.tmx", 11, "error", "object 2 \"Ring\" is an ellipse"},
        {"Levels/Level_05.tmx", 14, "error", "object 3 \"Mole\" has the class \"Mole\", which is no object type"},
        {"Objects/BadNames.json", 4, "error", "sprite \"Crate\""},
        {"Objects/BadNames.json", 10, "error", "frame \"Box_9\""},
        {"Objects/BadNames.json", 13, "error", "layer \"Front\""},
        {"Objects/BadNames.json", 15, "error", "animation \"walk\""},
        {"Objects/BadNames.json", 16, "error", "sound \"SFX_Nope\""},
        {"Objects/FallingEnemy.json", 2, "error", "enemy with gravity"},
        {"Objects/Loose.json", 2, "warning", "WinTrigger but no Body"},
        {"Objects/MissingColon.json", 7, "error", "expected ':' after \"m_Loop\""},
        {"Objects/MissingField.json", 10, "error", "where the game reads a number (\"m_Friction\")"},
        {"Objects/ShapeCounterClockwise.json", 18, "error", "runs counter-clockwise"},
        {"Objects/ShapeNotFan.json", 22, "error", "not a fan around its first vertex"},
        {"Objects/StaticCheckpoint.json", 2, "error", "CheckpointTrigger on a static body"},
        {"Objects/Thin.json", 12, "error", "2 vertices"},
        {"Objects/Truncated.json", 5, "error", "the file ends"},
        {"Objects/Unknown.json", 15, "error", "component type \"Sparkle\" does not exist"},
        {"Objects/ZeroEdge.json", 15, "error", "edge of zero length"},
    };
    RunResult run = RunGame("--check tests/data/check");
    EXPECT_EQ(run.Status, 1);
    std::vector<std::string> lines;
    std::istringstream text(run.Output);
    for (std::string line; std::getline(text, line);)
    {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), std::size(planted) + 1) << run.Output;
    for (size_t i = 0; i < std::size(planted); ++i)
    {
        const Expected& e = planted[i];
        std::string head = std::string("tests/data/check/Data/") + e.File + ":" + std::to_string(e.Line) + ":";
        EXPECT_EQ(lines[i].rfind(head, 0), 0u) << lines[i] << "\nexpected at " << head;
        EXPECT_NE(lines[i].find(std::string(": ") + e.Severity + ": "), std::string::npos) << lines[i];
        EXPECT_NE(lines[i].find(e.Fragment), std::string::npos) << lines[i];
    }
    EXPECT_EQ(lines.back(), "kibbet --check tests/data/check: 27 error(s), 2 warning(s)");
}

// The fuzzer's seed inputs (every data file of the game and the tests, as scripts/fuzz gathers them), whole, cut
// short and with their brackets swapped, as object types, levels and the display file of one folder.
TEST(DataCheck, NeverStumblesOverTheFuzzSeeds)
{
    fs::path root = fs::temp_directory_path() / ("kibbet-check-fuzz-" + std::to_string(getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Data/Objects");
    fs::create_directories(root / "Data/Levels");
    for (const char* table : {"UV.json", "Dimensions.json", "ZOrders.json", "CustomShapes.json"})
    {
        fs::copy_file(SourcePath("tests/data/check/Data/") + table, root / "Data" / table);
    }
    int count = 0;
    auto plant = [&](const std::string& text)
    {
        std::string name = "Seed_" + std::to_string(count++);
        std::ofstream(root / "Data/Objects" / (name + ".json"), std::ios::binary) << text;
        std::ofstream(root / "Data/Levels" / ("Level_" + name + ".json"), std::ios::binary) << text;
    };
    for (const char* folder : {"Resources/Data", "tests/data"})
    {
        for (const auto& entry : fs::recursive_directory_iterator(SourcePath(folder)))
        {
            if (entry.path().extension() != ".json" || entry.file_size() >= 64 * 1024)
            {
                continue;
            }
            std::ifstream in(entry.path(), std::ios::binary);
            std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            plant(text);
            plant(text.substr(0, text.size() / 2));
            plant(text.substr(0, text.size() * 9 / 10));
            std::string swapped = text;
            for (char& c : swapped)
            {
                c = c == '{' ? '[' : c == ']' ? '}' : c;
            }
            plant(swapped);
        }
    }
    std::ofstream(root / "Data/Level_HUD.json") << "{ \"Objects\" : [ \"HUD_A\" : { } , 7 , \"B\" : [ ] ] }";

    DataChecker checker(root.string());
    checker.Run();
    EXPECT_GT(count, 40);
    EXPECT_TRUE(checker.HasErrors());
    fs::remove_all(root);
}
