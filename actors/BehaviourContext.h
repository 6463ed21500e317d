#pragma once

namespace Framework
{

class GameObjectComposition;

// What a behaviour may ask of the game flow. The flow implements it; behaviours never reach the flow another way.
class IBehaviourEvents
{
public:
    virtual ~IBehaviourEvents() = default;

    // The boss has noticed the hero: the player loses control until the introduction ends.
    virtual void BossIntroductionStarted() = 0;
    // The boss's introduction is over: the player steers again, and until the boss is beaten a death
    // respawns the hero without the camera pan (the arena's view must not move).
    virtual void BossIntroductionEnded() = 0;
    // The boss is beaten and the arena open: a death respawns the hero with the camera pan again.
    virtual void BossDefeated() = 0;
    // A hit the hero cannot win (the king wasp): the hero bounces away from the object.
    virtual void HeroBounced(GameObjectComposition* from) = 0;
};

// What every behaviour sees of the world around it this frame; built by the game logic before it runs them.
struct BehaviourContext
{
    // The hero object ("Kibbet"), or null when the level has none.
    GameObjectComposition* Hero = nullptr;
    // The hero hides in a hiding place this frame: enemies do not notice it.
    bool HeroHidden = false;
    // Never null while behaviours run.
    IBehaviourEvents* Events = nullptr;
};

} // namespace Framework
