#pragma once

#include "data/IComponent.h"
#include "platform/Vector.h"

#include <string>
#include <vector>

namespace Framework
{

// Keeps a pause-menu picture invisible (scaled to zero) until the pause menu shows it at a fixed offset
// from the centre of the view. In the menu level the pictures are never hidden.
class PauseComponent : public IComponent
{
public:
    // Remembers the owner's placement as it was created, then hides it unless in the menu level.
    void Initialize() override;
    IComponent* Clone() const override;
    void Destroy() override {}
    // "m_OffsetX" and "m_OffsetY".
    void DescribeFields(FieldList& fields) override;
    static constexpr const char* TypeName = "PauseComponent";
    std::string GetName() const override { return TypeName; }

    // Moves the owner to the view centre plus the offset at the scale it was created with.
    void ShowAtOffset();
    // Scales the owner to nothing, except in the menu level.
    void HideUnlessMenu();
    // Shows or hides the pictures with these keys; a key without a live object with this component is skipped.
    static void ShowAll(const std::vector<std::string>& keys, bool show);

    // The owner's Transform values at Initialize.
    struct TransformValues
    {
        Vec2 Position{0.0f, 0.0f};
        float Rotation = 0.0f;
        Vec2 Scale{1.0f, 1.0f};
    };
    TransformValues m_SavedTransform;
    float m_OffsetX = 0.0f;
    float m_OffsetY = 0.0f;
};

} // namespace Framework
