#include "ui/MainMenuPage.h"

#include "data/Factory.h"
#include "data/GameObjectComposition.h"
#include "data/Transform.h"
#include "engine/Core.h"
#include "ui/MenuFlow.h"
#include "ui/MenuSteps.h"

namespace Framework
{

namespace
{
// With seven items the labels sit closer and smaller than the level file lays out five.
constexpr float kTopItemY = 105.0f;
constexpr float kItemStep = 60.0f;
constexpr float kItemScale = 0.75f;
} // namespace

MainMenuPage::MainMenuPage(std::vector<MenuItem> items, int levelListPage)
    : ItemPage(items, PageExit::None), m_Usual(std::move(items)), m_LevelListPage(levelListPage)
{
}

void MainMenuPage::Prepare()
{
    m_Items = m_Usual;
    if (!ProgressBeyondFirstLevel() || CORE == nullptr || CORE->m_Factory == nullptr)
    {
        return;
    }
    const std::string furthest = ReachedLevels().back();
    // The key that chose the level must not count as a jump in it.
    MenuItem resume{"Continue",
                    [furthest](Menu&)
                    {
                        StartLevelNamed(furthest, false);
                        ResetInputDevices();
                    },
                    ChoiceSound::Silent};
    m_Items.insert(m_Items.begin(), {resume, MenuItem{"Levels", OpenPage(m_LevelListPage)}});
    CORE->m_Factory->CreateObject("Label_Continue", "Continue");
    CORE->m_Factory->CreateObject("Label_Levels", "Levels");
    float y = kTopItemY;
    for (const MenuItem& item : m_Items)
    {
        GameObjectComposition* label = FindMenuObject(item.Key);
        if (Transform* t = label != nullptr ? label->GetTransform() : nullptr)
        {
            t->Position = {0.0f, y};
            t->Scale = {kItemScale, kItemScale};
        }
        y -= kItemStep;
    }
}

} // namespace Framework
