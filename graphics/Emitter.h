#pragma once

#include "data/IComponent.h"
#include "graphics/Particle.h"

#include <string>
#include <vector>

namespace Framework
{

// Short particle effects of an object: a list of particle types, each a kind of ParticleSpawners with a
// sprite. Gameplay code sets a type's origin and mirror flag and asks for a burst; the Graphics system
// moves and draws every particle of every registered emitter. Clones are registered with Graphics.
class Emitter : public IComponent
{
public:
    // A registered copy (when a Graphics system exists) with the same types and their live particles.
    IComponent* Clone() const override;
    // Empties every particle list and hands a registered emitter back to Graphics, which deletes it.
    void Destroy() override;
    // Reads the "m_ParticleTypes" list of unnamed blocks (kind name and sprite), replacing the types.
    void Serialize(TextSerializer& reader, const std::string& blockName) override;
    // The "m_ParticleTypes" list of unnamed blocks (kind name and sprite).
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "Emitter";

    std::string GetName() const override { return TypeName; }

    // Live particles of all types.
    size_t ParticleCount() const;

    std::vector<ParticleType> m_ParticleTypes;
};

// The first type of the emitter with this kind name, or null (logged once per object type and name).
ParticleType* FindParticleType(Emitter& emitter, const std::string& name);
// Appends one burst of the type's kind at its origin; a kind missing from ParticleSpawners adds nothing.
void EmitBurst(ParticleType& type);
// Moves, limits and ages every particle of the type by dt seconds and drops those whose life ran out or
// that fell below their floor.
void UpdateParticles(ParticleType& type, float dt);

} // namespace Framework
