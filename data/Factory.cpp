#include "data/Factory.h"

#include "data/ComponentRegistry.h"
#include "data/GameObjectComposition.h"
#include "data/IComponent.h"
#include "data/LevelFiles.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"

#include <algorithm>
#include <filesystem>

namespace Framework
{

namespace
{
// The systems that hand out prototype components lie above data/, so they are found among the systems by the
// names they report (physics/Physics.h, graphics/Graphics.h, gameflow/GameLogic.h).
const char* SystemNameOf(ComponentSource source)
{
    switch (source)
    {
    case ComponentSource::Physics:
        return "Physics";
    case ComponentSource::Graphics:
        return "Graphics";
    case ComponentSource::GameLogic:
        return "Game_Logic";
    default:
        return nullptr;
    }
}
} // namespace

Factory::Factory(Core* core) : m_Core(core) {}

// The other systems are gone by now (the Factory is deleted last), so the remaining objects'
// components are deleted directly instead of being handed back to their systems.
Factory::~Factory() = default;

void Factory::Initialize()
{
    ObjectTypes.clear();
    std::string folder = ResourcePath("Data/Objects");
    for (const std::string& path : ListFilesSorted(folder, ".json"))
    {
        PathParts parts(path);
        ObjectTypes[parts.FileName] = LoadObjectType(path, parts.FileName);
    }
    if (ObjectTypes.empty())
    {
        Log("no object types found in " + folder);
    }
}

std::unique_ptr<GameObjectComposition> Factory::LoadObjectType(const std::string& path, const std::string& typeName)
{
    TextSerializer reader(path);
    return LoadObjectType(reader, typeName);
}

ISystem* Factory::PrototypeSource(ComponentSource source) const
{
    const char* name = SystemNameOf(source);
    if (m_Core == nullptr || name == nullptr)
    {
        return nullptr;
    }
    for (const std::unique_ptr<ISystem>& system : m_Core->Systems)
    {
        if (system->GetName() == name)
        {
            return system.get();
        }
    }
    return nullptr;
}

std::unique_ptr<GameObjectComposition> Factory::LoadObjectType(TextSerializer& reader, const std::string& typeName)
{
    reader.EnterBlock("Object");
    auto object = std::make_unique<GameObjectComposition>(std::string());
    std::string name;
    do
    {
        if (!reader.ReadToken())
        {
            break;
        }
        if (reader.TokenHas('"'))
        {
            name = StripQuotes(reader.CurrentToken);
        }
        const ComponentKind* kind = FindComponentKind(name);
        if (kind == nullptr)
        {
            LogOnce("object type " + typeName + ": unknown component \"" + name + "\" ends its component list");
        }
        else if (kind->Source == ComponentSource::Transform)
        {
            object->GetTransform()->Serialize(reader, Transform::TypeName);
        }
        else
        {
            IComponent* component = nullptr;
            if (kind->Source == ComponentSource::Direct)
            {
                component = kind->Construct();
            }
            else
            {
                reader.ReadToken(); // the colon
                ISystem* system = PrototypeSource(kind->Source);
                component = system != nullptr ? system->CreatePrototypeComponent(0) : nullptr;
            }
            if (component != nullptr)
            {
                component->Serialize(reader, std::string());
                object->AddComponent(name, component);
            }
            else
            {
                reader.SkipBlock();
            }
        }
    } while (reader.NextListItem());
    return object;
}

void Factory::Update(float dt)
{
    (void)dt;
    // Objects marked while these are destroyed wait for the next update.
    std::set<GameObjectComposition*> pending;
    pending.swap(PendingDestruction);
    for (GameObjectComposition* object : pending)
    {
        DestroyNow(object);
    }
}

void Factory::DestroyNow(GameObjectComposition* object)
{
    auto owned = m_Owned.find(object);
    if (owned == m_Owned.end())
    {
        return; // not a live object (already gone, or an object type)
    }
    object->DestroyComponents();
    auto entry = LiveObjects.find(object->Key);
    if (entry != LiveObjects.end() && entry->second == object)
    {
        LiveObjects.erase(entry);
    }
    if (ObjectDestroyed)
    {
        ObjectDestroyed(object);
    }
    PendingDestruction.erase(object);
    m_Owned.erase(owned);
}

GameObjectComposition* Factory::CreateObject(const std::string& typeName, const std::string& key)
{
    auto type = ObjectTypes.find(typeName);
    if (type == ObjectTypes.end() || type->second == nullptr)
    {
        LogOnce("object type \"" + typeName + "\" does not exist");
        return nullptr;
    }
    auto object = std::make_unique<GameObjectComposition>(GameObjectComposition::CloneTag{}, *type->second);
    GameObjectComposition* raw = object.get();
    raw->Name = typeName;
    raw->Key = key.empty() ? std::to_string(raw->ObjectId) : key;
    m_Owned.emplace(raw, std::move(object));
    auto entry = LiveObjects.find(raw->Key);
    if (entry == LiveObjects.end() || entry->second == nullptr)
    {
        LiveObjects[raw->Key] = raw;
    }
    return raw;
}

bool Factory::IsLive(GameObjectComposition* object) const
{
    return m_Owned.contains(object);
}

GameObjectComposition* Factory::FindObject(const std::string& key) const
{
    auto entry = LiveObjects.find(key);
    return entry == LiveObjects.end() ? nullptr : entry->second;
}

void Factory::DestroyObject(GameObjectComposition* object)
{
    // A pointer to an object already gone would otherwise wait here and destroy whatever new object
    // later gets its address.
    if (m_Owned.count(object) != 0)
    {
        PendingDestruction.insert(object);
    }
}

void Factory::DestroyAllObjects()
{
    PendingDestruction.clear();
    for (GameObjectComposition* object : AllLiveObjects())
    {
        DestroyNow(object);
    }
    LiveObjects.clear();
    HudLoaded = false;
}

std::vector<GameObjectComposition*> Factory::AllLiveObjects() const
{
    std::vector<GameObjectComposition*> objects;
    objects.reserve(m_Owned.size());
    for (const auto& entry : m_Owned)
    {
        objects.push_back(entry.first);
    }
    std::sort(objects.begin(), objects.end(),
              [](const GameObjectComposition* a, const GameObjectComposition* b)
              { return a->Key != b->Key ? a->Key < b->Key : a->ObjectId < b->ObjectId; });
    return objects;
}

LevelContents Factory::LoadLevel(const std::string& path)
{
    LevelPath = path;
    if (IsMapFile(path))
    {
        LevelFileRead map = ReadLevelFile(path, ResourcePath("Data/Objects"));
        if (!map.Ok)
        {
            for (const MapProblem& problem : map.Problems)
            {
                Log("level " + DescribeProblem(path, problem));
            }
            LevelContents nothing;
            nothing.Loaded = false;
            return nothing;
        }
        TextSerializer reader = TextSerializer::FromText(map.Text);
        return LoadLevel(reader, path);
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
    {
        LogOnce("level file " + path + " not found: the level starts empty");
    }
    TextSerializer reader(path);
    return LoadLevel(reader, path);
}

LevelContents Factory::LoadLevel(TextSerializer& reader, const std::string& label)
{
    LevelContents contents;
    contents.Header = ReadLevelHeader(reader);
    ObjectIdCounter = contents.Header.ObjectCount;
    reader.EnterBlock("Objects");
    while (ReadLevelEntry(reader, label, contents.Entries))
    {
    }
    reader.SkipSeparator();
    return contents;
}

LevelHeader Factory::ReadLevelHeader(TextSerializer& reader)
{
    LevelHeader header;
    reader.MoveToStart();
    reader.ReadToken();
    reader.ReadString("TrackName", header.TrackName);
    reader.SkipSeparator();
    reader.ReadVec2("CameraLock", header.CameraLock.x, header.CameraLock.y);
    reader.SkipSeparator();
    // "ObjectCount" : value
    reader.ReadToken();
    reader.ReadToken();
    reader.ReadToken();
    header.ObjectCount = TextSerializer::StringToUnsigned(reader.CurrentToken);
    return header;
}

bool Factory::ReadLevelEntry(TextSerializer& reader, const std::string& label, std::vector<LevelEntry>& entries)
{
    if (!reader.ReadToken() || !reader.TokenHas('"'))
    {
        return false;
    }
    std::string key = StripQuotes(reader.CurrentToken);
    if (reader.IsGood())
    {
        reader.ReadToken();
        if (reader.TokenHas('"'))
        {
            reader.ReadToken();
        }
        if (reader.TokenHas(':'))
        {
            reader.ReadToken();
        }
    }
    std::string typeName;
    reader.ReadString("objType", typeName);
    reader.SkipSeparator();
    GameObjectComposition* object = CreateObject(typeName, key);
    if (object == nullptr)
    {
        LogOnce("level " + label + ": entry \"" + key + "\" names the missing object type \"" + typeName +
                "\" and is skipped");
    }
    ReadLevelComponents(reader, object, key, label);
    if (object != nullptr)
    {
        PlaceLevelObject(object, key);
    }
    entries.push_back({key, typeName, object != nullptr});
    return reader.NextListItem();
}

void Factory::ReadLevelComponents(TextSerializer& reader, GameObjectComposition* object, const std::string& key,
                                  const std::string& label)
{
    std::string componentName;
    do
    {
        if (!reader.ReadToken())
        {
            break;
        }
        if (reader.TokenHas('"'))
        {
            componentName = StripQuotes(reader.CurrentToken);
        }
        const ComponentKind* kind = FindComponentKind(componentName);
        if (kind == nullptr)
        {
            continue;
        }
        if (kind->Level == LevelBlock::AfterColon)
        {
            reader.ReadToken();
        }
        IComponent* component = object != nullptr ? object->GetComponent(componentName) : nullptr;
        if (component == nullptr)
        {
            if (object != nullptr)
            {
                LogOnce("level " + label + ": object \"" + key + "\" has no " + componentName +
                        " component; its block is skipped");
            }
            reader.SkipBlock();
        }
        else if (kind->Source == ComponentSource::Transform)
        {
            component->Serialize(reader, Transform::TypeName);
        }
        else
        {
            component->Serialize(reader, std::string());
        }
    } while (reader.NextListItem());
}

void Factory::PlaceLevelObject(GameObjectComposition* object, const std::string& key)
{
    // A logic component is initialised before the others, as the game has always done.
    for (const auto& [name, component] : object->Components)
    {
        const ComponentKind* kind = FindComponentKind(name);
        if (kind != nullptr && kind->Source == ComponentSource::GameLogic)
        {
            component->Initialize();
        }
    }
    GameObjectComposition*& slot = LiveObjects[key];
    if (slot != nullptr && slot != object)
    {
        // Two entries with one key: the later takes it and the earlier is not left behind,
        // still drawn and simulated but unreachable.
        GameObjectComposition* earlier = slot;
        slot = object;
        DestroyNow(earlier);
    }
    slot = object;
    object->Key = key;
    object->InitializeComponents();
}

void Factory::LoadHUD()
{
    if (HudLoaded)
    {
        return;
    }
    TextSerializer reader(ResourcePath("Data/Level_HUD.json"));
    LoadHUD(reader);
}

void Factory::LoadHUD(TextSerializer& reader)
{
    if (HudLoaded)
    {
        return;
    }
    struct HudEntry
    {
        std::string TypeName;
        Vec2 Position;
        float Rotation = 0.0f;
        Vec2 Scale;
    };
    std::map<std::string, HudEntry> entries;
    reader.MoveToStart();
    reader.ReadToken();
    reader.EnterBlock("Objects");
    do
    {
        if (!reader.ReadToken())
        {
            break;
        }
        std::string name = reader.TokenHas('"') ? StripQuotes(reader.CurrentToken) : reader.CurrentToken;
        reader.ReadToken();
        reader.EnterBlock(std::string());
        HudEntry entry;
        reader.ReadString("ObjectType", entry.TypeName);
        reader.SkipSeparator();
        Transform placement;
        placement.Serialize(reader, "Transform");
        entry.Position = placement.Position;
        entry.Rotation = placement.Rotation;
        entry.Scale = placement.Scale;
        reader.SkipSeparator();
        entries[name] = std::move(entry);
    } while (reader.NextListItem());
    for (auto& [name, entry] : entries)
    {
        auto type = ObjectTypes.find(entry.TypeName);
        if (type == ObjectTypes.end() || type->second == nullptr)
        {
            LogOnce("heads-up display entry \"" + name + "\" names the missing object type \"" + entry.TypeName + "\"");
            continue;
        }
        // The object type itself takes the placement, so later clones of it start there too.
        Transform* typeTransform = type->second->GetTransform();
        typeTransform->Position = entry.Position;
        typeTransform->Rotation = entry.Rotation;
        typeTransform->Scale = entry.Scale;
        if (GameObjectComposition* object = CreateObject(entry.TypeName, name))
        {
            object->Key = name;
        }
    }
    HudLoaded = true;
}

void Factory::UnloadHUD()
{
    for (GameObjectComposition* object : AllLiveObjects())
    {
        if (object->Key.find("HUD_") != std::string::npos)
        {
            DestroyObject(object);
        }
    }
    Update(0.0f);
    HudLoaded = false;
}

} // namespace Framework
