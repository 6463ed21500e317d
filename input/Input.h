#pragma once

#include "engine/ISystem.h"

namespace Framework
{

// Samples the keyboard and the controller once per frame behind a set of action queries.
class Input : public ISystem
{
public:
    explicit Input(Core* core) : m_Core(core) {}

    void Update(float dt) override { (void)dt; }
    std::string GetName() const override { return "Input"; }
    Core* GetCore() const override { return m_Core; }

private:
    Core* m_Core;
};

} // namespace Framework
