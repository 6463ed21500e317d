#pragma once

#include "data/IComponent.h"
#include "graphics/ResourceTypes.h"

#include <string>

namespace Framework
{

// Scrolls the credits: the owner's sprite shows a window onto the tall "TeamCredits" picture, and each
// step slides that window down by 0.001 in texture coordinates, back to the top after the end. Only the
// texture coordinates change; the object stays where it is. It has no update of its own: the credits
// page calls AdvanceScroll every frame it is shown and switches m_Scroll on and off.
class ScrollComponent : public IComponent
{
public:
    // Shows the top of the picture and plays it as the owner's "Scroll" animation.
    void Initialize() override;
    IComponent* Clone() const override;
    void Destroy() override {}
    // Reads "m_Speed" and "m_Scroll", then takes the whole picture from the UV table's "TeamCredits" and
    // sizes the step and the window for its atlas.
    void Serialize(TextSerializer& reader, const std::string& blockName) override;
    // "m_Speed" and "m_Scroll".
    void DescribeFields(FieldList& fields) override;
    static constexpr const char* TypeName = "ScrollComponent";
    std::string GetName() const override { return TypeName; }

    // Puts the window back at the top of the picture.
    void ResetScroll();
    // Adds dt to the step timer and, once m_Speed has passed, takes one step: at most one per call.
    void AdvanceScroll(float dt);
    // The v of the window's top edge, 0..1 in the atlas.
    float ViewTop() const { return m_ViewRect.m_UVTopLeft.y; }

    // Size of one step, in texture coordinates of an atlas kReferenceHeight texels tall.
    static constexpr float kStep = 0.001f;
    // The window's height in the same coordinates when the dimension table gives no page height.
    static constexpr float kWindowHeight = 0.073f;
    // The atlas height the two sizes above are given for. Reading scales them to the atlas the credits
    // picture really sits in (its share of the atlas in the UV table over the roll's height in texels,
    // "TeamCredits_Roll" in the dimension table), so the credits scroll alike however the atlas is packed.
    static constexpr float kReferenceHeight = 4096.0f;

    bool m_Scroll = false;
    float m_Speed = 0.0f;
    float m_Step = kStep;
    float m_WindowHeight = kWindowHeight;
    float m_StepTimer = 0.0f;
    UVRect m_BaseRect;
    UVRect m_ViewRect;

private:
    // Copies the window into the owner's sprite and its "Scroll" frame, so a later animation step
    // cannot put an old window back.
    void ShowView();
};

} // namespace Framework
