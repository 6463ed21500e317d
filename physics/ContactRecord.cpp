#include "physics/ContactRecord.h"

#include "data/GameObjectComposition.h"
#include "physics/Body.h"

namespace Framework
{

namespace
{
bool IsHero(const Body* body)
{
    return body != nullptr && body->Owner != nullptr && body->Owner->Name == "Kibbet";
}
} // namespace

bool IsHeroContact(const ContactRecord& record)
{
    return IsHero(record.m_BodyA) || IsHero(record.m_BodyB);
}

} // namespace Framework
