#include "actors/Behaviour.h"

namespace Framework
{

// Every behaviour kind the data can name, one line each: X(number in the data, Name). The kind's file
// defines Make<Name>Behaviour, which builds its class from the GameLogic block's values.
#define KIBBET_BEHAVIOUR_KINDS(X)                                                                                      \
    X(0, Still)                                                                                                        \
    X(1, MoveHorizontal)                                                                                               \
    X(2, MoveVertical)                                                                                                 \
    X(3, Wasp)                                                                                                         \
    X(4, Trap)                                                                                                         \
    X(5, Porcupine)                                                                                                    \
    X(6, BearOrCub)                                                                                                    \
    X(7, PathWasp)                                                                                                     \
    X(9, Hopper)                                                                                                       \
    X(10, Diver)                                                                                                       \
    X(11, Crumble)

#define KIBBET_DECLARE_BEHAVIOUR_FACTORY(Number, Name)                                                                 \
    std::unique_ptr<Behaviour> Make##Name##Behaviour(const BehaviourParams& params);
KIBBET_BEHAVIOUR_KINDS(KIBBET_DECLARE_BEHAVIOUR_FACTORY)
#undef KIBBET_DECLARE_BEHAVIOUR_FACTORY

namespace
{
struct BehaviourKindEntry
{
    int Number;
    std::unique_ptr<Behaviour> (*Make)(const BehaviourParams&);
};

#define KIBBET_BEHAVIOUR_ENTRY(Number, Name) BehaviourKindEntry{Number, &Make##Name##Behaviour},
constexpr BehaviourKindEntry BehaviourKinds[] = {KIBBET_BEHAVIOUR_KINDS(KIBBET_BEHAVIOUR_ENTRY)};
#undef KIBBET_BEHAVIOUR_ENTRY

// A number no kind has: the actor stands as it is, and the dump shows what the data said.
class InertBehaviour final : public Behaviour
{
public:
    explicit InertBehaviour(const BehaviourParams& params) : Behaviour(params), m_Action(params.Action) {}
    void Update(float, const BehaviourContext&) override {}
    std::unique_ptr<Behaviour> Clone() const override { return CloneAs<InertBehaviour>(); }
    int Action() const override { return m_Action; }

private:
    int m_Action;
};
} // namespace

std::unique_ptr<Behaviour> MakeBehaviour(const BehaviourParams& params)
{
    for (const BehaviourKindEntry& entry : BehaviourKinds)
    {
        if (entry.Number == params.Kind)
        {
            return entry.Make(params);
        }
    }
    return std::make_unique<InertBehaviour>(params);
}

} // namespace Framework
