#pragma once

#include "actors/Controller.h"
#include "data/IComponent.h"

namespace Framework
{

// The behaviour of an actor (enemy, trap, moving hazard): one Controller that the GameLogic system runs each
// frame while the object is near the view. Made by the GameLogic system, which keeps the live ones.
// An object with one needs a Transform and a Body; behaviours that change animation need a Graphics too.
//
// Data block: "m_Controller" (an empty block), then "m_Behavior", a block of "static_cast<int>(m_Behavior)",
// "static_cast<int>(m_Action)", "m_RangeOfAction", "m_RangeOfHoming", "m_Speed", "m_HomingSpeed",
// "m_InitialVelocity" and the path: "m_PathVector", a list of vector blocks, or "stupidVector" holding
// one zero vector when the path is empty. Values are read by position; names are not compared.
class GameLogicComponent : public IComponent
{
public:
    GameLogicComponent();

    // Takes the home position from the owner's Transform.
    void Initialize() override;
    // A new component registered with the same GameLogic system, holding a copy of the whole controller.
    IComponent* Clone() const override;
    void Serialize(TextSerializer& reader, const std::string& blockName) override;
    void Write(TextWriter& writer, const std::string& blockName) const override;
    static constexpr const char* TypeName = "GameLogic";
    std::string GetName() const override { return TypeName; }

    Controller m_Controller;
};

} // namespace Framework
