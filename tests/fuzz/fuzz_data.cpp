// Feeds arbitrary bytes, read from memory, to the data reader, the object type loader, the level loader, the
// heads-up display loader and the two Tiled map readers with the map-to-level conversion.
#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/MapLevelConverter.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/ProcessState.h"
#include "gameflow/GameLogic.h"
#include "platform/Log.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace Framework;

namespace
{
// A headless engine over the test resources, with the first level started and its objects gone again.
Core& FuzzCore()
{
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
        c->m_Factory->DestroyAllObjects();
        return c;
    }();
    return *core;
}

// The placements of the object types, which the heads-up display loader overwrites.
struct TypePlacement
{
    Transform* Target;
    Vec2 Position;
    float Rotation;
    Vec2 Scale;
};

std::vector<TypePlacement> SavePlacements(Factory& factory)
{
    std::vector<TypePlacement> saved;
    for (auto& [name, type] : factory.ObjectTypes)
    {
        if (type != nullptr)
        {
            Transform* t = type->GetTransform();
            saved.push_back({t, t->Position, t->Rotation, t->Scale});
        }
    }
    return saved;
}

void RestorePlacements(const std::vector<TypePlacement>& saved)
{
    for (const TypePlacement& p : saved)
    {
        p.Target->Position = p.Position;
        p.Target->Rotation = p.Rotation;
        p.Target->Scale = p.Scale;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

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

    // The three loaders over the same bytes; each input starts from the same object types and no objects.
    Factory& factory = *FuzzCore().m_Factory;
    TextSerializer typeReader = TextSerializer::FromText(text);
    std::unique_ptr<GameObjectComposition> type = factory.LoadObjectType(typeReader, "Fuzzed");
    TextSerializer levelReader = TextSerializer::FromText(text);
    factory.LoadLevel(levelReader, "(fuzz input)");
    const std::vector<TypePlacement> placements = SavePlacements(factory);
    TextSerializer hudReader = TextSerializer::FromText(text);
    factory.LoadHUD(hudReader);
    factory.Update(0.0f);
    factory.DestroyAllObjects();
    RestorePlacements(placements);

    // The same bytes as a map of either format; what converts is loaded as a level.
    static MapLevelConverter converter(std::string(KIBBET_FUZZ_RESOURCES) + "/Data/Objects");
    for (const TiledMap& map : {ReadTmx(text), ReadTmj(text)})
    {
        LevelDocument document;
        std::vector<MapProblem> problems;
        if (converter.ToDocument(map, document, problems))
        {
            TextSerializer mapReader = TextSerializer::FromText(WriteLevelText(document));
            factory.LoadLevel(mapReader, "(fuzz map)");
            factory.DestroyAllObjects();
        }
    }
    // Each input's messages are new; the set of those written would otherwise grow for the whole run.
    ForgetLoggedOnce();
    return 0;
}
