#include "physics/Physics.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "engine/WindowSystem.h"
#include "graphics/Camera.h"
#include "physics/Body.h"
#include "physics/Collision.h"
#include "physics/ContactRecord.h"
#include "platform/Log.h"

#include <algorithm>
#include <cmath>

namespace Framework
{

namespace
{
// The longest sub-step: 1/60 s as a float.
constexpr float kMaxStep = 1.0f / 60.0f;
// Bodies this far beyond the visible area on every side still take part.
constexpr float kActiveMargin = 150.0f;
// A hero sunk this deep or less is left in the ground, lifted by a millionth only.
constexpr float kRestingDepth = 0.1f;
constexpr float kRestingLift = -0.000001f;

Transform* TransformOf(const Body* body)
{
    return body != nullptr && body->Owner != nullptr ? body->Owner->GetTransform() : nullptr;
}

// Logs once per object type that the body's polygon is left out of every pair test.
void ReportUnusablePolygon(const Body* body)
{
    std::string type = body->Owner != nullptr ? body->Owner->Name : std::string();
    LogOnce("object type \"" + type +
            "\": its collision polygon has fewer than three vertices or two equal consecutive vertices; "
            "it takes part in no contact");
}
} // namespace

Physics::Physics(Core* core) : m_Core(core) {}

// Bodies still listed belong to live objects, which the Factory deletes after this system.
Physics::~Physics() = default;

void Physics::Update(float dt)
{
    m_SavedBodies = m_Bodies;
    m_Updating = true;
    m_Bodies = CollectActiveBodies();
    while (dt > 0.0f)
    {
        float h = dt >= kMaxStep ? kMaxStep : dt;
        for (Body* body : m_Bodies)
        {
            body->Integrate(h);
            body->UpdatePolygon();
        }
        m_Contacts.clear();
        DetectContacts();
        ResolveContacts();
        PublishContacts();
        dt -= h;
    }
    m_Contacts.clear();
    m_Updating = false;
    m_Bodies = std::move(m_SavedBodies);
    m_SavedBodies.clear();
}

std::vector<Body*> Physics::CollectActiveBodies()
{
    Vec2 centre = CAMERA.ScreenCentre();
    float width = 1280.0f;
    float height = 720.0f;
    if (m_Core != nullptr && m_Core->m_Windows != nullptr)
    {
        width = static_cast<float>(m_Core->m_Windows->Width);
        height = static_cast<float>(m_Core->m_Windows->Height);
    }
    float halfWidth = width * 0.5f + kActiveMargin;
    float halfHeight = height * 0.5f + kActiveMargin;

    std::vector<Body*> active;
    active.reserve(m_Bodies.size());
    int heroesOutside = 0;
    for (Body* body : m_Bodies)
    {
        const Transform* t = TransformOf(body);
        if (t == nullptr)
        {
            continue;
        }
        float x = t->Position.x;
        float y = t->Position.y;
        if (x > centre.x - halfWidth && x < centre.x + halfWidth && y > centre.y - halfHeight &&
            y < centre.y + halfHeight)
        {
            active.push_back(body);
            continue;
        }
        if (body->Owner->Name == "Kibbet")
        {
            ++heroesOutside;
        }
    }
    // Reported, not acted on: the game flow reads it after the step and decides what a hero out there means.
    m_HeroesLeftRegion += heroesOutside;
    return active;
}

void Physics::DetectContacts()
{
    size_t n = m_Bodies.size();
    if (n == 0)
    {
        return;
    }
    const std::set<GameObjectComposition*>* marked = nullptr;
    if (m_Core != nullptr && m_Core->m_Factory != nullptr)
    {
        marked = &m_Core->m_Factory->PendingDestruction;
    }
    // Looked up once per body rather than once per pair. A polygon the test cannot handle (too few
    // vertices, a zero-length edge) sits out every pair.
    std::vector<char> pending(n);
    std::vector<char> usable(n);
    for (size_t i = 0; i < n; ++i)
    {
        // A body about to be destroyed, or one made not solid, sits out every pair like the unusable ones.
        const bool leaving = marked != nullptr && !marked->empty() && marked->count(m_Bodies[i]->Owner) != 0;
        pending[i] = leaving || !m_Bodies[i]->m_Solid ? 1 : 0;
        usable[i] = IsUsablePolygon(m_Bodies[i]->m_Polygon.m_Vertices) ? 1 : 0;
        if (usable[i] == 0)
        {
            ReportUnusablePolygon(m_Bodies[i]);
        }
    }
    for (size_t i = 0; i + 1 < n; ++i)
    {
        Body* a = m_Bodies[i];
        for (size_t j = i + 1; j < n; ++j)
        {
            Body* b = m_Bodies[j];
            if (a->m_IsStatic && b->m_IsStatic)
            {
                continue;
            }
            if (pending[i] != 0 || pending[j] != 0)
            {
                continue;
            }
            if (usable[i] == 0 || usable[j] == 0)
            {
                continue;
            }
            ContactRecord record;
            if (PolygonsOverlap(a->m_Polygon.m_Vertices, b->m_Polygon.m_Vertices, record))
            {
                record.m_BodyA = a;
                record.m_BodyB = b;
                m_Contacts.push_back(record);
            }
        }
    }
}

void Physics::ResolveContacts()
{
    for (ContactRecord& record : m_Contacts)
    {
        Body* a = record.m_BodyA;
        Body* b = record.m_BodyB;
        if (!a->m_IsStatic && !b->m_IsStatic)
        {
            continue; // two dynamic bodies are never pushed apart
        }
        Transform* tA = TransformOf(a);
        Transform* tB = TransformOf(b);
        if (!IsHeroContact(record))
        {
            continue;
        }
        // The separation is measured for B. When the dynamic body is A (created before the static one)
        // it is turned round, so the fall stop, the correction and the receivers all see it for the
        // dynamic body, and a hero created before the ground still lands.
        Body* moving = b;
        Transform* tMoving = tB;
        Transform* tFixed = tA;
        if (!a->m_IsStatic)
        {
            record.m_Separation.x = -record.m_Separation.x;
            record.m_Separation.y = -record.m_Separation.y;
            moving = a;
            tMoving = tA;
            tFixed = tB;
        }
        Vec3& s = record.m_Separation;
        if ((a->m_Velocity.y < 0.0f || b->m_Velocity.y < 0.0f) && (s.y < 0.0f || (s.x == 0.0f && s.y == 0.0f)))
        {
            a->m_Velocity.y = 0.0f;
            b->m_Velocity.y = 0.0f;
            // A hero sunk this little is left where it stands, so it keeps touching (and landing) every
            // sub-step instead of bouncing off the ground.
            if (std::fabs(s.y) <= kRestingDepth)
            {
                s.y = kRestingLift;
            }
        }
        if (!moving->m_IsStatic && tMoving != nullptr && tFixed != nullptr)
        {
            tMoving->Position.x -= s.x;
            tMoving->Position.y -= s.y;
            // The hero standing on a tilted static body takes its rotation.
            tMoving->Rotation = tFixed->Rotation;
        }
    }
}

void Physics::PublishContacts()
{
    // Index loop: a receiver may destroy a body at once, which clears its records (DestroyComponent).
    for (size_t i = 0; i < m_Contacts.size(); ++i)
    {
        ContactMessage message(m_Contacts[i]);
        if (m_Contacts[i].m_BodyA == nullptr || m_Contacts[i].m_BodyB == nullptr)
        {
            continue;
        }
        if (GameObjectComposition* owner = m_Contacts[i].m_BodyA->Owner)
        {
            owner->SendMessage(&message);
        }
        if (m_Contacts[i].m_BodyB == nullptr)
        {
            continue;
        }
        if (GameObjectComposition* owner = m_Contacts[i].m_BodyB->Owner)
        {
            owner->SendMessage(&message);
        }
        if (m_Core != nullptr)
        {
            m_Core->BroadcastMessage(&message);
        }
    }
}

int Physics::TakeHeroesLeftRegion()
{
    int count = m_HeroesLeftRegion;
    m_HeroesLeftRegion = 0;
    return count;
}

IComponent* Physics::CreateComponent(int key)
{
    (void)key;
    auto* body = new Body();
    body->System = this;
    // During an update the active list is a temporary; the new body joins the list that is restored,
    // and takes part from the next frame.
    (m_Updating ? m_SavedBodies : m_Bodies).push_back(body);
    return body;
}

IComponent* Physics::CreatePrototypeComponent(int key)
{
    (void)key;
    auto* body = new Body();
    body->System = this;
    return body;
}

void Physics::DestroyComponent(IComponent* component)
{
    if (component == nullptr)
    {
        return;
    }
    std::erase(m_Bodies, component);
    if (m_Updating)
    {
        std::erase(m_SavedBodies, component);
        for (ContactRecord& record : m_Contacts)
        {
            if (record.m_BodyA == component || record.m_BodyB == component)
            {
                record.m_BodyA = nullptr;
                record.m_BodyB = nullptr;
            }
        }
    }
    delete component;
}

} // namespace Framework
