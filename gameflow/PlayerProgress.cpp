#include "gameflow/PlayerProgress.h"

#include "platform/Log.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace Framework
{

namespace
{
constexpr const char* kMagic = "kibbet-progress";
constexpr int kVersion = 1;
// The last line: a file without it was cut short.
constexpr const char* kEnd = "end";

// Level names are file names without extension; anything else in the file is damage.
bool IsLevelName(const std::string& name)
{
    return !name.empty() && name.size() < 128 &&
           std::all_of(name.begin(), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; });
}

// The reason a line cannot be read, or empty when it was taken into the lists.
std::string ReadLine(const std::string& line, std::vector<std::string>& reached,
                     std::map<std::string, LevelRecord>& records)
{
    std::istringstream fields(line);
    std::string kind;
    std::string name;
    fields >> kind >> name;
    if (!IsLevelName(name))
    {
        return "a line without a level name";
    }
    if (kind == "reached")
    {
        reached.push_back(name);
    }
    else if (kind == "finished")
    {
        LevelRecord record;
        record.Finished = true;
        if (!(fields >> record.BestMs >> record.MostPollen >> record.PollenTotal) || record.BestMs < 0 ||
            record.MostPollen < 0 || record.PollenTotal < 0)
        {
            return "a finish without its time and pollen";
        }
        records[name] = record;
    }
    else
    {
        return "an unknown line \"" + kind + "\"";
    }
    std::string extra;
    return fields >> extra ? "more on a line than it holds" : "";
}
} // namespace

void PlayerProgress::UseFolder(const std::string& folder)
{
    m_Folder = folder;
    m_Reached.clear();
    m_Records.clear();
    if (!Active())
    {
        return;
    }
    std::string path = FilePath();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
    {
        return;
    }
    if (!Load(path))
    {
        m_Reached.clear();
        m_Records.clear();
    }
}

std::string PlayerProgress::FilePath() const
{
    return Active() ? m_Folder + "/progress" : std::string();
}

std::string PlayerProgress::GhostPath(const std::string& level) const
{
    return Active() ? m_Folder + "/ghosts/" + level + ".ghost" : std::string();
}

bool PlayerProgress::Load(const std::string& path)
{
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    std::istringstream header(line);
    std::string magic;
    int version = 0;
    if (!(header >> magic >> version) || magic != kMagic)
    {
        KeepAside(path, "it is no progress file");
        return false;
    }
    if (version != kVersion)
    {
        KeepAside(path, "it was written by version " + std::to_string(version) + " of the format");
        return false;
    }
    bool ended = false;
    while (std::getline(file, line))
    {
        if (line == kEnd)
        {
            ended = true;
            break;
        }
        if (std::string reason = ReadLine(line, m_Reached, m_Records); !reason.empty())
        {
            KeepAside(path, reason);
            return false;
        }
    }
    if (!ended)
    {
        KeepAside(path, "it was cut short");
        return false;
    }
    std::sort(m_Reached.begin(), m_Reached.end());
    m_Reached.erase(std::unique(m_Reached.begin(), m_Reached.end()), m_Reached.end());
    return true;
}

void PlayerProgress::KeepAside(const std::string& path, const std::string& reason)
{
    std::error_code ec;
    for (int n = 1; n < 1000; ++n)
    {
        std::string aside = path + ".broken-" + std::to_string(n);
        if (std::filesystem::exists(aside, ec))
        {
            continue;
        }
        std::filesystem::rename(path, aside, ec);
        if (ec)
        {
            break;
        }
        Log("progress: " + path + " cannot be read (" + reason + "); kept as " + aside + "; starting with no progress");
        return;
    }
    Log("progress: " + path + " cannot be read (" + reason + ") nor kept aside; starting with no progress");
}

void PlayerProgress::Reach(const std::string& level)
{
    if (!Active() || std::binary_search(m_Reached.begin(), m_Reached.end(), level))
    {
        return;
    }
    m_Reached.insert(std::upper_bound(m_Reached.begin(), m_Reached.end(), level), level);
    Save();
}

bool PlayerProgress::Finish(const std::string& level, int milliseconds, int pollen, int pollenTotal)
{
    if (!Active())
    {
        return false;
    }
    LevelRecord& record = m_Records[level];
    bool faster = !record.Finished || milliseconds < record.BestMs;
    if (faster)
    {
        record.BestMs = milliseconds;
    }
    record.Finished = true;
    record.MostPollen = std::max(record.MostPollen, pollen);
    record.PollenTotal = pollenTotal;
    if (!std::binary_search(m_Reached.begin(), m_Reached.end(), level))
    {
        m_Reached.insert(std::upper_bound(m_Reached.begin(), m_Reached.end(), level), level);
    }
    Save();
    return faster;
}

std::vector<std::string> PlayerProgress::Finished() const
{
    std::vector<std::string> names;
    for (const auto& [name, record] : m_Records)
    {
        if (record.Finished)
        {
            names.push_back(name);
        }
    }
    return names;
}

const LevelRecord* PlayerProgress::Find(const std::string& level) const
{
    auto found = m_Records.find(level);
    return found != m_Records.end() ? &found->second : nullptr;
}

bool PlayerProgress::Save() const
{
    if (!Active())
    {
        return false;
    }
    std::ostringstream text;
    text << kMagic << " " << kVersion << "\n";
    for (const std::string& name : m_Reached)
    {
        text << "reached " << name << "\n";
    }
    for (const auto& [name, record] : m_Records)
    {
        text << "finished " << name << " " << record.BestMs << " " << record.MostPollen << " " << record.PollenTotal
             << "\n";
    }
    text << kEnd << "\n";
    return ReplaceFile(FilePath(), text.str());
}

bool ReplaceFile(const std::string& path, const std::string& text)
{
    std::error_code ec;
    std::filesystem::path target(path);
    if (target.has_parent_path())
    {
        std::filesystem::create_directories(target.parent_path(), ec);
    }
    std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::trunc | std::ios::binary);
        file << text;
        file.flush();
        if (!file)
        {
            Log("cannot write " + temporary + "; " + path + " stays as it was");
            return false;
        }
    }
    // The rename replaces the old file in one step: a crash before it leaves the old file whole.
    std::filesystem::rename(temporary, target, ec);
    if (ec)
    {
        Log("cannot replace " + path + ": " + ec.message());
        return false;
    }
    return true;
}

} // namespace Framework
