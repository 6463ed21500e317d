#pragma once

#include "engine/Core.h"
#include "engine/Options.h"
#include "engine/Paths.h"
#include "engine/ProgramEntry.h"

#include <gtest/gtest.h>

#include <string>

namespace Framework
{

// The folder of the repository (for test data and the real Resources).
inline std::string SourcePath(const std::string& relative)
{
    return std::string(KIBBET_SOURCE_DIR) + "/" + relative;
}

// A headless engine with all eight systems over a resource folder of tests/data.
class EngineTest : public ::testing::Test
{
protected:
    // Builds the systems; runs the Factory's Initialize so object types exist. With a level name the
    // game logic's passes start that level.
    void Start(const std::string& resourceDir, const std::string& level = std::string(), bool runPasses = false)
    {
        Options options;
        options.Headless = true;
        options.ResourceDir = resourceDir;
        options.Level = level;
        CORE = &core;
        BuildSystems(core, options, std::string());
        if (runPasses)
        {
            for (auto& system : core.Systems)
            {
                system->Initialize();
            }
            for (auto& system : core.Systems)
            {
                system->Load();
            }
        }
        else
        {
            core.Systems.front()->Initialize();
        }
    }

    void TearDown() override
    {
        core.DestroySystems();
        CORE = nullptr;
        SetResourceRoot("Resources");
    }

    Core core;
};

} // namespace Framework
