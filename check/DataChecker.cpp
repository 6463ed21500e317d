#include "check/DataChecker.h"
#include "data/LevelFiles.h"

#include "data/ComponentRegistry.h"
#include "data/TextSerializer.h"
#include "engine/Paths.h"
#include "graphics/ResourceManager.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

namespace Framework
{

namespace
{
constexpr Finding::Severity kError = Finding::Severity::Error;
constexpr Finding::Severity kWarning = Finding::Severity::Warning;

// The view the camera shows and the margin around it inside which bodies stay active; a hero outside dies.
constexpr float kHalfViewWidth = 640.0f;
constexpr float kHalfViewHeight = 360.0f;
constexpr float kActiveMargin = 150.0f;
// The camera holds the hero this far below the centre of the view.
constexpr float kHeroBelowCentre = 200.0f;

std::string Where(SourceLocation at)
{
    return std::to_string(at.Line) + ":" + std::to_string(at.Column);
}

// Levels named "Level_00_..." are the loading, splash and menu screens; every other level is played.
bool IsPlayable(const std::string& levelName)
{
    return levelName.rfind("Level_00_", 0) != 0;
}

float Number(const DataNode* node)
{
    return node != nullptr && node->Type == DataNode::Kind::Number ? TextSerializer::StringToFloat(node->Text) : 0.0f;
}

void ReadPosition(const DataNode& transform, float& x, float& y)
{
    if (!transform.Children.empty() && transform.Children[0].Type == DataNode::Kind::Block)
    {
        const DataNode& position = transform.Children[0];
        x = Number(position.Find("x"));
        y = Number(position.Find("y"));
    }
}
} // namespace

DataChecker::DataChecker(std::string resourceDir) : m_Root(std::move(resourceDir)) {}

DataChecker::~DataChecker() = default;

bool DataChecker::HasErrors() const
{
    return std::any_of(m_Findings.begin(), m_Findings.end(), [](const Finding& f) { return f.Level == kError; });
}

void DataChecker::Report(const std::string& file, SourceLocation at, Finding::Severity level,
                         const std::string& message)
{
    m_Findings.push_back({file, at, level, message});
}

std::unique_ptr<DataTree> DataChecker::Load(const std::string& file, bool factoryFile)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
    {
        Report(file, {1, 1}, kError, "cannot be read");
        return nullptr;
    }
    std::ostringstream text;
    text << in.rdbuf();
    auto tree = std::make_unique<DataTree>(DataTree::Parse(text.str()));
    for (SourceLocation at : tree->UnquotedNames)
    {
        Report(file, at, factoryFile ? kError : kWarning,
               factoryFile ? "a name without quotes: the game takes the previous name instead"
                           : "a name without quotes (read all the same)");
    }
    if (!tree->Error.empty())
    {
        Report(file, tree->ErrorAt, kError, tree->Error);
        return nullptr;
    }
    return tree;
}

void DataChecker::Run()
{
    m_Findings.clear();
    std::string previousRoot = ResourceRoot();
    SetResourceRoot(m_Root);
    m_Tables = std::make_unique<ResourceManager>(nullptr);
    SetResourceRoot(previousRoot);
    for (const char* ext : {".wav", ".mp3"})
    {
        for (const std::string& path : ListFilesSorted(m_Root + "/Audio", ext))
        {
            m_Sounds.insert(PathParts(path).FileName);
        }
    }
    for (const ComponentKind& kind : ComponentKinds())
    {
        m_Schemas[kind.Name] = ComponentSchema(kind);
    }

    const std::string data = m_Root + "/Data";
    std::vector<std::string> types = ListFilesSorted(data + "/Objects", ".json");
    std::vector<std::string> levels = ListLevelFiles(data + "/Levels");
    if (types.empty() && levels.empty())
    {
        Report(data, {1, 1}, kError, "holds no object types (Objects/*.json) and no levels (Levels/*.json)");
    }
    for (const std::string& path : types)
    {
        m_Types[PathParts(path).FileName];
    }
    for (const std::string& path : types)
    {
        CheckObjectType(path, PathParts(path).FileName);
    }
    for (const std::string& path : levels)
    {
        CheckLevel(path, PathParts(path).FileName);
    }
    // The tables and the heads-up display file are read by the same reader; they must at least parse.
    for (const std::string& path : ListFilesSorted(data, ".json"))
    {
        if (PathParts(path).FileName == "Level_HUD")
        {
            CheckHud(path);
        }
        else
        {
            Load(path, false);
        }
    }
    std::stable_sort(m_Findings.begin(), m_Findings.end(),
                     [](const Finding& a, const Finding& b)
                     {
                         if (a.File != b.File)
                         {
                             return a.File < b.File;
                         }
                         return a.At.Line != b.At.Line ? a.At.Line < b.At.Line : a.At.Column < b.At.Column;
                     });
}

