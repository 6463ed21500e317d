// Feeds arbitrary bytes to the data reader, the level loader and the object type loader.
#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "gameflow/GameLogic.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace Framework;

namespace
{
std::string TempPath()
{
    static std::string path = "/tmp/kibbet_fuzz_" + std::to_string(getpid()) + ".json";
    return path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream(TempPath(), std::ios::binary) << text;
    }

    // The primitives, in the order components use them.
    TextSerializer reader = TextSerializer::FromText(text);
    std::string s;
    bool b = false;
    float x = 0, y = 0;
    unsigned u1 = 0, u2 = 0;
    reader.EnterBlock("Objects");
    reader.ReadString("Name", s);
    reader.ReadBool("Flag", b);
    reader.ReadVec2("Position", x, y);
    reader.ReadUnsignedPair("", u1, u2);
    reader.ReadScalarField(x);
    reader.SkipBlock();
    Transform t;
    t.Serialize(reader, "Transform");

    // The object type loader and the level loader over a headless engine with the test types.
    static Core* core = []
    {
        auto* c = new Core();
        CORE = c;
        Options options;
        options.Headless = true;
        options.ResourceDir = KIBBET_FUZZ_RESOURCES;
        BuildSystems(*c, options, std::string());
        c->Systems.front()->Initialize();
        c->m_GameLogic->m_LevelManager.ChangeLevel("Fuzz");
        return c;
    }();
    Factory& factory = *core->m_Factory;
    std::unique_ptr<GameObjectComposition> type = factory.LoadObjectType(TempPath(), "Fuzzed");
    factory.LoadLevel(TempPath());
    factory.LoadHUD();
    factory.Update(0.0f);
    factory.DestroyAllObjects();
    return 0;
}
