#pragma once

#include "data/DataTree.h"

#include <string>
#include <vector>

namespace Framework
{

// One object of a level as plain values: its key, its object type and the component blocks it overrides, in
// the order the level reader takes them (each block a DataNode named after its component).
struct LevelDocumentEntry
{
    std::string Key;
    std::string TypeName;
    std::vector<DataNode> Blocks;
    // Where the entry came from, for messages: the map object's id and the line of its file (0 when unknown).
    int SourceId = 0;
    int SourceLine = 0;

    // The block with the name, or null.
    const DataNode* FindBlock(const std::string& name) const;
};

// What a level file says, whichever format it was written in; a text level and a map convert through this.
struct LevelDocument
{
    std::string TrackName = "_";
    double CameraLockX = 0.0;
    double CameraLockY = 0.0;
    double ObjectCount = 0.0;
    std::vector<LevelDocumentEntry> Entries;
};

// Reads a text level strictly (the grammar the game's writer produces); false with a message on a fault.
bool ParseLevelText(const std::string& text, LevelDocument& out, std::string& error);
// Writes the document in the text format, laid out as the game's writer lays it out.
std::string WriteLevelText(const LevelDocument& document);
// Writes the line range each entry takes in WriteLevelText's output: first lines, 1-based, in entry order.
std::vector<int> EntryFirstLines(const LevelDocument& document);
// Writes one value of the text format (a block, list, string, number or boolean) at the given depth.
std::string WriteDataValue(const DataNode& node, int depth);
// A number as the text format writes it: integral values without a fraction, others in the shortest form that
// reads back to the same double.
std::string FormatNumber(double value);

} // namespace Framework