void DataChecker::CheckObjectType(const std::string& file, const std::string& typeName)
{
    std::unique_ptr<DataTree> tree = Load(file);
    if (!tree)
    {
        return;
    }
    const DataNode* object = tree->Root.Find("Object");
    if (object == nullptr || object->Type != DataNode::Kind::Block)
    {
        Report(file, tree->Root.At, kError, "an object type needs an \"Object\" block holding its components");
        return;
    }
    ObjectTypeFacts& facts = m_Types[typeName];
    std::set<std::string> animations;
    std::vector<const DataNode*> animationUses;
    std::set<std::string> seen;
    for (const DataNode& component : object->Children)
    {
        if (!seen.insert(component.Name).second)
        {
            Report(file, component.NameAt, kWarning,
                   "a second \"" + component.Name + "\" block replaces the first one of this object type");
        }
        if (FindComponentKind(component.Name) == nullptr)
        {
            Report(file, component.NameAt, kError,
                   "component type \"" + component.Name +
                       "\" does not exist; the game stops reading this object type here");
            break;
        }
        CheckComponent(file, component, facts, animations, animationUses);
    }
    for (const DataNode* use : animationUses)
    {
        if (animations.count(use->Text) == 0)
        {
            Report(file, use->At, kError,
                   "animation \"" + use->Text + "\" is not one of this object's animations (Graphics m_UVmap)");
        }
    }
    CheckObjectRules(file, object->At, facts, "object type \"" + typeName + "\"");
}

void DataChecker::CheckLevel(const std::string& file, const std::string& levelName)
{
    if (IsMapFile(file))
    {
        CheckMapLevel(file, levelName);
        return;
    }
    std::unique_ptr<DataTree> tree = Load(file);
    if (tree)
    {
        CheckLevelTree(file, *tree, levelName);
    }
}

void DataChecker::CheckLevelTree(const std::string& file, const DataTree& tree, const std::string& levelName)
{
    if (!CheckLevelHeader(file, tree))
    {
        return;
    }
    const DataNode* objects = tree.Root.Find("Objects");
    if (objects == nullptr || objects->Type != DataNode::Kind::List)
    {
        Report(file, tree.Root.At, kError, "a level needs an \"Objects\" list");
        return;
    }
    LevelFacts facts;
    for (const DataNode& entry : objects->Children)
    {
        CheckLevelEntry(file, entry, facts);
    }
    if (IsPlayable(levelName))
    {
        CheckPlayableLevel(file, *objects, tree.Root.Children[1], facts);
    }
}

bool DataChecker::CheckLevelHeader(const std::string& file, const DataTree& tree)
{
    // The loader reads the first three fields by position and finds "Objects" by name.
    const auto& fields = tree.Root.Children;
    const DataNode::Kind expected[] = {DataNode::Kind::String, DataNode::Kind::Block, DataNode::Kind::Number};
    const char* names[] = {"TrackName", "CameraLock", "the object id counter"};
    for (size_t i = 0; i < 3; ++i)
    {
        if (i >= fields.size() || fields[i].Type != expected[i])
        {
            Report(file, i < fields.size() ? fields[i].NameAt : tree.Root.At, kError,
                   std::string("field ") + std::to_string(i + 1) + " of a level must be " + names[i] + " (" +
                       DescribeKind(expected[i]) + "); the game reads these by position");
            return false;
        }
    }
    if (fields[0].Text != "_" && !SoundExists(fields[0].Text))
    {
        Report(file, fields[0].At, kError, "music track \"" + fields[0].Text + "\" is not in Audio/ (.mp3 or .wav)");
    }
    return true;
}

void DataChecker::CheckLevelEntry(const std::string& file, const DataNode& entry, LevelFacts& level)
{
    if (entry.Name.empty() || entry.Type != DataNode::Kind::Block)
    {
        Report(file, entry.NameAt, kError, "each entry of \"Objects\" must be a quoted key and a block");
        return;
    }
    auto [it, fresh] = level.Keys.emplace(entry.Name, entry.NameAt);
    if (!fresh)
    {
        Report(file, entry.NameAt, kError,
               "a second object with the key \"" + entry.Name + "\" (the first is at " + Where(it->second) +
                   "); the game finds only one of them by its key");
    }
    if (entry.Children.empty() || entry.Children[0].Type != DataNode::Kind::String)
    {
        Report(file, entry.At, kError, "an entry must begin with \"objType\" and the object type's name");
        return;
    }
    const DataNode& typeField = entry.Children[0];
    auto type = m_Types.find(typeField.Text);
    if (type == m_Types.end())
    {
        Report(file, typeField.At, kError,
               "object type \"" + typeField.Text + "\" does not exist (no Data/Objects/" + typeField.Text + ".json)");
        return;
    }
    if (entry.Children.size() < 2)
    {
        Report(file, entry.At, kError, "an entry needs a component block (its Transform) after \"objType\"");
        return;
    }
    ObjectTypeFacts facts = type->second;
    float x = facts.X;
    float y = facts.Y;
    if (CheckOverrides(file, entry, type->first, facts, x, y))
    {
        CheckObjectRules(file, entry.NameAt, facts, "object \"" + entry.Name + "\"");
    }
    if (facts.Components.count("LevelStartTrigger") != 0)
    {
        ++level.StartTriggers;
    }
    if (entry.Name == "Kibbet")
    {
        level.Hero = &entry;
        level.HeroX = x;
        level.HeroY = y;
    }
}

