#include "graphics/ResourceManager.h"

#include "data/TextSerializer.h"
#include "engine/Paths.h"
#include "platform/FileSystem.h"
#include "platform/Log.h"

#include <filesystem>

namespace Framework
{

namespace
{
// Reads "key : value" entries of one top-level block; the value reader is the only difference
// between the tables.
template <typename Table, typename ReadValue>
void ReadTable(const std::string& file, const std::string& blockName, Table& table, ReadValue readValue)
{
    table.clear();
    std::string path = ResourcePath("Data/" + file);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
    {
        Log("resource table " + path + " not found");
    }
    TextSerializer reader(path);
    reader.EnterBlock(blockName);
    do
    {
        reader.ReadToken();
        std::string key = reader.TokenHas('"') ? StripQuotes(reader.CurrentToken) : reader.CurrentToken;
        reader.ReadToken();
        table[key] = readValue(reader);
    } while (reader.NextListItem());
}
} // namespace

ResourceManager::ResourceManager(Core* core) : m_Core(core)
{
    ReadTable("UV.json", "UV_Map", m_UVMap,
              [](TextSerializer& reader)
              {
                  UVRect uv;
                  reader.EnterBlock(std::string());
                  reader.ReadVec2("m_UVTopRight", uv.m_UVTopRight.x, uv.m_UVTopRight.y);
                  reader.ReadToken();
                  reader.ReadVec2("m_UVBottomRight", uv.m_UVBottomRight.x, uv.m_UVBottomRight.y);
                  reader.ReadToken();
                  reader.ReadVec2("m_UVBottomLeft", uv.m_UVBottomLeft.x, uv.m_UVBottomLeft.y);
                  reader.ReadToken();
                  reader.ReadVec2("m_UVTopLeft", uv.m_UVTopLeft.x, uv.m_UVTopLeft.y);
                  reader.ReadToken();
                  return uv;
              });
    ReadTable("Dimensions.json", "dimensions", m_Dimensions,
              [](TextSerializer& reader)
              {
                  SpriteSize size;
                  reader.ReadUnsignedPair(std::string(), size.Width, size.Height);
                  return size;
              });
    ReadTable("ZOrders.json", "Z_Order_Map", m_ZOrders,
              [](TextSerializer& reader)
              {
                  reader.ReadToken();
                  return TextSerializer::StringToInt(reader.CurrentToken);
              });
    ReadTable("CustomShapes.json", "CustomShapeMap", m_CustomShapes,
              [](TextSerializer& reader)
              {
                  std::string value;
                  reader.ReadString(std::string(), value);
                  return value;
              });
    // "MaxZ" draws in the topmost layer, the one of "Char_0".
    m_ZOrders["MaxZ"] = m_ZOrders["Char_0"];
}

const UVRect& ResourceManager::GetUV(const std::string& name)
{
    return m_UVMap[name];
}

const SpriteSize& ResourceManager::GetDimensions(const std::string& name)
{
    return m_Dimensions[name];
}

int ResourceManager::GetZOrder(const std::string& layerName)
{
    return m_ZOrders[layerName];
}

const std::string& ResourceManager::GetCustomShape(const std::string& name)
{
    return m_CustomShapes[name];
}

std::vector<std::string> ResourceManager::ListFilesInFolder(const std::string& folder, const std::string& ext) const
{
    return ListFilesSorted(folder, ext);
}

} // namespace Framework
