#include "check/DataChecker.h"

#include "data/LevelFiles.h"

#include <algorithm>
#include <cstdlib>

namespace Framework
{

namespace
{
// The entry whose text holds the line of the converted level, or null for the header's lines.
const LevelDocumentEntry* EntryAt(const LevelDocument& document, const std::vector<int>& entryLines, int line)
{
    auto after = std::upper_bound(entryLines.begin(), entryLines.end(), line);
    return after == entryLines.begin() ? nullptr
                                       : &document.Entries[static_cast<size_t>(after - entryLines.begin() - 1)];
}

std::string NameOf(const LevelDocumentEntry& entry)
{
    return "object " + std::to_string(entry.SourceId) + " \"" + entry.Key + "\"";
}

// A place in the converted text that a message names ("the first is at 17:9") is named by its map object.
void NameEarlierPlace(std::string& message, const LevelDocument& document, const std::vector<int>& entryLines)
{
    const std::string marker = "(the first is at ";
    const size_t at = message.find(marker);
    if (at == std::string::npos)
    {
        return;
    }
    const size_t end = message.find(')', at);
    const LevelDocumentEntry* entry = EntryAt(document, entryLines, std::atoi(message.c_str() + at + marker.size()));
    if (entry != nullptr && end != std::string::npos)
    {
        message.replace(at, end + 1 - at, "(the first is " + NameOf(*entry) + ")");
    }
}
} // namespace

void DataChecker::CheckMapLevel(const std::string& file, const std::string& levelName)
{
    const LevelFileRead level = ReadLevelFile(file, m_Root + "/Data/Objects");
    for (const MapProblem& problem : level.Problems)
    {
        const std::string object =
            problem.ObjectId != 0 || !problem.ObjectName.empty()
                ? "object " + std::to_string(problem.ObjectId) + " \"" + problem.ObjectName + "\" "
                : std::string();
        Report(file, {problem.Line, problem.Line > 0 ? 1 : 0}, Finding::Severity::Error, object + problem.Message);
    }
    if (!level.Ok)
    {
        return;
    }
    // The rules run over the level text the map converts to; each finding is then moved to the map object whose
    // entry holds the line it names.
    const DataTree tree = DataTree::Parse(level.Text);
    const size_t first = m_Findings.size();
    CheckLevelTree(file, tree, levelName);
    const std::vector<int> entryLines = EntryFirstLines(level.Document);
    for (size_t i = first; i < m_Findings.size(); ++i)
    {
        Finding& finding = m_Findings[i];
        NameEarlierPlace(finding.Message, level.Document, entryLines);
        const LevelDocumentEntry* entry = EntryAt(level.Document, entryLines, finding.At.Line);
        if (entry == nullptr)
        {
            finding.At = {};
            finding.Message = "map properties: " + finding.Message;
            continue;
        }
        finding.At = {entry->SourceLine, entry->SourceLine > 0 ? 1 : 0};
        finding.Message = NameOf(*entry) + ": " + finding.Message;
    }
}

} // namespace Framework
