#include "physics/Physics.h"

#include "physics/Body.h"

#include <algorithm>

namespace Framework
{

Physics::Physics(Core* core) : m_Core(core) {}

// Bodies still listed belong to live objects, which the Factory deletes after this system.
Physics::~Physics() = default;

void Physics::Update(float dt)
{
    (void)dt;
}

IComponent* Physics::CreateComponent(int key)
{
    (void)key;
    auto* body = new Body();
    body->System = this;
    m_Bodies.push_back(body);
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
    delete component;
}

} // namespace Framework
