#include "app/LevelWatcher.h"

#include "data/DataTree.h"
#include "data/LevelFiles.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "gameflow/GameLogic.h"
#include "platform/Log.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace Framework
{

LevelWatcher::Stamp LevelWatcher::StampOf(const std::string& path)
{
    Stamp stamp;
    std::error_code ec;
    auto time = std::filesystem::last_write_time(path, ec);
    if (ec)
    {
        return stamp;
    }
    uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec)
    {
        return stamp;
    }
    stamp.Exists = true;
    stamp.Time = static_cast<int64_t>(time.time_since_epoch().count());
    stamp.Size = size;
    return stamp;
}

std::string LevelWatcher::LevelFileProblem(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        return path + ": error: cannot be opened";
    }
    if (IsMapFile(path))
    {
        // A map is read whole by its own reader; the first problem it names is enough to hold the reload.
        LevelFileRead read = ReadLevelFile(path, ResourcePath("Data/Objects"));
        if (read.Ok)
        {
            return {};
        }
        return read.Problems.empty() ? path + ": error: cannot be read" : DescribeProblem(path, read.Problems.front());
    }
    std::ostringstream text;
    text << in.rdbuf();
    // The game's own reader goes on by position whatever it meets; the checker's strict one says where it
    // would go wrong.
    DataTree tree = DataTree::Parse(text.str());
    if (!tree.Error.empty())
    {
        return path + ":" + std::to_string(tree.ErrorAt.Line) + ":" + std::to_string(tree.ErrorAt.Column) +
               ": error: " + tree.Error;
    }
    const DataNode* objects = tree.Root.Find("Objects");
    if (objects == nullptr || objects->Type != DataNode::Kind::List)
    {
        return path + ": error: no \"Objects\" list";
    }
    return {};
}

void LevelWatcher::LateUpdate(float dt)
{
    GameLogic* logic = m_Core != nullptr ? m_Core->m_GameLogic : nullptr;
    if (logic == nullptr || logic->m_LevelManager.m_CurrentLevel == nullptr)
    {
        return;
    }
    const std::string& file = logic->m_LevelManager.CurrentLevelFile();
    if (file != m_File)
    {
        // Another level started in this frame: its file is taken as read now, so a save in the first moments
        // of the level is not missed.
        m_File = file;
        m_Read = m_Seen = StampOf(file);
        m_SinceCheck = 0.0f;
        return;
    }
    m_SinceCheck += dt;
    if (m_SinceCheck < kCheckInterval)
    {
        return;
    }
    m_SinceCheck = 0.0f;
    Stamp now = StampOf(file);
    bool settled = now == m_Seen;
    m_Seen = now;
    if (now == m_Read || !settled)
    {
        return;
    }
    m_Read = now;
    std::string problem = now.Exists ? LevelFileProblem(file) : file + ": error: not found";
    if (!problem.empty())
    {
        Log(problem + " (not reloaded: the level goes on as it was)");
        return;
    }
    Log("reloading " + file);
    logic->ReloadLevel();
}

} // namespace Framework
