#pragma once

#include "data/DataTree.h"

#include <iosfwd>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace Framework
{

class ResourceManager;
struct ComponentKind;

// One problem found in the data, reported as "file:line:column: error|warning: message".
struct Finding
{
    enum class Severity
    {
        Warning, // suspicious, but the game may mean it
        Error,   // the game will read or play it wrongly
    };

    std::string File;
    SourceLocation At;
    Severity Level = Severity::Error;
    std::string Message;
};

// What the level checks need to know of an object type.
struct ObjectTypeFacts
{
    std::set<std::string> Components;
    bool HasBody = false;
    float Mass = 0.0f;
    float GravityX = 0.0f;
    float GravityY = 0.0f;
    float X = 0.0f; // the type's Transform position
    float Y = 0.0f;
};

// What the rules over a whole level need from its entries.
struct LevelFacts
{
    std::map<std::string, SourceLocation> Keys; // each key and where it first stands
    int StartTriggers = 0;                      // objects with a LevelStartTrigger
    const DataNode* Hero = nullptr;             // the entry keyed "Kibbet"
    float HeroX = 0.0f;                         // where the hero starts
    float HeroY = 0.0f;
};

// Reads every object type, level and the heads-up display file of a resource folder (and parses every other
// data file) and collects what a level designer must mend. Sprite, frame, layer and shape names are looked up
// in the folder's tables as the game's ResourceManager reads them; sounds in its Audio folder.
class DataChecker
{
public:
    explicit DataChecker(std::string resourceDir);
    ~DataChecker();
    DataChecker(const DataChecker&) = delete;
    DataChecker& operator=(const DataChecker&) = delete;

    // Checks the whole folder; the findings are sorted by file, line and column.
    void Run();
    const std::vector<Finding>& Findings() const { return m_Findings; }
    bool HasErrors() const;

private:
    void Report(const std::string& file, SourceLocation at, Finding::Severity level, const std::string& message);
    // Parses a file; null (with the fault reported) when it cannot be read or parsed. Unquoted field names are
    // errors where the Factory reads the file, warnings in the tables.
    std::unique_ptr<DataTree> Load(const std::string& file, bool factoryFile = true);
    void CheckObjectType(const std::string& file, const std::string& typeName);
    void CheckLevel(const std::string& file, const std::string& levelName);
    // The level rules over a parsed level; file names it in the findings.
    void CheckLevelTree(const std::string& file, const DataTree& tree, const std::string& levelName);
    // A Tiled map: its faults as a map, then the level rules over the level it says, each finding placed at the
    // map object it comes from (its id and name, and its line in a .tmx file).
    void CheckMapLevel(const std::string& file, const std::string& levelName);
    // The track, camera lock and id counter a level starts with; false when the loader would misread them.
    bool CheckLevelHeader(const std::string& file, const DataTree& tree);
    // One entry of a level's object list: its key, its object type and its overrides.
    void CheckLevelEntry(const std::string& file, const DataNode& entry, LevelFacts& level);
    // The override blocks of a level entry; true when one of them is a Body.
    bool CheckOverrides(const std::string& file, const DataNode& entry, const std::string& typeName,
                        ObjectTypeFacts& facts, float& x, float& y);
    // What a playable level needs: the hero, the start walk pair and a camera lock that shows the hero.
    void CheckPlayableLevel(const std::string& file, const DataNode& objects, const DataNode& lock,
                            const LevelFacts& level);
    void CheckHud(const std::string& file);
    // Checks one component block of an object type or a level override and records what the level checks need.
    void CheckComponent(const std::string& file, const DataNode& component, ObjectTypeFacts& facts,
                        std::set<std::string>& animations, std::vector<const DataNode*>& animationUses);
    // The sprite, frame and layer names of a Graphics block; collects its animations' names.
    void CheckGraphics(const std::string& file, const DataNode& component, std::set<std::string>& animations);
    void CheckBlockShape(const std::string& file, const DataNode& data, const DataNode& schema,
                         const std::string& where);
    void CheckSounds(const std::string& file, const DataNode& node);
    void CheckPolygon(const std::string& file, const DataNode& component, const DataNode* list, bool shape);
    void CheckObjectRules(const std::string& file, SourceLocation at, const ObjectTypeFacts& facts,
                          const std::string& what);
    bool SoundExists(const std::string& name) const;

    std::string m_Root;
    std::unique_ptr<ResourceManager> m_Tables;
    std::set<std::string> m_Sounds;
    std::map<std::string, ObjectTypeFacts> m_Types;
    // Each component kind's fields as its field list writes them; empty for kinds without fixed fields.
    std::map<std::string, DataNode> m_Schemas;
    std::vector<Finding> m_Findings;
};

// A kind's fields as a fresh component writes them (from its field list, or for a kind still on a hand-written
// pair, its own Write); an empty block for kinds whose fields are not fixed (a stand-in keeps whatever tokens it
// was given).
DataNode ComponentSchema(const ComponentKind& kind);

// Checks the folder, prints every finding and a summary to out; 1 when there is an error, otherwise 0.
int RunDataCheck(const std::string& resourceDir, std::ostream& out);

} // namespace Framework
