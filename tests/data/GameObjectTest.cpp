#include "data/GameObjectComposition.h"
#include "data/IComponent.h"
#include "data/TextSerializer.h"
#include "data/Transform.h"
#include "engine/ISystem.h"

#include <gtest/gtest.h>

using namespace Framework;

namespace
{
std::vector<std::string> g_Events;

class ProbeComponent : public IComponent
{
public:
    explicit ProbeComponent(std::string name) : m_Name(std::move(name)) {}
    ~ProbeComponent() override { g_Events.push_back("delete " + m_Name); }
    void Initialize() override { g_Events.push_back("init " + m_Name); }
    IComponent* Clone() const override
    {
        auto* copy =
            System != nullptr ? static_cast<ProbeComponent*>(System->CreateComponent(0)) : new ProbeComponent(m_Name);
        copy->m_Value = m_Value;
        return copy;
    }
    void Destroy() override
    {
        g_Events.push_back("destroy " + m_Name);
        IComponent::Destroy();
    }
    void Serialize(TextSerializer&, const std::string&) override {}
    void Write(TextWriter&, const std::string&) const override {}
    std::string GetName() const override { return m_Name; }

    std::string m_Name;
    int m_Value = 0;
};

class ProbeSystem : public ISystem
{
public:
    void Update(float) override {}
    IComponent* CreateComponent(int) override
    {
        auto* component = new ProbeComponent("Body");
        component->System = this;
        m_Live.push_back(component);
        return component;
    }
    void DestroyComponent(IComponent* component) override
    {
        std::erase(m_Live, component);
        delete component;
    }
    std::string GetName() const override { return "Probe"; }
    Core* GetCore() const override { return nullptr; }

    std::vector<IComponent*> m_Live;
};
} // namespace

TEST(GameObject, ClonesInitialiseInTypeNameOrderWithConsecutiveIds)
{
    ProbeSystem system;
    {
        GameObjectComposition type("");
        auto* body = new ProbeComponent("Body");
        body->System = &system;
        body->m_Value = 7;
        type.AddComponent("Body", body);
        type.AddComponent("Graphics", new ProbeComponent("Graphics"));
        type.AddComponent("GameLogic", new ProbeComponent("GameLogic"));

        g_Events.clear();
        ObjectIdCounter = 10;
        GameObjectComposition a(GameObjectComposition::CloneTag{}, type);
        EXPECT_EQ(g_Events, (std::vector<std::string>{"init Body", "init GameLogic", "init Graphics"}));
        GameObjectComposition b(GameObjectComposition::CloneTag{}, type);
        EXPECT_EQ(a.ObjectId, 11u);
        EXPECT_EQ(b.ObjectId, 12u);
        EXPECT_EQ(system.m_Live.size(), 2u) << "system-made kinds are live at once";
        EXPECT_EQ(static_cast<ProbeComponent*>(a.GetComponent("Body"))->m_Value, 7);
        EXPECT_EQ(a.GetComponent("Body")->Owner, &a);
        EXPECT_EQ(a.GetComponent("NoSuch"), nullptr);

        g_Events.clear();
        a.DestroyComponents();
        EXPECT_EQ(g_Events, (std::vector<std::string>{"destroy Body", "delete Body", "destroy GameLogic",
                                                      "delete GameLogic", "destroy Graphics", "delete Graphics"}));
        EXPECT_EQ(system.m_Live.size(), 1u);
        EXPECT_TRUE(a.Components.empty());
        b.DestroyComponents();
        g_Events.clear();
    }
    // Object types are deleted directly: their system-made components were never live.
    EXPECT_EQ(g_Events.size(), 3u);
    EXPECT_TRUE(system.m_Live.empty());
}
