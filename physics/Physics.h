#pragma once

#include "engine/ISystem.h"

#include <vector>

namespace Framework
{

class Body;

// Integrates the live bodies and delivers their contacts.
class Physics : public ISystem
{
public:
    explicit Physics(Core* core);
    ~Physics() override;

    void Update(float dt) override;
    IComponent* CreateComponent(int key) override;
    IComponent* CreatePrototypeComponent(int key) override;
    void DestroyComponent(IComponent* component) override;
    std::string GetName() const override { return "Physics"; }
    Core* GetCore() const override { return m_Core; }

    // Bodies created through CreateComponent, in creation order; not owned.
    std::vector<Body*> m_Bodies;

private:
    Core* m_Core;
};

} // namespace Framework
