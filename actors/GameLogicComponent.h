#pragma once

#include "actors/Behaviour.h"
#include "data/IComponent.h"

#include <memory>

namespace Framework
{

class KnockbackBehaviour;

// The behaviour of an actor (enemy, trap, moving hazard): one Behaviour of the kind its data names, which the
// GameLogic system runs each frame while the object is near the view. Made by the GameLogic system, which keeps
// the live ones. An object with one needs a Transform and a Body; behaviours that change animation need a Graphics.
//
// Data block: "m_Controller" (an empty block), then "m_Behavior", a block of "static_cast<int>(m_Behavior)",
// "static_cast<int>(m_Action)", "m_RangeOfAction", "m_RangeOfHoming", "m_Speed", "m_HomingSpeed",
// "m_InitialVelocity", the path: "m_PathVector", a list of vector blocks, or "stupidVector" holding
// one zero vector when the path is empty, then "m_LeapHeight", "m_LeapLength", "m_Period", "m_Delay" and
// "m_ReturnTime" (the timings of the marsh kinds). Values are read by position; names are not compared.
class GameLogicComponent : public IComponent
{
public:
    GameLogicComponent();
    ~GameLogicComponent() override;

    // Attaches the behaviour to the owner, whose position becomes its home.
    void Initialize() override;
    // A new component registered with the same GameLogic system, holding a copy of the behaviour in its state.
    IComponent* Clone() const override;
    // Lists the values the behaviour is built from (they keep their values where a truncated file ends).
    void DescribeFields(FieldList& fields) override;
    // Reads the block's values and builds a fresh behaviour of the kind they name.
    void Serialize(TextSerializer& reader, const std::string& blockName) override;
    static constexpr const char* TypeName = "GameLogic";
    std::string GetName() const override { return TypeName; }

    // Replaces the behaviour with a fresh one built from the values, attached to the owner.
    void Build(const BehaviourParams& params);
    // One frame of the behaviour, or of the knock-back that runs instead of it.
    void Update(float dt, const BehaviourContext& context);
    // The rolling hero hit the actor: unless it is tumbling already or shrugs hits off, it tumbles for a while.
    void Hit(const BehaviourContext& context);
    // The hero died and comes back to a checkpoint: kinds with a cycle of their own start it again.
    void HeroRespawned();
    // A reverse volume touched the actor.
    void Reverse(std::uintptr_t volume) { m_Behaviour->Reverse(volume); }
    // The behaviour number and action the state dump shows (the knock-back's number while it runs).
    int Kind() const;
    int Action() const;
    // The actor's own behaviour if it is of the given class (also while it tumbles), else null.
    template <class Kind> Kind* As() const { return dynamic_cast<Kind*>(m_Behaviour.get()); }

private:
    BehaviourParams m_Params;
    std::unique_ptr<Behaviour> m_Behaviour;
    std::unique_ptr<KnockbackBehaviour> m_Knockback;
};

} // namespace Framework
