#include "tests/TestSupport.h"

#include "engine/StateDump.h"
#include "graphics/Camera.h"

#include <sstream>

using namespace Framework;

namespace
{
class StateDumpAnimationTest : public EngineTest
{
protected:
    void TearDown() override
    {
        EngineTest::TearDown();
        CAMERA = Camera{};
    }
};
} // namespace

TEST_F(StateDumpAnimationTest, ObjectsWithASpriteReportTheirAnimation)
{
    Start(SourcePath("tests/data/gfx"), "Level_Render", true);
    std::ostringstream out;
    DumpState(core, out);
    std::string text = out.str();
    std::string hero = text.substr(text.find("{\"key\":\"Hero\""));
    hero = hero.substr(0, hero.find('\n'));
    EXPECT_NE(
        hero.find("\"components\":[\"Graphics\",\"SetDefaultAnimation\",\"Transform\"],\"animation\":\"walkRight\"}"),
        std::string::npos)
        << hero;
}
