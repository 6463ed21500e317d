#pragma once

#include "data/IComponent.h"

#include <string>

namespace Framework
{

// Moves its owner by a fraction of the camera's movement so it looks far away: a factor of 1 keeps the
// object fixed on screen, 0 leaves it fixed in the world.
class Parallax : public IComponent
{
public:
    // Leaves the camera's parallax list.
    ~Parallax() override;
    // Joins the camera's parallax list once; only live objects are initialised, so object types never
    // move with the camera.
    void Initialize() override;
    IComponent* Clone() const override;
    // Leaves the camera's parallax list; the owner deletes the component.
    void Destroy() override;
    // "m_Parallax", "m_OffsetX" and "m_OffsetY".
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "Parallax";

    std::string GetName() const override { return TypeName; }

    bool m_Parallax = false;
    float m_OffsetX = 0.0f;
    float m_OffsetY = 0.0f;
};

} // namespace Framework
