#pragma once

#include "data/DataTree.h"
#include "data/TiledMap.h"

#include <string>
#include <vector>

// The pieces of the level-to-map mapping that both directions share: property paths into component blocks, the
// vertex lists and the place of a map object in the world.
namespace Framework::MapFields
{

// The writer names an empty path list by this placeholder; maps use the list's own name.
inline constexpr const char* kEmptyListName = "stupidVector";
inline constexpr const char* kPathListName = "m_PathVector";
// Which vertex list an object's own polygon (or rectangle) sets: the first of these its type has.
inline const char* const kPolygonLists[] = {"CustomShape.m_VertexesOffset", "Body.m_Polygon.m_Offsets"};
// Which vertex list an object's own polyline sets.
inline constexpr const char* kPolylineList = "GameLogic.m_Behavior.m_PathVector";
// A property "Transform" set to false: the entry has no Transform block and keeps its type's placement.
inline constexpr const char* kTransformFlag = "Transform";
// The one string field the level reader reads across spaces (a text shown on screen).
inline constexpr const char* kJoinedTextField = "m_CurrentString";

// A field's name in maps: the writer's placeholder for an empty list is called by the list's own name.
std::string FieldName(const DataNode& node);
// A number node's value.
double NumberOf(const DataNode& node);
// The node a property path names ("Body.m_Polygon.m_Offsets", "Emitter.m_ParticleTypes[1].m_Sprite") within the
// block named by its first part, or null.
DataNode* Resolve(DataNode& block, const std::string& path);
// Whether the object type (its "Object" block) has the field the path names.
bool HasPath(const DataNode* typeRoot, const std::string& path);
// A number field of the text format.
DataNode Number(const std::string& name, double value);
// A block of two numbers "x", "y".
DataNode Pair(const std::string& name, double x, double y);
// A list of "Vertex" blocks with z = 0, from world offsets.
DataNode VertexListNode(const std::string& name, const std::vector<MapPoint>& offsets);
// True when the whole text is a number.
bool IsNumberText(const std::string& text);
// Sets a field from a property, checking the property's type against the field's kind; an empty string on success,
// else what is wrong.
std::string SetField(DataNode& field, const MapProperty& property);
// True when the text can stand as one quoted token of the level text: no white space, quote, bracket, colon or
// comma.
bool IsPlainWord(const std::string& text);
// The map object with the id, or null.
const MapObject* FindObjectById(const TiledMap& map, int id);
// Whether the object is a drawn shape (a polygon, a polyline or a rectangle with a size).
bool IsDrawnShape(const MapObject& shape);
// The world offsets (y up) of a shape drawn anywhere, relative to the owner's place.
std::vector<MapPoint> OffsetsFrom(const MapObject& shape, const MapObject& owner);
// The object's place in the world; a tile object is anchored at its lower left corner and the sprite is centred
// on the object's position.
MapPoint WorldPlace(const MapObject& object);

} // namespace Framework::MapFields
