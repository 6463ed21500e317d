#pragma once

#include "engine/ISystem.h"

namespace Framework
{

// Plays the sound effects and the streamed music.
class Audio : public ISystem
{
public:
    explicit Audio(Core* core) : m_Core(core) {}

    void Update(float dt) override { (void)dt; }
    std::string GetName() const override { return "Audio"; }
    Core* GetCore() const override { return m_Core; }

private:
    Core* m_Core;
};

} // namespace Framework