bool DataChecker::CheckOverrides(const std::string& file, const DataNode& entry, const std::string& typeName,
                                 ObjectTypeFacts& facts, float& x, float& y)
{
    const ObjectTypeFacts& type = m_Types.at(typeName);
    std::set<std::string> animations;
    std::vector<const DataNode*> animationUses;
    bool bodyOverride = false;
    for (size_t i = 1; i < entry.Children.size(); ++i)
    {
        const DataNode& component = entry.Children[i];
        if (FindComponentKind(component.Name) == nullptr)
        {
            Report(file, component.NameAt, kError,
                   "component type \"" + component.Name +
                       "\" does not exist; the game stops reading the level's objects here");
            break;
        }
        if (component.Name != "Transform" && type.Components.count(component.Name) == 0)
        {
            Report(file, component.NameAt, kWarning,
                   "object type \"" + typeName + "\" has no " + component.Name + "; this block changes nothing");
            continue;
        }
        CheckComponent(file, component, facts, animations, animationUses);
        bodyOverride = bodyOverride || component.Name == "Body";
        if (component.Name == "Transform")
        {
            ReadPosition(component, x, y);
        }
    }
    return bodyOverride;
}

void DataChecker::CheckPlayableLevel(const std::string& file, const DataNode& objects, const DataNode& lock,
                                     const LevelFacts& level)
{
    if (level.Hero == nullptr)
    {
        Report(file, objects.NameAt, kError, "a playable level needs the hero: an object with the key \"Kibbet\"");
    }
    if (level.StartTriggers < 2)
    {
        Report(file, objects.NameAt, kError,
               "a playable level needs a start walk pair: two objects with a LevelStartTrigger (found " +
                   std::to_string(level.StartTriggers) + "); until the first is touched the screen stays black");
    }
    if (level.Hero == nullptr)
    {
        return;
    }
    // At the start the camera centres on max(hero, lock), holding the hero below the centre.
    float dx = std::max(level.HeroX, Number(lock.Find("x"))) - level.HeroX;
    float dy = std::max(level.HeroY, Number(lock.Find("y"))) + kHeroBelowCentre - level.HeroY;
    if (dx >= kHalfViewWidth + kActiveMargin || dy >= kHalfViewHeight + kActiveMargin)
    {
        Report(file, lock.At, kError,
               "the camera lock cannot show the hero's start (" + Where(level.Hero->NameAt) +
                   "): the hero starts outside the active region and dies at once");
    }
    else if (dx >= kHalfViewWidth || dy >= kHalfViewHeight)
    {
        Report(file, lock.At, kWarning,
               "the camera lock keeps the hero's start (" + Where(level.Hero->NameAt) + ") out of view");
    }
}

void DataChecker::CheckHud(const std::string& file)
{
    std::unique_ptr<DataTree> tree = Load(file);
    const DataNode* objects = tree ? tree->Root.Find("Objects") : nullptr;
    if (objects == nullptr)
    {
        return;
    }
    for (const DataNode& entry : objects->Children)
    {
        const DataNode* type = entry.Children.empty() ? nullptr : &entry.Children[0];
        if (type == nullptr || type->Type != DataNode::Kind::String)
        {
            Report(file, entry.At, kError, "a display entry must begin with \"ObjectType\" and a type name");
        }
        else if (m_Types.count(type->Text) == 0)
        {
            Report(file, type->At, kError, "object type \"" + type->Text + "\" does not exist");
        }
    }
}

bool DataChecker::SoundExists(const std::string& name) const
{
    return m_Sounds.count(name) != 0;
}

int RunDataCheck(const std::string& resourceDir, std::ostream& out)
{
    DataChecker checker(resourceDir);
    checker.Run();
    size_t errors = 0;
    for (const Finding& f : checker.Findings())
    {
        bool error = f.Level == Finding::Severity::Error;
        errors += error ? 1 : 0;
        out << f.File << (f.At.Line > 0 ? ":" + Where(f.At) : std::string()) << ": " << (error ? "error" : "warning")
            << ": " << f.Message << "\n";
    }
    out << "kibbet --check " << resourceDir << ": " << errors << " error(s), " << checker.Findings().size() - errors
        << " warning(s)\n";
    return errors > 0 ? 1 : 0;
}

} // namespace Framework
