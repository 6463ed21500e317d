#include "data/LevelDocument.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace Framework
{

namespace
{
constexpr const char* kIndentUnit = "    ";
// A block of at most this many plain values is written on one line, as positions and vertices are.
constexpr size_t kOneLineFields = 3;

std::string Indent(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
    {
        text += kIndentUnit;
    }
    return text;
}

bool IsOneLine(const DataNode& node)
{
    if (node.Type != DataNode::Kind::Block || node.Children.empty() || node.Children.size() > kOneLineFields)
    {
        return false;
    }
    for (const DataNode& child : node.Children)
    {
        if (child.IsContainer())
        {
            return false;
        }
    }
    return true;
}

std::string Quote(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string WriteNamed(const DataNode& node, int depth)
{
    return node.Name.empty() ? WriteDataValue(node, depth) : Quote(node.Name) + " : " + WriteDataValue(node, depth);
}

bool ReadHeader(const DataNode& root, LevelDocument& out, std::string& error)
{
    const DataNode* track = root.Find("TrackName");
    const DataNode* lock = root.Find("CameraLock");
    const DataNode* count = root.Find("ObjectCount");
    if (track == nullptr || lock == nullptr || count == nullptr || lock->Children.size() != 2)
    {
        error = "the level header needs \"TrackName\", \"CameraLock\" { x, y } and \"ObjectCount\"";
        return false;
    }
    out.TrackName = track->Text;
    out.CameraLockX = std::strtod(lock->Children[0].Text.c_str(), nullptr);
    out.CameraLockY = std::strtod(lock->Children[1].Text.c_str(), nullptr);
    out.ObjectCount = std::strtod(count->Text.c_str(), nullptr);
    return true;
}
} // namespace

const DataNode* LevelDocumentEntry::FindBlock(const std::string& name) const
{
    for (const DataNode& block : Blocks)
    {
        if (block.Name == name)
        {
            return &block;
        }
    }
    return nullptr;
}

std::string FormatNumber(double value)
{
    if (std::isfinite(value) && std::fabs(value) < 1e15 && value == std::trunc(value))
    {
        return std::to_string(static_cast<long long>(value));
    }
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string WriteDataValue(const DataNode& node, int depth)
{
    switch (node.Type)
    {
    case DataNode::Kind::String:
        return Quote(node.Text);
    case DataNode::Kind::Number:
    case DataNode::Kind::Bool:
        return node.Text;
    default:
        break;
    }
    const bool list = node.Type == DataNode::Kind::List;
    std::string text = list ? "[" : "{";
    if (IsOneLine(node))
    {
        for (size_t i = 0; i < node.Children.size(); ++i)
        {
            text += (i == 0 ? " " : " , ") + WriteNamed(node.Children[i], depth + 1);
        }
        return text + " }";
    }
    text += "\n";
    for (size_t i = 0; i < node.Children.size(); ++i)
    {
        text += Indent(depth + 1) + WriteNamed(node.Children[i], depth + 1);
        text += i + 1 < node.Children.size() ? " ,\n" : "\n";
    }
    return text + Indent(depth) + (list ? "]" : "}");
}

bool ParseLevelText(const std::string& text, LevelDocument& out, std::string& error)
{
    DataTree tree = DataTree::Parse(text);
    if (!tree.Error.empty())
    {
        error = "line " + std::to_string(tree.ErrorAt.Line) + ": " + tree.Error;
        return false;
    }
    if (!ReadHeader(tree.Root, out, error))
    {
        return false;
    }
    const DataNode* objects = tree.Root.Find("Objects");
    if (objects == nullptr || objects->Type != DataNode::Kind::List)
    {
        error = "the level has no \"Objects\" list";
        return false;
    }
    for (const DataNode& item : objects->Children)
    {
        if (item.Type != DataNode::Kind::Block || item.Children.empty() || item.Children[0].Name != "objType")
        {
            error = "line " + std::to_string(item.At.Line) + ": an object entry must begin with \"objType\"";
            return false;
        }
        LevelDocumentEntry entry;
        entry.Key = item.Name;
        entry.TypeName = item.Children[0].Text;
        entry.Blocks.assign(item.Children.begin() + 1, item.Children.end());
        entry.SourceLine = item.NameAt.Line;
        out.Entries.push_back(std::move(entry));
    }
    return true;
}

std::string WriteLevelText(const LevelDocument& document)
{
    std::ostringstream out;
    out << "{\n";
    out << Indent(1) << Quote("TrackName") << " : " << Quote(document.TrackName) << " ,\n";
    out << Indent(1) << Quote("CameraLock") << " : {\n";
    out << Indent(2) << Quote("x") << " : " << FormatNumber(document.CameraLockX) << " ,\n";
    out << Indent(2) << Quote("y") << " : " << FormatNumber(document.CameraLockY) << "\n";
    out << Indent(1) << "} ,\n";
    out << Indent(1) << Quote("ObjectCount") << " : " << FormatNumber(document.ObjectCount) << " ,\n";
    out << Indent(1) << Quote("Objects") << " : [\n";
    for (size_t i = 0; i < document.Entries.size(); ++i)
    {
        const LevelDocumentEntry& entry = document.Entries[i];
        out << Indent(2) << Quote(entry.Key) << " : {\n";
        out << Indent(3) << Quote("objType") << " : " << Quote(entry.TypeName);
        for (const DataNode& block : entry.Blocks)
        {
            out << " ,\n" << Indent(3) << WriteNamed(block, 3);
        }
        out << "\n" << Indent(2) << "}" << (i + 1 < document.Entries.size() ? " ,\n" : "\n");
    }
    out << Indent(1) << "]\n}\n";
    return out.str();
}

std::vector<int> EntryFirstLines(const LevelDocument& document)
{
    // The header takes eight lines before the first entry; each entry then takes its own lines.
    constexpr int kHeaderLines = 8;
    std::vector<int> lines;
    int line = kHeaderLines + 1;
    for (const LevelDocumentEntry& entry : document.Entries)
    {
        lines.push_back(line);
        LevelDocument single;
        single.Entries.push_back(entry);
        const std::string text = WriteLevelText(single);
        int count = 0;
        for (char c : text)
        {
            count += c == '\n' ? 1 : 0;
        }
        line += count - kHeaderLines - 2; // without the header and the two closing lines
    }
    return lines;
}

} // namespace Framework
