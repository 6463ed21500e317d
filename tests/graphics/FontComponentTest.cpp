#include "tests/TestSupport.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "graphics/Camera.h"
#include "graphics/FontComponent.h"
#include "graphics/GraphicsComponent.h"
#include "graphics/ResourceManager.h"

using namespace Framework;

namespace
{
// The ground fixture level with the real font; digits are made narrower than letters so the two width
// classes can be told apart.
class FontComponentTest : public EngineTest
{
protected:
    void SetUp() override
    {
        CAMERA = Camera{};
        Start(SourcePath("tests/data/ground"), "Level_Ground", true);
        core.m_ResourceManager->m_Dimensions["Char_5"].Width = 40;
        sign = core.m_Factory->FindObject("Sign");
        ASSERT_NE(sign, nullptr);
        font = sign->GetFontComponent();
        ASSERT_NE(font, nullptr);
        sign->GetTransform()->Position = {100.0f, 50.0f};
    }
    void TearDown() override
    {
        EngineTest::TearDown();
        CAMERA = Camera{};
    }
    static std::string Shown(const GameObjectComposition* glyph) { return glyph->GetGraphics()->m_Animation.m_Current; }

    GameObjectComposition* sign = nullptr;
    FontComponent* font = nullptr;
};
} // namespace

TEST_F(FontComponentTest, EachCharacterSitsAtAMultipleOfItsOwnClassWidth)
{
    struct Glyph
    {
        const char* Animation;
        float X;
    };
    struct Case
    {
        const char* Text;
        float Scale;
        std::vector<Glyph> Glyphs;
    } cases[] = {
        {"ab", 1.0f, {{"Char_A", 0}, {"Char_B", 48}}},
        {"10/20", 1.0f, {{"Char_1", 0}, {"Char_0", 40}, {"Char_Slash", 80}, {"Char_2", 120}, {"Char_0", 160}}},
        {"x X", 1.0f, {{"Char_X", 0}, {"Char_Arrow_2", 48}, {"Char_X", 96}}},
        {"1 x", 1.0f, {{"Char_1", 0}, {"Char_Arrow_2", 40}, {"Char_X", 96}}}, // a space keeps the class before it
        {"Hi!:?", 0.5f, {{"Char_H", 0}, {"Char_I", 24}, {"Char_Exclamation", 48}, {"Char_Colon", 72}, {"Char_?", 96}}},
    };
    for (const Case& c : cases)
    {
        sign->GetTransform()->Scale = {c.Scale, c.Scale};
        font->SetText(c.Text);
        ASSERT_GE(font->m_Glyphs.size(), c.Glyphs.size());
        for (size_t i = 0; i < c.Glyphs.size(); ++i)
        {
            const GameObjectComposition* glyph = font->m_Glyphs[i];
            EXPECT_EQ(glyph->Name, "PrimaryFont");
            EXPECT_EQ(Shown(glyph), c.Glyphs[i].Animation) << c.Text << " " << i;
            EXPECT_FLOAT_EQ(glyph->GetTransform()->Position.x, 100.0f + c.Glyphs[i].X) << c.Text << " " << i;
            EXPECT_FLOAT_EQ(glyph->GetTransform()->Position.y, 50.0f);
            EXPECT_FLOAT_EQ(glyph->GetTransform()->Scale.y, c.Scale) << "glyphs are as big as they are spaced";
        }
    }
    // "?" has an animation of its own over the question-mark frame.
    const Sprite& question = font->m_Glyphs[4]->GetGraphics()->m_Sprite;
    EXPECT_EQ(question.UVs.m_UVTopLeft.x, core.m_ResourceManager->GetUV("Char_Question").m_UVTopLeft.x);
    EXPECT_EQ(question.UVs.m_UVTopLeft.y, core.m_ResourceManager->GetUV("Char_Question").m_UVTopLeft.y);
}

TEST_F(FontComponentTest, AShorterTextBlanksAndKeepsTheGlyphsAnEmptyOneMakesNone)
{
    font->SetText("abc");
    ASSERT_EQ(font->m_Glyphs.size(), 13u) << "the level's text made thirteen";
    std::vector<GameObjectComposition*> glyphs = font->m_Glyphs;
    font->SetText("a");
    EXPECT_EQ(font->m_Glyphs, glyphs);
    EXPECT_EQ(Shown(glyphs[0]), "Char_A");
    for (size_t i = 1; i < glyphs.size(); ++i)
    {
        EXPECT_EQ(Shown(glyphs[i]), "Char_Arrow_2") << i;
        EXPECT_EQ(glyphs[i]->GetGraphics()->m_Animation.m_DefaultName, "Char_Arrow_2");
    }

    GameObjectComposition* blank = core.m_Factory->CreateObject("Sign", "Blank");
    ASSERT_NE(blank, nullptr);
    EXPECT_TRUE(blank->GetFontComponent()->m_Glyphs.empty());
    blank->GetFontComponent()->SetText("");
    EXPECT_TRUE(blank->GetFontComponent()->m_Glyphs.empty());
}

TEST_F(FontComponentTest, GlyphsGoWithTheirTextEvenWhenTeardownDeletedThemFirst)
{
    font->SetText("ok");
    core.m_Factory->DestroyObject(sign);
    core.m_Factory->Update(0.0f);
    core.m_Factory->Update(0.0f);
    EXPECT_EQ(core.m_Factory->FindObject("f_106"), nullptr) << "the glyphs leave with the sign";

    // Keys "f_..." sort before "zText": level teardown deletes its glyphs before the text itself.
    GameObjectComposition* late = core.m_Factory->CreateObject("Sign", "zText");
    late->GetFontComponent()->SetText("late");
    ASSERT_EQ(late->GetFontComponent()->m_Glyphs.size(), 4u);
    core.m_Factory->DestroyAllObjects();
    EXPECT_TRUE(core.m_Factory->PendingDestruction.empty()) << "no freed glyph is left marked";
    EXPECT_TRUE(core.m_Factory->AllLiveObjects().empty());
}
