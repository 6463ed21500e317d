#pragma once

#include "data/IComponent.h"

#include <string>
#include <vector>

namespace Framework
{

class GameObjectComposition;

// Shows a line of text as glyph objects of the type "PrimaryFont" placed to the right of its owner, one per
// character, each playing the animation "Char_" followed by its character. Glyphs are made as needed and
// kept: a shorter text blanks the ones it no longer uses. No system owns fonts.
class FontComponent : public IComponent
{
public:
    // Lays out m_CurrentString; safe to call again (the glyphs are reused).
    void Initialize() override;
    // A copy with the same text and no glyphs of its own yet.
    IComponent* Clone() const override;
    // Marks every glyph object for destruction, so the glyphs disappear with the text.
    void Destroy() override;
    // "m_CurrentString", a text that may hold spaces.
    void DescribeFields(FieldList& fields) override;
    // The type name objects hold it under and data files call its blocks by.
    static constexpr const char* TypeName = "FontComponent";
    // The object type each character is drawn as.
    static constexpr const char* GlyphType = "PrimaryFont";

    std::string GetName() const override { return TypeName; }

    // Shows a new text from the owner's position at its scale; glyphs do not follow the owner afterwards.
    void SetText(const std::string& text);

    std::string m_CurrentString;
    // One glyph object per character position; grows as needed, never shrinks. Owned by the Factory.
    std::vector<GameObjectComposition*> m_Glyphs;
};

} // namespace Framework
