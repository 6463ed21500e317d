#include "gameflow/LevelTextures.h"

#include "data/DataTree.h"
#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/LevelFiles.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "gameflow/GameLogic.h"
#include "graphics/CustomShape.h"
#include "graphics/FontComponent.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"

#include <fstream>
#include <sstream>

namespace Framework
{

namespace
{
// The string a level block sets a field to, or empty.
std::string BlockString(const LevelDocumentEntry& entry, const char* block, const char* field)
{
    const DataNode* node = entry.FindBlock(block);
    const DataNode* value = node != nullptr ? node->Find(field) : nullptr;
    return value != nullptr && value->Type == DataNode::Kind::String ? value->Text : std::string();
}

// The layers an object type draws in by itself.
void TypeLayers(const GameObjectComposition& type, const Factory& factory, ResourceManager& resources,
                std::set<int>& out)
{
    if (const auto* sprite = dynamic_cast<const GraphicsComponent*>(type.GetComponent(GraphicsComponent::TypeName)))
    {
        out.insert(sprite->m_zOrder);
    }
    if (const auto* shape = dynamic_cast<const CustomShape*>(type.GetComponent(CustomShape::TypeName)))
    {
        out.insert(shape->Layer());
    }
    if (type.GetComponent("Emitter") != nullptr)
    {
        out.insert(resources.GetZOrder("Particle_1"));
    }
    auto glyph = factory.ObjectTypes.find(FontComponent::GlyphType);
    if (type.GetComponent(FontComponent::TypeName) != nullptr && glyph != factory.ObjectTypes.end() &&
        glyph->second.get() != &type)
    {
        TypeLayers(*glyph->second, factory, resources, out);
    }
}
// The layers of the heads-up display's objects ("Data/Level_HUD.json"), which every playable level shows.
void HudLayers(const Factory& factory, ResourceManager& resources, std::set<int>& out)
{
    std::ifstream in(ResourcePath("Data/Level_HUD.json"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const DataTree tree = DataTree::Parse(text.str());
    const DataNode* objects = tree.Root.Find("Objects");
    for (const DataNode& object : objects != nullptr ? objects->Children : std::vector<DataNode>())
    {
        const DataNode* typeName = object.Find("ObjectType");
        auto type = typeName != nullptr ? factory.ObjectTypes.find(typeName->Text) : factory.ObjectTypes.end();
        if (type != factory.ObjectTypes.end())
        {
            TypeLayers(*type->second, factory, resources, out);
        }
    }
}
} // namespace

std::set<int> LevelTextureLayers(const LevelDocument& level, const Factory& factory, ResourceManager& resources)
{
    std::set<int> layers;
    for (const LevelDocumentEntry& entry : level.Entries)
    {
        auto type = factory.ObjectTypes.find(entry.TypeName);
        if (type == factory.ObjectTypes.end())
        {
            continue;
        }
        TypeLayers(*type->second, factory, resources, layers);
        // A level block may name another layer or ground; the type's own stays in the set, which only costs
        // memory if that layer is otherwise unused.
        const std::string layer = BlockString(entry, GraphicsComponent::TypeName, "m_zOrderString");
        if (!layer.empty())
        {
            layers.insert(resources.GetZOrder(layer));
        }
        const std::string shape = BlockString(entry, CustomShape::TypeName, "m_TextureName");
        if (!shape.empty())
        {
            layers.insert(resources.GetZOrder(resources.GetCustomShape(shape)));
        }
    }
    return layers;
}

std::set<int> ObjectTypeTextureLayers(const std::vector<std::string>& typeNames)
{
    std::set<int> layers;
    if (CORE == nullptr || CORE->m_Factory == nullptr || CORE->m_ResourceManager == nullptr)
    {
        return layers;
    }
    for (const std::string& name : typeNames)
    {
        auto type = CORE->m_Factory->ObjectTypes.find(name);
        if (type != CORE->m_Factory->ObjectTypes.end())
        {
            TypeLayers(*type->second, *CORE->m_Factory, *CORE->m_ResourceManager, layers);
        }
    }
    return layers;
}

std::set<int> LevelTextureLayers(const std::string& levelName)
{
    if (CORE == nullptr || CORE->m_Factory == nullptr || CORE->m_ResourceManager == nullptr)
    {
        return {};
    }
    const LevelFileRead level =
        ReadLevelFile(FindLevelFile(ResourcePath("Data/Levels"), levelName), ResourcePath("Data/Objects"));
    if (!level.Ok)
    {
        return {};
    }
    std::set<int> layers = LevelTextureLayers(level.Document, *CORE->m_Factory, *CORE->m_ResourceManager);
    if (GameLogic::IsPlayableLevel(levelName))
    {
        HudLayers(*CORE->m_Factory, *CORE->m_ResourceManager, layers);
    }
    return layers;
}

} // namespace Framework
