#include "graphics/FontComponent.h"

#include "data/Factory.h"
#include "data/FieldList.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"

#include <cctype>
#include <map>

namespace Framework
{

namespace
{
const std::string kBlankGlyph = "Char_Arrow_2";
const std::string kGlyphType = FontComponent::GlyphType;

enum class WidthClass
{
    Letter, // the width of "Char_D"
    Digit,  // the width of "Char_5"
};

// The animation that shows a character, and the width class it advances by.
std::string GlyphName(char c, WidthClass& width)
{
    if (c == ' ')
    {
        return kBlankGlyph; // a space keeps the class of the character before it
    }
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (c == '/' || c == '.' || c == '-')
    {
        width = WidthClass::Digit;
        return c == '/' ? "Char_Slash" : c == '.' ? "Char_Dot" : "Char_Dash";
    }
    if (c >= '0' && c <= '9')
    {
        width = WidthClass::Digit;
        return std::string("Char_") + c;
    }
    width = WidthClass::Letter;
    if (c == '!')
    {
        return "Char_Exclamation";
    }
    if ((c >= 'A' && c <= 'Z'))
    {
        return std::string("Char_") + c;
    }
    static const std::map<char, std::string> marks = {
        {':', "Char_Colon"},     {'?', "Char_?"},           {'.', "Char_Period"},       {',', "Char_Comma"},
        {'-', "Char_Minus"},     {'\'', "Char_Apostrophe"}, {'+', "Char_Plus"},         {'=', "Char_Equals"},
        {';', "Char_Semicolon"}, {'[', "Char_LeftBracket"}, {']', "Char_RightBracket"}, {'\\', "Char_Backslash"},
        {'`', "Char_Grave"},     {'_', "Char_Underscore"},  {'&', "Char_Ampersand"},
    };
    auto found = marks.find(c);
    // A character the font has no glyph for shows as a question mark rather than nothing.
    return found != marks.end() ? found->second : "Char_Question";
}

void ShowGlyph(GameObjectComposition* glyph, const std::string& name)
{
    if (GraphicsComponent* graphics = glyph->GetGraphics())
    {
        graphics->m_Animation.m_DefaultName = name;
        graphics->m_Animation.Play(name);
    }
}
} // namespace

void FontComponent::Initialize()
{
    SetText(m_CurrentString);
}

IComponent* FontComponent::Clone() const
{
    // The glyphs stay with the text that made them: two texts sharing glyph objects would overwrite each
    // other and the first one destroyed would take the other's glyphs with it.
    auto* copy = new FontComponent();
    copy->m_CurrentString = m_CurrentString;
    return copy;
}

void FontComponent::Destroy()
{
    Factory* factory = CORE != nullptr ? CORE->m_Factory : nullptr;
    if (factory != nullptr)
    {
        for (GameObjectComposition* glyph : m_Glyphs)
        {
            // Level teardown may have deleted the glyphs before their text; a freed address left marked
            // could destroy a later object that reuses it.
            if (factory->IsLive(glyph))
            {
                factory->DestroyObject(glyph);
            }
        }
    }
    m_Glyphs.clear();
}

void FontComponent::DescribeFields(FieldList& fields)
{
    fields.Text("m_CurrentString", m_CurrentString);
}

void FontComponent::SetText(const std::string& text)
{
    Transform* owner = Owner != nullptr ? Owner->GetTransform() : nullptr;
    Factory* factory = CORE != nullptr ? CORE->m_Factory : nullptr;
    ResourceManager* resources = CORE != nullptr ? CORE->m_ResourceManager : nullptr;
    Vec2 origin = owner != nullptr ? owner->Position : Vec2{};
    Vec2 scale = owner != nullptr ? owner->Scale : Vec2{1.0f, 1.0f};
    float letterWidth = 0.0f;
    float digitWidth = 0.0f;
    if (resources != nullptr)
    {
        letterWidth = static_cast<float>(resources->GetDimensions("Char_D").Width) * scale.y;
        digitWidth = static_cast<float>(resources->GetDimensions("Char_5").Width) * scale.y;
    }
    m_CurrentString = text;

    while (m_Glyphs.size() < text.size() && factory != nullptr)
    {
        GameObjectComposition* glyph = factory->CreateObject(kGlyphType, "f_" + std::to_string(ObjectIdCounter));
        if (glyph == nullptr)
        {
            break; // no "PrimaryFont" object type (logged by the Factory): the text shows what fits
        }
        ShowGlyph(glyph, kBlankGlyph);
        m_Glyphs.push_back(glyph);
    }

    WidthClass width = WidthClass::Letter;
    for (size_t i = 0; i < m_Glyphs.size(); ++i)
    {
        GameObjectComposition* glyph = m_Glyphs[i];
        if (i >= text.size())
        {
            ShowGlyph(glyph, kBlankGlyph);
            continue;
        }
        std::string name = GlyphName(text[i], width);
        // Each character sits at a multiple of its own class's width, not after the widths before it.
        float step = width == WidthClass::Digit ? digitWidth : letterWidth;
        if (Transform* transform = glyph->GetTransform())
        {
            transform->Position = {origin.x + static_cast<float>(i) * step, origin.y};
            // The glyphs take the text's scale, which their spacing is measured in.
            transform->Scale = scale;
        }
        ShowGlyph(glyph, name);
    }
}

} // namespace Framework
