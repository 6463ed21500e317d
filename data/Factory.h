#pragma once

#include "engine/ISystem.h"
#include "engine/ProcessState.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

namespace Framework
{

class GameObjectComposition;

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
    // Creates the objects of a level file and fills the current level's track and camera lock.
    void LoadLevel(const std::string& path);
    // Creates the heads-up display objects from "Data/Level_HUD.json" unless they exist.
    void LoadHUD();
    // Destroys at once every live object whose key contains "HUD_".
    void UnloadHUD();
    // Destroys at once every live object of the type "SampleObject".
    void DestroySampleObjects();
    // The level file name for a level name.
    static std::string LevelFileName(const std::string& levelName) { return levelName + ".json"; }
    // Reads one object type file; exposed for tests and the data fuzzer.
    std::unique_ptr<GameObjectComposition> LoadObjectType(const std::string& path, const std::string& typeName);
    // Every live object, those stored under a key and those whose key was taken, sorted by key then id.
    std::vector<GameObjectComposition*> AllLiveObjects() const;

    std::string LevelPath = "Resources/Data/";
    std::map<std::string, std::unique_ptr<GameObjectComposition>> ObjectTypes;
    // Key to live object; the objects themselves are owned by m_Owned.
    std::map<std::string, GameObjectComposition*> LiveObjects;
    std::set<GameObjectComposition*> PendingDestruction;

private:
    // Hands the object's components back and deletes it, keeping another object's key entry.
    void DestroyNow(GameObjectComposition* object);

    Core* m_Core;
    // Every live object, including one created under a key that was already taken.
    std::unordered_map<GameObjectComposition*, std::unique_ptr<GameObjectComposition>> m_Owned;
};

} // namespace Framework
