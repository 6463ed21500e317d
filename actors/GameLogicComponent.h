#pragma once

#include "actors/Controller.h"
#include "data/RawBlockComponent.h"

namespace Framework
{

// The behaviour of an object; created by the GameLogic system, which runs its live components.
class GameLogicComponent : public RawBlockComponent
{
public:
    IComponent* Clone() const override
    {
        auto* copy =
            System != nullptr ? static_cast<GameLogicComponent*>(System->CreateComponent(0)) : new GameLogicComponent();
        copy->m_Tokens = m_Tokens;
        copy->m_Controller = m_Controller;
        copy->m_Controller.m_Component = copy;
        return copy;
    }
    std::string GetName() const override { return "GameLogic"; }

    Controller m_Controller;
};

} // namespace Framework
