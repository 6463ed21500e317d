#include "actors/EnemyBehaviours.h"

#include "audio/Audio.h"
#include "physics/Body.h"

namespace Framework
{

void UpdatePorcupine(Controller& controller)
{
    Body* body = ActorBody(controller);
    if (body == nullptr)
    {
        return;
    }
    // The porcupine's pictures face left: "default" walks left and "Left" is the mirrored walk right.
    if (!HeroNearHome(controller))
    {
        controller.m_BristleArmed = true;
        body->m_Velocity.x = controller.m_MoveVelocity.x;
        SelectAnimation(ActorObject(controller), controller.m_MoveVelocity.x < 0.0f ? "default" : "Left");
        return;
    }
    body->m_Velocity.x = 0.0f;
    if (controller.m_BristleArmed)
    {
        PlaySoundOnce("SFX_Porcupine");
        controller.m_BristleArmed = false;
    }
    SelectAnimation(ActorObject(controller), controller.m_MoveVelocity.x >= 0.0f ? "Left_Idle" : "Idle");
}

} // namespace Framework
