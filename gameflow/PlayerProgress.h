#pragma once

#include <map>
#include <string>
#include <vector>

namespace Framework
{

// What the player achieved in one level: whether it was ever finished, the best time and the most pollen.
struct LevelRecord
{
    bool Finished = false;
    // Milliseconds of game time of the fastest finish; meaningful only once finished.
    int BestMs = 0;
    int MostPollen = 0;
    // The level's pollen when the record was made, so the level list can say "of how many".
    int PollenTotal = 0;
};

// The player's saved progress: the levels reached and each level's record, kept in one small text file in a
// folder (the user's data folder, or the one --profile names), and each level's best run as a ghost file
// beside it. Without a folder nothing is read or written and nothing is reached.
class PlayerProgress
{
public:
    // Reads the progress kept in this folder from now on; an empty folder keeps none. A file that cannot be read
    // is renamed aside with a log line naming both files, and the player starts with no progress.
    void UseFolder(const std::string& folder);
    // Whether a folder keeps the progress.
    bool Active() const { return !m_Folder.empty(); }
    // The progress file, or empty without a folder.
    std::string FilePath() const;
    // The ghost file of a level, or empty without a folder.
    std::string GhostPath(const std::string& level) const;

    // Notes a level as reached and saves when it is new.
    void Reach(const std::string& level);
    // Notes a finish and saves; returns true when it is the level's first finish or beats its best time.
    bool Finish(const std::string& level, int milliseconds, int pollen, int pollenTotal);
    // The levels reached, in play order (their names sort in the order the game plays them).
    const std::vector<std::string>& Reached() const { return m_Reached; }
    // The levels finished at least once, in play order.
    std::vector<std::string> Finished() const;
    // The level's record, or null when it has none.
    const LevelRecord* Find(const std::string& level) const;
    // Writes the file through a temporary one and a rename; false (and a log line) on failure.
    bool Save() const;

private:
    // Reads the file of the folder; false when it exists but cannot be read.
    bool Load(const std::string& path);
    // Renames an unreadable file to the first free "<file>.broken-N" and says so.
    static void KeepAside(const std::string& path, const std::string& reason);

    std::string m_Folder;
    std::vector<std::string> m_Reached;
    std::map<std::string, LevelRecord> m_Records;
};

// Writes text to a file through "<file>.new" and a rename, creating the folder, so a crash or a full disk never
// leaves half a file in its place; false (and a log line naming the file) on failure.
bool ReplaceFile(const std::string& path, const std::string& text);

} // namespace Framework
