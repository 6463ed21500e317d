#pragma once

#include "app/Options.h"
#include "app/ProgramEntry.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "gameflow/GameLogic.h"
#include "input/Input.h"
#include "platform/KeySource.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <set>
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

// The keys and controller a test holds, read by the engine's Input system through its own sampling, so the rules of
// the real devices hold: a key not down at the previous sample reads as just pressed, then as held, and nothing
// changes while the window has no focus or input is ignored.
class TestKeys
{
public:
    // Puts a scripted source in place of the Input system's own; the Input system starts over with nothing tracked.
    void Attach(Core& core)
    {
        auto source = std::make_unique<ScriptedKeySource>();
        m_Source = source.get();
        for (auto& system : core.Systems)
        {
            if (system.get() == core.m_Input)
            {
                auto input = std::make_unique<Input>(&core, std::move(source));
                core.m_Input = input.get();
                system = std::move(input);
                break;
            }
        }
        m_Core = &core;
    }
    // From the next sample on exactly these keys are down (the Input system samples at the end of every Step). Each
    // counts as asked about already, so a test need not wait for the game's first query of it.
    void Hold(const std::set<int>& keys)
    {
        m_Source->Down = keys;
        for (int key : keys)
        {
            m_Core->m_Input->m_Keyboard.try_emplace(key, 0);
        }
    }
    // Holds the keys and samples them at once, as the Input system's update at the end of the previous frame
    // would: the systems of the next Step read them. That Step samples again at its end, so its level manager
    // already reads a key pressed this way as held; a test of a level's own key handling uses Hold.
    void HoldForNextFrame(const std::set<int>& keys)
    {
        Hold(keys);
        m_Core->m_Input->Update(0.0f);
    }
    // The scripted source itself, for the controller and the window focus.
    ScriptedKeySource& Source() { return *m_Source; }

private:
    Core* m_Core = nullptr;
    ScriptedKeySource* m_Source = nullptr;
};

// Builds all eight systems over a resource folder, headless or with a real window and OpenGL device, with the keys
// a test holds in place of the devices, and runs every Initialize and Load pass and starts the level as the first
// frame does, or only the Factory's Initialize so object types exist.
inline void StartEngine(Core& core, const std::string& resourceDir, const std::string& level, bool headless,
                        bool runPasses, TestKeys* keys = nullptr, unsigned width = 0, unsigned height = 0)
{
    Options options;
    options.Headless = headless;
    options.Windowed = !headless;
    options.Width = width;
    options.Height = height;
    options.ResourceDir = resourceDir;
    options.Level = level;
    CORE = &core;
    BuildSystems(core, options, std::string());
    if (keys != nullptr)
    {
        keys->Attach(core);
    }
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

// A headless engine over a resource folder of tests/data, with keys the test holds.
class EngineTest : public ::testing::Test
{
protected:
    void Start(const std::string& resourceDir, const std::string& level = std::string(), bool runPasses = false)
    {
        StartEngine(core, resourceDir, level, true, runPasses, &m_Keys);
    }
    void TearDown() override { core.DestroySystems(); }

    Core core;
    TestKeys m_Keys;
};

} // namespace Framework
