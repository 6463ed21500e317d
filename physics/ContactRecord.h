#pragma once

#include "engine/Message.h"
#include "platform/Vector.h"

namespace Framework
{

class Body;

// One overlap of two bodies found in one physics sub-step; copied into every ContactMessage.
//
// Orientation: moving B by -m_Separation separates the polygons (moving A by +m_Separation does too), so
// a hero B standing on a static A gets a negative y. For a contact of the hero with a static body the
// separation is always given for the hero: when the hero's body is A (it was created before the static
// body) the physics reverses the separation before correcting and publishing, so a negative y still
// means "the hero rests on the static body" whatever the creation order.
struct ContactRecord
{
    Body* m_BodyA = nullptr; // the body created earlier
    Body* m_BodyB = nullptr; // the body created later
    Vec3 m_Separation;       // minimum translation; only x and y are meaningful
    float m_SeparationLengthSq = 0.0f;
};

// True when the object owning either body has the name "Kibbet" (the hero); exact comparison.
bool IsHeroContact(const ContactRecord& record);

// One contact found by the physics (id 2), sent to both objects' components and then to every system.
// It lives only while it is being delivered; a receiver that needs the record copies it.
class ContactMessage : public IMessage
{
public:
    explicit ContactMessage(const ContactRecord& record) : IMessage(Contact), Record(record) {}

    ContactRecord Record;
};

} // namespace Framework
