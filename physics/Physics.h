#pragma once

#include "engine/ISystem.h"
#include "physics/ContactRecord.h"

#include <vector>

namespace Framework
{

class Body;

// Moves every live body near the view in sub-steps of at most 1/60 s, then finds the overlapping
// pairs, pushes the hero out of static bodies and delivers every contact as a message.
class Physics : public ISystem
{
public:
    explicit Physics(Core* core);
    ~Physics() override;

    // Integrates the active bodies over dt in sub-steps; after each, detects, resolves and publishes.
    void Update(float dt) override;
    // A new body with default values, appended to m_Bodies; the key is ignored.
    IComponent* CreateComponent(int key) override;
    // A new body for an object type: it is never simulated.
    IComponent* CreatePrototypeComponent(int key) override;
    // Removes the body from every list and deletes it.
    void DestroyComponent(IComponent* component) override;
    std::string GetName() const override { return "Physics"; }
    Core* GetCore() const override { return m_Core; }

    // The bodies within half a screen plus 150 units of the view centre, in creation order; a hero outside
    // is counted as having left the region (TakeHeroesLeftRegion).
    std::vector<Body*> CollectActiveBodies();
    // How often a hero was found outside the simulated region since the last call, which starts the count
    // again; the game flow reads it after every step.
    int TakeHeroesLeftRegion();
    // Fills m_Contacts with one record per overlapping pair of m_Bodies, in creation order.
    void DetectContacts();
    // Stops the hero's fall on static bodies and moves it out of them.
    void ResolveContacts();
    // Sends one ContactMessage per record: to A's object, B's object, then every system.
    void PublishContacts();

    // Contacts of the current sub-step.
    std::vector<ContactRecord> m_Contacts;
    // Live bodies in creation order (only the active ones during Update); not owned.
    std::vector<Body*> m_Bodies;

private:
    Core* m_Core;
    // While Update runs: the full body list it restores at its end. Bodies created or destroyed by a
    // contact handler are added to or removed from it, so none is lost and none is left dangling.
    std::vector<Body*> m_SavedBodies;
    bool m_Updating = false;
    int m_HeroesLeftRegion = 0;
};

} // namespace Framework
