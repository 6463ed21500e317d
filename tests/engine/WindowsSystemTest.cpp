#include "engine/WindowsSystem.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "platform/Window.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

using namespace Framework;

namespace
{
// Remembers every broadcast it receives.
class ProbeSystem : public ISystem
{
public:
    void Update(float dt) override { (void)dt; }
    void SendMessage(IMessage* message) override
    {
        Ids.push_back(message->MessageId);
        if (auto* drop = dynamic_cast<FileDrop*>(message))
        {
            Drops.push_back(drop->FileName);
        }
        if (auto* key = dynamic_cast<MessageCharacterKey*>(message))
        {
            Characters.push_back(key->Character);
        }
    }
    std::string GetName() const override { return "Probe"; }
    Core* GetCore() const override { return nullptr; }

    std::vector<int> Ids;
    std::vector<std::string> Drops;
    std::vector<uint32_t> Characters;
};

// A real SDL window (offscreen driver) under a window system, with a headless Graphics to resize.
class WindowsSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto window = CreateSdlWindow("A Kibbet", 1280, 720, "no-such-icon.ico");
        if (!window->Exists())
        {
            GTEST_SKIP() << "SDL could not open a window with this video driver";
        }
        auto windows = std::make_unique<WindowsSystem>(&core, "A Kibbet", std::move(window));
        auto graphics = std::make_unique<Graphics>(&core);
        auto ownedProbe = std::make_unique<ProbeSystem>();
        core.m_Windows = windows.get();
        core.m_Graphics = graphics.get();
        probe = ownedProbe.get();
        core.AddSystem(std::move(windows));
        core.AddSystem(std::move(graphics));
        core.AddSystem(std::move(ownedProbe));
        core.m_Graphics->Initialize();
        core.m_Windows->Initialize();
        core.m_Windows->Update(0);
        probe->Ids.clear();
    }
    void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }
    void PushType(Uint32 type)
    {
        SDL_Event event{};
        event.type = type;
        Push(event);
    }
    void DropFile(const std::string& path)
    {
        SDL_Event event{};
        event.type = SDL_DROPFILE;
        event.drop.file = SDL_strdup(path.c_str());
        Push(event);
    }

    Core core;
    ProbeSystem* probe = nullptr;
};
} // namespace

TEST_F(WindowsSystemTest, TextMouseAndDropsBecomeMessages)
{
    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "hi\xC3\xA9");
    Push(text);
    PushType(SDL_MOUSEMOTION);
    PushType(SDL_DROPBEGIN);
    DropFile("/levels/first.json");
    DropFile("/levels/second.json");
    PushType(SDL_DROPCOMPLETE);
    core.m_Windows->Update(0);
    EXPECT_EQ(probe->Characters, (std::vector<uint32_t>{'h', 'i', 0xE9})) << "one message per character";
    EXPECT_EQ(probe->Drops, (std::vector<std::string>{"/levels/first.json"})) << "the first file of a drop only";
    DropFile("/" + std::string(600, 'a'));
    core.m_Windows->Update(0);
    ASSERT_EQ(probe->Drops.size(), 2u);
    EXPECT_EQ(probe->Drops[1].size(), 511u) << "a long path is cut to the game's buffer";
    EXPECT_EQ(std::count(probe->Ids.begin(), probe->Ids.end(), MouseMove), 1);
    EXPECT_FALSE(core.Quit);
}

TEST_F(WindowsSystemTest, AltF4AndTheCloseButtonQuit)
{
    SDL_Event f4{};
    f4.type = SDL_KEYDOWN;
    f4.key.keysym.scancode = SDL_SCANCODE_F4;
    Push(f4);
    core.m_Windows->Update(0);
    EXPECT_FALSE(core.Quit) << "F4 alone does nothing";
    f4.key.keysym.mod = KMOD_LALT;
    Push(f4);
    core.m_Windows->Update(0);
    EXPECT_TRUE(core.Quit);

    core.Quit = false;
    PushType(SDL_QUIT);
    core.m_Windows->Update(0);
    EXPECT_TRUE(core.Quit);
}

TEST_F(WindowsSystemTest, SizeChangesResizeTheBackBufferOnlyInAWindow)
{
    ASSERT_FALSE(core.m_Graphics->m_Fullscreen);
    SDL_Event size{};
    size.type = SDL_WINDOWEVENT;
    size.window.event = SDL_WINDOWEVENT_SIZE_CHANGED;
    size.window.data1 = 800;
    size.window.data2 = 600;
    Push(size);
    core.m_Windows->Update(0);
    EXPECT_EQ(core.m_Graphics->m_BackBufferWidth, 800u);
    EXPECT_EQ(core.m_Graphics->m_BackBufferHeight, 600u);
    core.m_Graphics->ToggleFullscreen();
    size.window.data1 = 640;
    Push(size);
    core.m_Windows->Update(0);
    EXPECT_EQ(core.m_Graphics->m_BackBufferWidth, 1280u) << "full screen keeps the resolution";
}
