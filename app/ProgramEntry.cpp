#include "app/ProgramEntry.h"

#include "app/FrameSampler.h"
#include "app/LevelWatcher.h"
#include "app/StateDump.h"
#include "audio/Audio.h"
#include "data/Factory.h"
#include "engine/Core.h"
#include "engine/Paths.h"
#include "engine/WindowSystem.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/ParticleSpawners.h"
#include "graphics/ResourceManager.h"
#include "input/Input.h"
#include "physics/Physics.h"
#include "platform/Clock.h"
#include "platform/InputRecording.h"
#include "platform/Log.h"
#include "platform/RenderDevice.h"
#include "platform/SdlKeySource.h"
#include "platform/SoundDevice.h"
#include "platform/UserFolders.h"
#include "platform/Window.h"
#include "ui/Level_Menu.h"
#include "ui/PlayerSettings.h"

#include <cstdlib>
#include <ctime>
#include <iostream>

namespace Framework
{

namespace
{
// The data folder: the one named by --resources, else the Resources folder beside the program or above it.
void UseResourceRoot(const Options& options, const std::string& executablePath)
{
    std::string root = options.ResourceDir;
    if (root.empty())
    {
        root = FindResourceRootNear(executablePath);
        if (root.empty())
        {
            root = "Resources";
            Log("no Resources folder found beside the program; using ./Resources");
        }
    }
    SetResourceRoot(root);
}

// The player's saved options. Test runs (headless or fixed-step) neither read nor write them, so they never
// depend on what a player chose, unless --profile names a folder for them.
PlayerSettings LoadPlayerSettings(const Options& options)
{
    PlayerSettings settings;
    UseSettingsFile("");
    std::string configFolder = options.Headless || options.FixedStep ? std::string() : ConfigFolder("kibbet");
    if (!options.Profile.empty())
    {
        configFolder = options.Profile;
    }
    if (!configFolder.empty())
    {
        UseSettingsFile(configFolder + "/settings");
        settings = ReadSettingsFile(SettingsFilePath());
        SetCurrentSettings(settings);
    }
    return settings;
}

// Input comes from a replay file, the devices, or (headless) nowhere; a recording wraps whichever it is.
std::unique_ptr<IKeySource> MakeKeySource(const Options& options, IWindow* window)
{
    std::unique_ptr<IKeySource> keys;
    if (!options.Replay.empty())
    {
        keys = std::make_unique<ReplayKeySource>(options.Replay);
    }
    else if (!options.Headless)
    {
        keys = CreateSdlKeySource(window);
    }
    else
    {
        keys = std::make_unique<ScriptedKeySource>();
    }
    if (!options.Record.empty())
    {
        keys = std::make_unique<RecordingKeySource>(std::move(keys), options.Record);
    }
    return keys;
}
} // namespace

void BuildSystems(Core& core, const Options& options, const std::string& executablePath)
{
    UseResourceRoot(options, executablePath);
    PlayerSettings settings = LoadPlayerSettings(options);
    // --size gives this run's window its size; the settings read above keep theirs.
    const unsigned width = options.Width != 0 ? options.Width : settings.Width;
    const unsigned height = options.Height != 0 ? options.Height : settings.Height;

    // Creation order differs from registration order: the resource tables and the window must
    // exist before any system is initialised.
    auto resources = std::make_unique<ResourceManager>(&core);
    std::unique_ptr<IWindow> window =
        options.Headless ? CreateHeadlessWindow()
                         : CreateSdlWindow("A Kibbet", static_cast<int>(width), static_cast<int>(height),
                                           ResourcePath("Textures/Icon.ico"));
    IWindow* windowView = window.get();
    auto windows = std::make_unique<WindowSystem>(&core, "A Kibbet", std::move(window));
    std::unique_ptr<IRenderDevice> device;
    if (!options.Headless)
    {
        device = CreateGlRenderDevice(windowView->NativeHandle());
    }
    auto graphics =
        std::make_unique<Graphics>(&core, windowView, std::move(device), options.Windowed || !settings.Fullscreen);
    graphics->m_ResolutionWidth = width;
    graphics->m_ResolutionHeight = height;
    // Headless runs never open the sound card; a game without one runs silently as well.
    auto audio = std::make_unique<Audio>(&core, options.Headless ? CreateSilentSoundDevice() : CreateSdlSoundDevice());
    if (!SettingsFilePath().empty())
    {
        audio->SetMasterVolume(static_cast<float>(settings.SoundLevel) / 10.0f);
        audio->UnmuteVolume = static_cast<float>(settings.UnmuteLevel) / 10.0f;
    }
    auto physics = std::make_unique<Physics>(&core);
    auto gameLogic = std::make_unique<GameLogic>(&core);
    auto factory = std::make_unique<Factory>(&core);
    // The camera lets go of a target whose object is destroyed.
    factory->ObjectDestroyed = [](const GameObjectComposition* object)
    {
        if (CAMERA.m_Target == object)
        {
            CAMERA.m_Target = nullptr;
        }
    };

    auto input = std::make_unique<Input>(&core, MakeKeySource(options, windowView));
    // Without a settings file (a test run) the defaults hold, so every record file plays as it was made.
    input->SetBindings(settings.Controls);

    core.m_ResourceManager = resources.get();
    core.m_Windows = windows.get();
    core.m_Graphics = graphics.get();
    core.m_Audio = audio.get();
    core.m_Physics = physics.get();
    core.m_GameLogic = gameLogic.get();
    core.m_Factory = factory.get();
    core.m_Input = input.get();
    gameLogic->SetStartLevel(options.Level);
    // Progress lives beside the player's other data; test runs keep none unless --profile names a folder.
    std::string dataFolder = options.Headless || options.FixedStep ? std::string() : DataFolder("kibbet");
    gameLogic->Progress().UseFolder(options.Profile.empty() ? dataFolder : options.Profile);
    // The menu level is made here, before any level starts, so --level can start it too.
    gameLogic->m_LevelManager.AddLevel("Level_00_Menu", std::make_unique<Level_Menu>());

    core.AddSystem(std::move(factory));
    core.AddSystem(std::move(windows));
    core.AddSystem(std::move(graphics));
    core.AddSystem(std::move(audio));
    core.AddSystem(std::move(physics));
    core.AddSystem(std::move(gameLogic));
    core.AddSystem(std::move(resources));
    core.AddSystem(std::move(input));
}

int ProgramEntry(Core& core, const Options& options, const std::string& executablePath)
{
    std::srand(options.Seed ? *options.Seed : static_cast<unsigned>(std::time(nullptr)));
    RegisterParticleKinds();
    BuildSystems(core, options, executablePath);
    if (options.DumpEvery != 0 || options.ScreenshotEvery != 0)
    {
        core.Systems.insert(core.Systems.begin(),
                            std::make_unique<FrameSampler>(&core, std::cout, options.DumpEvery, options.ScreenshotEvery,
                                                           options.Screenshot));
    }
    if (options.Watch)
    {
        core.AddSystem(std::make_unique<LevelWatcher>(&core));
    }

    RealClock realClock;
    FixedStepClock fixedClock;
    core.SetClock(options.FixedStep ? static_cast<IClock*>(&fixedClock) : &realClock);
    core.SetFrameLimit(options.Frames);

    for (auto& system : core.Systems)
    {
        system->Initialize();
    }
    for (auto& system : core.Systems)
    {
        system->Load();
    }
    core.GameLoop();

    if (!options.Screenshot.empty() && core.m_Graphics != nullptr)
    {
        core.m_Graphics->SaveScreenshot(options.Screenshot);
    }
    if (options.DumpState)
    {
        DumpState(core, std::cout);
        std::cout.flush();
    }
    core.DestroySystems();
    core.SetClock(nullptr);
    ResetProcessState();
    return 0;
}

} // namespace Framework
