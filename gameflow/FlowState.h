#pragma once

#include "platform/Vector.h"

namespace Framework
{

class GameObjectComposition;

// What the game flow is doing. Exactly one holds at a time; GameLogic's transition methods move between them
// and decide with each move whether the player steers the hero.
//
//   Playing          --death, lives left-->     RespawnPan --view on the checkpoint--> Playing
//   Playing          --death, no life left-->   GameOver   --key after the gate-->     (the level restarts)
//   Playing          --game-complete volume-->  GameComplete --key after the gate-->   (the level restarts)
//   Playing          --second exit volume-->    LevelComplete --next update-->         Tally, or
//                                                                                      BossOutro in the boss level
//   Tally            --key after the gate-->                                           (the next level)
//   Playing          --the boss notices-->      BossIntroduction --it ends-->          Playing
//   BossOutro        --key at the arena's end-->                                       (the menu)
//
// A level start (any level, any way) begins in Playing with a new FlowRecord.
enum class FlowState
{
    Playing,
    // The view pans back to the checkpoint after a death; the hero cannot leave the active region meanwhile.
    RespawnPan,
    // The exit has been reached; the next update records the finish and shows the tally.
    LevelComplete,
    // The level's tally (time, best time, pollen, deaths) is up; a key after its gate starts the next level.
    Tally,
    // The game-over screen: the game is paused until a key after the gate restarts the level.
    GameOver,
    // The win screen; a key after the gate restarts the level.
    GameComplete,
    // The boss's introduction holds the player still.
    BossIntroduction,
    // The boss level's closing scene walks the hero to the end of the arena.
    BossOutro,
};

// A scripted walk: the hero walks right as if the player held right. Begun by the first volume of a pair and
// ended by the second, or by a death. Only while Playing or RespawnPan.
enum class ScriptedWalk
{
    None,
    LevelStart,
    MoveRight,
    Exit,
};

// The hero's knock-back: its horizontal velocity forced for a while, counted in unpaused game time.
struct Knockback
{
    bool Active = false;
    float Timer = 0.0f;
    float Velocity = 0.0f;
};

// Everything the flow knows about the current level; built anew at every level start.
struct FlowRecord
{
    FlowState State = FlowState::Playing;
    // The flow is the only writer: see GameLogic's transitions.
    bool PlayerControl = true;
    ScriptedWalk Walk = ScriptedWalk::None;
    // Volumes of each walk kind touched in this level: an odd one begins its walk, an even one ends it, so a
    // death between the two does not make the second begin a walk nothing ends.
    int LevelStartVolumes = 0;
    int MoveRightVolumes = 0;
    int ExitVolumes = 0;
    // Seconds the end screen or the tally has been up; a key dismisses it after the gate.
    float EndScreenTimer = 0.0f;
    // The last step of the respawn pan, and what the camera followed when the hero died (given back when a
    // respawn skips the pan).
    Vec3 PanStep;
    GameObjectComposition* CameraTargetAtDeath = nullptr;
    Knockback Bounce;
    // The closing scene has yet to make the cub dance.
    bool ChildBearPending = false;
};

} // namespace Framework
