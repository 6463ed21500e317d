#include "gameflow/LevelTextureLayers.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/LevelFiles.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "graphics/CustomShape.h"
#include "graphics/Graphics.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"

#include <fstream>
#include <iterator>
#include <set>

namespace Framework
{

namespace
{
// The object type names of level or heads-up display text: the strings after "objType" and "ObjectType".
std::vector<std::string> ObjectTypesIn(const std::string& text)
{
    std::vector<std::string> types;
    for (const std::string key : {"\"objType\"", "\"ObjectType\""})
    {
        size_t at = 0;
        while ((at = text.find(key, at)) != std::string::npos)
        {
            const size_t open = text.find('"', at + key.size());
            const size_t close = open == std::string::npos ? open : text.find('"', open + 1);
            if (close == std::string::npos)
            {
                break;
            }
            types.push_back(text.substr(open + 1, close - open - 1));
            at = close + 1;
        }
    }
    return types;
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
} // namespace

std::vector<int> LevelTextureLayers(const std::string& levelName)
{
    if (CORE == nullptr || CORE->m_Factory == nullptr || CORE->m_ResourceManager == nullptr ||
        CORE->m_Graphics == nullptr)
    {
        return {};
    }
    const std::string path = FindLevelFile(ResourcePath("Data/Levels"), levelName);
    const std::string text =
        ReadLevelFile(path, ResourcePath("Data/Objects")).Text + FileText(ResourcePath("Data/Level_HUD.json"));
    ResourceManager& resources = *CORE->m_ResourceManager;
    std::set<int> layers;
    for (const std::string& type : ObjectTypesIn(text))
    {
        auto found = CORE->m_Factory->ObjectTypes.find(type);
        if (found == CORE->m_Factory->ObjectTypes.end() || found->second == nullptr)
        {
            continue;
        }
        const GameObjectComposition& object = *found->second;
        if (const GraphicsComponent* sprite = object.GetGraphics())
        {
            layers.insert(resources.GetZOrder(sprite->m_zOrderString));
        }
        if (const CustomShape* shape = object.GetCustomShape())
        {
            layers.insert(shape->Layer());
        }
        if (object.GetEmitter() != nullptr)
        {
            layers.insert(CORE->m_Graphics->m_ParticleLayer);
        }
    }
    return std::vector<int>(layers.begin(), layers.end());
}

} // namespace Framework
