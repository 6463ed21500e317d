#pragma once

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "engine/Message.h"
#include "gameflow/GameLogic.h"
#include "graphics/Camera.h"
#include "physics/Body.h"
#include "physics/ContactRecord.h"
#include "physics/Physics.h"

#include <gtest/gtest.h>

namespace Framework
{

// What receivers saw, in delivery order: "component <object>" or "system <name>", and the records.
struct ContactLog
{
    std::vector<std::string> Deliveries;
    std::vector<ContactRecord> Records;
};

// A component that writes every contact it receives into the log.
class ContactProbe : public IComponent
{
public:
    explicit ContactProbe(ContactLog* log) : m_Log(log) {}
    IComponent* Clone() const override { return new ContactProbe(m_Log); }
    void Destroy() override {}
    void SendMessage(IMessage* message) override
    {
        if (message->MessageId == Contact)
        {
            m_Log->Deliveries.push_back("component " + Owner->Key);
            m_Log->Records.push_back(static_cast<ContactMessage*>(message)->Record);
        }
    }
    void Serialize(TextSerializer&, const std::string&) override {}
    void Write(TextWriter&, const std::string&) const override {}
    std::string GetName() const override { return "Probe"; }

private:
    ContactLog* m_Log;
};

// A system that writes every contact broadcast into the log.
class ProbeSystem : public ISystem
{
public:
    ProbeSystem(Core* core, std::string name, ContactLog* log) : m_Core(core), m_Name(std::move(name)), m_Log(log) {}
    void Update(float) override {}
    void SendMessage(IMessage* message) override
    {
        if (message->MessageId == Contact)
        {
            m_Log->Deliveries.push_back("system " + m_Name);
        }
    }
    std::string GetName() const override { return m_Name; }
    Core* GetCore() const override { return m_Core; }

private:
    Core* m_Core;
    std::string m_Name;
    ContactLog* m_Log;
};

// A core with the Factory, a probe system, Physics, the game logic and a second probe, in that
// order, and objects built by hand: each holds a Body made by the Physics system and a contact probe.
class PhysicsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CORE = &core;
        auto factory = std::make_unique<Factory>(&core);
        auto physics = std::make_unique<Physics>(&core);
        auto logic = std::make_unique<GameLogic>(&core);
        core.m_Factory = factory.get();
        core.m_Physics = physics.get();
        core.m_GameLogic = logic.get();
        core.AddSystem(std::move(factory));
        core.AddSystem(std::make_unique<ProbeSystem>(&core, "First", &log));
        core.AddSystem(std::move(physics));
        core.AddSystem(std::move(logic));
        core.AddSystem(std::make_unique<ProbeSystem>(&core, "Last", &log));
        // The view centre at the origin.
        CenterViewOn(0.0f, 0.0f);
    }

    void TearDown() override
    {
        for (auto& object : m_Objects)
        {
            object->DestroyComponents();
        }
        m_Objects.clear();
        core.DestroySystems();
    }

    Physics& physics() { return *core.m_Physics; }

    static void CenterViewOn(float x, float y)
    {
        CAMERA.m_ViewOffset = {CAMERA.m_HalfClient.x - x, CAMERA.m_HalfClient.y - y};
    }

    // A live object named name (its key too) at (x, y) with a body of that mass and outline.
    GameObjectComposition* MakeObject(const std::string& name, float x, float y, float mass,
                                      const std::vector<Vec3>& outline)
    {
        auto object = std::make_unique<GameObjectComposition>(name);
        object->Key = name;
        object->GetTransform()->Position = {x, y};
        auto* body = static_cast<Body*>(physics().CreateComponent(0));
        body->m_Mass = mass;
        body->m_Polygon.m_Offsets = outline;
        object->AddComponent("Body", body);
        object->AddComponent("Probe", new ContactProbe(&log));
        object->InitializeComponents();
        body->UpdatePolygon();
        m_Objects.push_back(std::move(object));
        return m_Objects.back().get();
    }

    // A box from (x0, y0) to (x1, y1) in local space, counter-clockwise.
    static std::vector<Vec3> Box(float x0, float y0, float x1, float y1)
    {
        return {{x0, y0, 0.0f}, {x1, y0, 0.0f}, {x1, y1, 0.0f}, {x0, y1, 0.0f}};
    }

    static Body* BodyOf(GameObjectComposition* object) { return object->GetBody(); }
    static Transform* At(GameObjectComposition* object) { return object->GetTransform(); }

    // Runs one collision stage over the current positions, as the update does after integrating; the
    // polygons are recomputed first unless told otherwise.
    void CollideOnce(bool refreshPolygons = true)
    {
        for (Body* body : physics().m_Bodies)
        {
            if (refreshPolygons)
            {
                body->UpdatePolygon();
            }
        }
        physics().m_Contacts.clear();
        physics().DetectContacts();
        physics().ResolveContacts();
        physics().PublishContacts();
    }

    // Number of contacts the log has seen published (one per record).
    size_t Published() const { return log.Records.size() / 2; }

    Core core;
    ContactLog log;
    std::vector<std::unique_ptr<GameObjectComposition>> m_Objects;
};

} // namespace Framework
