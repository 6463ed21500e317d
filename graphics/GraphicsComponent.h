#pragma once

#include "data/IComponent.h"
#include "graphics/Animation.h"
#include "graphics/Sprite.h"

#include <string>

namespace Framework
{

// Gives an object a picture: one sprite drawn in one layer and the animation that changes its frame.
// Made by the Graphics system, which keeps registered ones in per-layer lists and draws them.
class GraphicsComponent : public IComponent
{
public:
    GraphicsComponent();

    // A new registered component in the same layer with a copy of the sprite and animation.
    IComponent* Clone() const override;
    // Reads the sprite name, the animation and the layer name; a registered component whose layer
    // changes moves to the new layer's list.
    void Serialize(TextSerializer& reader, const std::string& blockName) override;
    // The sprite name, the animation and the layer name (written "m_zOrder").
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "Graphics";

    std::string GetName() const override { return TypeName; }

    Sprite m_Sprite;
    Animation m_Animation;
    int m_zOrder = 0;
    // How opaque the sprite is drawn, 0 to 1 (a ghost is drawn translucent); not read from data.
    float m_Alpha = 1.0f;
    std::string m_zOrderString;
};

} // namespace Framework
