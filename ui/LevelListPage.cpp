#include "ui/LevelListPage.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "graphics/FontComponent.h"
#include "ui/MenuFlow.h"
#include "ui/MenuSteps.h"

namespace Framework
{

namespace
{
// Where the page lies in the menu level (right of the others) and how its rows are laid out.
constexpr float kPageX = 10000.0f;
constexpr float kFirstRowY = 160.0f;
constexpr float kRowStep = 62.0f;
constexpr float kTextScale = 0.5f;
// Glyphs advance 48 units at scale 1.
constexpr float kGlyphAdvance = 48.0f;

GameObjectComposition* Place(const std::string& type, const std::string& key, float x, float y, float scale)
{
    GameObjectComposition* object = CORE->m_Factory->CreateObject(type, key);
    if (Transform* t = object != nullptr ? object->GetTransform() : nullptr)
    {
        t->Position = {x, y};
        t->Scale = {scale, scale};
    }
    return object;
}

// "Level_01" as the list shows it: "01"; "Level_Bear": "BEAR".
std::string ShortName(const std::string& level)
{
    const std::string prefix = "Level_";
    return level.rfind(prefix, 0) == 0 ? level.substr(prefix.size()) : level;
}

// Pads a text with spaces to a width.
std::string Padded(std::string text, size_t width)
{
    text.resize(std::max(text.size(), width), ' ');
    return text;
}
} // namespace

LevelListPage::LevelListPage(std::string backdropKey)
    : ItemPage({}, PageExit::Back), m_BackdropKey(std::move(backdropKey))
{
}

void LevelListPage::Prepare()
{
    m_Items.clear();
    if (!ProgressBeyondFirstLevel() || CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return;
    }
    Place("LevelsScreen", m_BackdropKey, kPageX, 0.0f, 1.0f);
    float y = kFirstRowY;
    int row = 0;
    for (const std::string& level : ReachedLevels())
    {
        const auto [time, pollen] = LevelRecordText(level);
        const std::string text = Padded(ShortName(level), 5) + Padded(time, 8) + pollen;
        const float width = static_cast<float>(text.size()) * kGlyphAdvance * kTextScale;
        const std::string key = "LevelRow_" + std::to_string(row++);
        // The cursor centres on the row's own (empty) object; the text starts at its left end.
        Place("Text_Line", key, kPageX, y, kTextScale);
        GameObjectComposition* line = Place("Text_Line", key + "_Text", kPageX - width / 2.0f, y, kTextScale);
        if (FontComponent* font = line != nullptr ? line->GetFontComponent() : nullptr)
        {
            font->SetText(text);
        }
        m_Items.push_back(MenuItem{key,
                                   [level](Menu&)
                                   {
                                       StartLevelNamed(level, true);
                                       ResetInputDevices();
                                   },
                                   ChoiceSound::Silent});
        y -= kRowStep;
    }
}

} // namespace Framework
