#pragma once

#include "engine/ISystem.h"
#include "graphics/ResourceTypes.h"

#include <map>
#include <string>
#include <vector>

namespace Framework
{

// Holds the four resource tables every drawing part looks names up in, read once at construction,
// and lists folders. Look-ups never fail: a missing name is inserted with a zero value.
class ResourceManager : public ISystem
{
public:
    // Reads "Data/UV.json", "Data/Dimensions.json", "Data/ZOrders.json" and "Data/CustomShapes.json".
    explicit ResourceManager(Core* core);

    void Update(float dt) override { (void)dt; }
    std::string GetName() const override { return "Resource_Manager"; }
    Core* GetCore() const override { return m_Core; }

    // Find-or-insert look-ups.
    const UVRect& GetUV(const std::string& name);
    const SpriteSize& GetDimensions(const std::string& name);
    int GetZOrder(const std::string& layerName);
    const std::string& GetCustomShape(const std::string& name);

    // Files of a folder with an extension (with the dot; empty for all), full paths sorted by name.
    std::vector<std::string> ListFilesInFolder(const std::string& folder, const std::string& ext) const;

    std::map<std::string, UVRect> m_UVMap;
    std::map<std::string, SpriteSize> m_Dimensions;
    std::map<std::string, int> m_ZOrders;
    std::map<std::string, std::string> m_CustomShapes;

private:
    Core* m_Core;
};

} // namespace Framework
