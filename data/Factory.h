#pragma once

#include "engine/ISystem.h"
#include "engine/ProcessState.h"
#include "platform/Vector.h"

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace Framework
{

class GameObjectComposition;
enum class ComponentSource;
class TextSerializer;

// What a level file says about the level itself, read by position before its object list.
struct LevelHeader
{
    // The level's music, "TrackName"; "_" keeps the track the level had.
    std::string TrackName;
    // The camera lock, "CameraLock".
    Vec2 CameraLock;
    // "ObjectCount": the object id counter the level's objects are numbered from.
    unsigned ObjectCount = 0;

    // True when the file names no track of its own ("_").
    bool KeepsTrack() const { return TrackName == "_"; }
};

// One entry of a level's object list.
struct LevelEntry
{
    std::string Key;
    std::string TypeName;
    // False when the object type does not exist and the entry was skipped.
    bool Placed = false;
};

// A level file as the Factory read it: the objects are live when this is returned; the header is for the
// level manager to apply.
struct LevelContents
{
    // False when the file was a map that could not be read: no object was created.
    bool Loaded = true;
    LevelHeader Header;
    std::vector<LevelEntry> Entries;
};

// Owns every game object: reads the object types at start-up, builds live objects by cloning them,
// places them from level and heads-up display files, finds them by key and destroys them at the start
// of the frame after they were marked.
class Factory : public ISystem
{
public:
    explicit Factory(Core* core);
    ~Factory() override;

    // Reads every ".json" file of "Data/Objects" as an object type named after the file.
    void Initialize() override;
    // Destroys the objects marked in the previous frame.
    void Update(float dt) override;
    std::string GetName() const override { return "Factory"; }
    Core* GetCore() const override { return m_Core; }

    // A new live object cloned from the type, stored under key (or its id when key is empty) unless
    // that key is taken; null when the type does not exist.
    GameObjectComposition* CreateObject(const std::string& typeName, const std::string& key);
    // The live object stored under key, or null.
    GameObjectComposition* FindObject(const std::string& key) const;
    // Whether the object is live (not yet destroyed); only compares the address, so any pointer may be asked.
    bool IsLive(GameObjectComposition* object) const;
    // Marks a live object; it is destroyed at the start of the next frame, once however often marked.
    // Anything else (null, an object type, an object already destroyed) is ignored.
    void DestroyObject(GameObjectComposition* object);
    // Destroys every live object now and forgets the marks.
    void DestroyAllObjects();
    // Creates the objects of a level file (text or map) and returns its header and entries; a map with a fault
    // creates nothing and logs each fault.
    LevelContents LoadLevel(const std::string& path);
    // Like LoadLevel(path) over level text the reader already holds; label names the level in log lines.
    LevelContents LoadLevel(TextSerializer& reader, const std::string& label);
    // Creates the heads-up display objects from "Data/Level_HUD.json" unless they exist.
    void LoadHUD();
    // Like LoadHUD over heads-up display text the reader already holds.
    void LoadHUD(TextSerializer& reader);
    // Destroys at once every live object whose key contains "HUD_".
    void UnloadHUD();
    // Reads one object type file; exposed for tests and the data fuzzer.
    std::unique_ptr<GameObjectComposition> LoadObjectType(const std::string& path, const std::string& typeName);
    // Reads one object type from text the reader already holds.
    std::unique_ptr<GameObjectComposition> LoadObjectType(TextSerializer& reader, const std::string& typeName);
    // Every live object, those stored under a key and those whose key was taken, sorted by key then id.
    std::vector<GameObjectComposition*> AllLiveObjects() const;

    std::string LevelPath = "Resources/Data/";
    std::map<std::string, std::unique_ptr<GameObjectComposition>> ObjectTypes;
    // Key to live object; the objects themselves are owned by m_Owned.
    std::map<std::string, GameObjectComposition*> LiveObjects;
    std::set<GameObjectComposition*> PendingDestruction;
    // Called with each live object just before it is destroyed, so whoever holds on to one (the camera) can
    // let go; the composition root sets it.
    std::function<void(const GameObjectComposition*)> ObjectDestroyed;

private:
    // Hands the object's components back and deletes it, keeping another object's key entry.
    void DestroyNow(GameObjectComposition* object);
    // The system that makes prototype components of a kind's source; null for the others.
    ISystem* PrototypeSource(ComponentSource source) const;
    // The level file's track, camera lock and object id counter, up to its object list.
    static LevelHeader ReadLevelHeader(TextSerializer& reader);
    // One entry of the level's object list: creates the object and reads its component blocks into it, and
    // adds the entry; false once the list has ended.
    bool ReadLevelEntry(TextSerializer& reader, const std::string& label, std::vector<LevelEntry>& entries);
    // Reads the component blocks of one level entry into the object (or past them when it is null).
    void ReadLevelComponents(TextSerializer& reader, GameObjectComposition* object, const std::string& key,
                             const std::string& label);
    // Stores a level object under its key, replacing an earlier entry of the same key, and starts it.
    void PlaceLevelObject(GameObjectComposition* object, const std::string& key);

    Core* m_Core;
    // Every live object, including one created under a key that was already taken.
    std::unordered_map<GameObjectComposition*, std::unique_ptr<GameObjectComposition>> m_Owned;
};

} // namespace Framework
