#pragma once

#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "gameflow/GameLogic.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace Framework
{

// The folder of the repository (for test data and the real Resources).
inline std::string SourcePath(const std::string& relative)
{
    return std::string(KIBBET_SOURCE_DIR) + "/" + relative;
}

// A window whose focus a test sets; it follows full-screen and minimise calls.
class FakeWindow : public IWindow
{
public:
    bool Exists() const override { return true; }
    void Show() override {}
    std::vector<WindowEvent> Pump() override { return {}; }
    bool HasFocus() const override { return Focus; }
    void* NativeHandle() const override { return nullptr; }
    void ClientSize(int& width, int& height) const override
    {
        width = Fullscreen ? 1920 : 1280;
        height = Fullscreen ? 1200 : 720;
    }
    void SetFullscreen(bool fullscreen) override { Fullscreen = fullscreen; }
    void Minimize() override { Minimized = true; }
    void Restore() override { Minimized = false; }
    void SetClientSize(int, int) override {}

    bool Focus = true;
    bool Fullscreen = false;
    bool Minimized = false;
};

// Runs a shell command (stderr dropped unless the command redirects it); the exit status and the standard output.
struct RunResult
{
    int Status = -1;
    std::string Output;
};
inline RunResult RunCommand(const std::string& command)
{
    RunResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe != nullptr)
    {
        std::array<char, 4096> buffer{};
        for (size_t n = 0; (n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        {
            result.Output.append(buffer.data(), n);
        }
        int status = pclose(pipe);
        result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return result;
}

// Runs the game binary with the arguments (stderr dropped).
inline RunResult RunGame(const std::string& args)
{
    return RunCommand(std::string(KIBBET_BINARY) + " " + args + " 2>/dev/null");
}

// Builds all eight systems over a resource folder, headless or with a real window and OpenGL device, and runs
// every Initialize and Load pass and starts the level as the first frame does, or only the Factory's Initialize so
// object types exist.
inline void StartEngine(Core& core, const std::string& resourceDir, const std::string& level, bool headless,
                        bool runPasses)
{
    Options options;
    options.Headless = headless;
    options.Windowed = !headless;
    options.ResourceDir = resourceDir;
    options.Level = level;
    CORE = &core;
    BuildSystems(core, options, std::string());
    if (!runPasses)
    {
        core.Systems.front()->Initialize();
        return;
    }
    for (auto& system : core.Systems)
    {
        system->Initialize();
    }
    for (auto& system : core.Systems)
    {
        system->Load();
    }
    // The end of the first frame, where a level named by --level starts.
    core.m_GameLogic->m_LevelManager.UpdateLevel(0.0f);
}

// A headless engine over a resource folder of tests/data.
class EngineTest : public ::testing::Test
{
protected:
    void Start(const std::string& resourceDir, const std::string& level = std::string(), bool runPasses = false)
    {
        StartEngine(core, resourceDir, level, true, runPasses);
    }
    void TearDown() override { core.DestroySystems(); }

    Core core;
};

} // namespace Framework
