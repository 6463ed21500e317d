#pragma once

#include "data/IComponent.h"
#include "platform/Vector.h"

#include <string>
#include <vector>

namespace Framework
{

// A filled polygon (a piece of ground) with a texture tiled across it. Its name selects, through the
// custom-shape and layer tables, the layer it is drawn in and so its texture. Object types hold
// unregistered shapes; every clone is registered with Graphics, which draws it and deletes it on Destroy.
class CustomShape : public IComponent
{
public:
    // Gives the owner's sprite the shape's size (for culling and picking) and sets the half sizes.
    void Initialize() override;
    // A registered copy in the same layer (when a Graphics system exists).
    IComponent* Clone() const override;
    // A registered shape leaves its layer's list and is deleted; an unregistered one is left to its owner.
    void Destroy() override;
    // Reads name, scale factor, outline, width and height; a registered shape whose layer changes moves
    // to the new layer's list.
    void Serialize(TextSerializer& reader, const std::string& blockName) override;
    // Name, scale factor, outline, width and height.
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "CustomShape";

    std::string GetName() const override { return TypeName; }

    // The layer drawn in: the layer of the shape name's entry in the custom-shape table.
    int Layer() const { return m_Layer; }
    // Sets the layer of a shape not yet in any list (Graphics, when it creates one).
    void SetLayer(int layer) { m_Layer = layer; }

    // Outline in local coordinates; clockwise on screen (y up) to be visible.
    std::vector<Vec3> m_VertexesOffset;
    float m_HalfWidth = 0.0f;
    float m_HalfHeight = 0.0f;
    // The texture repeats every m_ScaleFactor world units.
    float m_ScaleFactor = 200.0f;
    std::string m_TextureName;
    unsigned m_Width = 0;
    unsigned m_Height = 0;

private:
    int m_Layer = 0;
};

} // namespace Framework
