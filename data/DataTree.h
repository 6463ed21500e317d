#pragma once

#include <string>
#include <vector>

namespace Framework
{

// A place in a data file; lines and columns count from 1, columns in bytes.
struct SourceLocation
{
    int Line = 0;
    int Column = 0;
};

// One value of a data file with where it stands: a field's value (Name set) or a bare list entry.
struct DataNode
{
    enum class Kind
    {
        Number,
        Bool,
        String,
        Block,
        List,
    };

    // The first child field of this block or list with the name, or null.
    const DataNode* Find(const std::string& name) const;
    // True for blocks and lists.
    bool IsContainer() const { return Type == Kind::Block || Type == Kind::List; }

    std::string Name;      // the field name without quotes; empty for a bare list entry
    SourceLocation NameAt; // where the name stands (the value's place for a bare entry)
    Kind Type = Kind::Number;
    std::string Text; // numbers and booleans as written, strings without their quotes
    SourceLocation At;
    std::vector<DataNode> Children;
};

// A data file read strictly by the grammar the game's writer produces, keeping every place. The game's own
// reader goes on by position whatever it meets; this one stops at the first token that does not fit and says
// why, so a level designer learns where the game would start reading the wrong tokens.
struct DataTree
{
    // Reads the text; on a fault Error holds the message and ErrorAt its place, and Root what came before.
    static DataTree Parse(const std::string& text);

    DataNode Root; // the file's outermost block
    std::string Error;
    SourceLocation ErrorAt;
    // Field names written without quotes: the tables' reader takes them as they stand, the Factory's does not.
    std::vector<SourceLocation> UnquotedNames;
};

// The name of a node's kind for messages ("a number", "a block", ...).
const char* DescribeKind(DataNode::Kind kind);

} // namespace Framework
