#include "ui/ScrollComponent.h"

#include <gtest/gtest.h>

using namespace Framework;

namespace
{
UVRect Column(float top, float bottom)
{
    return {{0.2f, top}, {0.2f, bottom}, {0.1f, bottom}, {0.1f, top}};
}
} // namespace

TEST(ScrollComponent, StepsAtMostOncePerCallAndWrapsAtTheBottom)
{
    struct Case
    {
        const char* Name;
        bool Scroll;
        float Speed;
        UVRect Base;
        float Dt;
        int Calls;
        float ExpectedTop; // relative to the base's top
        float ExpectedTimer;
    };
    const float window = ScrollComponent::kWindowHeight;
    const float step = ScrollComponent::kStep;
    for (const Case& c : {
             Case{"speed 0 steps every call", true, 0.0f, Column(0.1f, 0.6f), 0.0f, 5, 5 * step, 0.0f},
             Case{"a long frame is one step", true, 0.05f, Column(0.1f, 0.6f), 10.0f, 3, 3 * step, 0.0f},
             Case{"the timer gates the steps", true, 0.05f, Column(0.1f, 0.6f), 0.017f, 7, 2 * step, 0.017f},
             Case{"off: nothing moves, not even the timer", false, 0.0f, Column(0.1f, 0.6f), 1.0f, 4, 0.0f, 0.0f},
             // The step that passes the bottom shows the top again at once.
             Case{"wraps at the bottom", true, 0.0f, Column(0.1f, 0.1f + window + 2.5f * step), 1.0f, 3, 0.0f, 0.0f},
             // A missing atlas entry reads as zeros: the window wraps after one step.
             Case{"zero picture", true, 0.0f, UVRect{}, 1.0f, 1, 0.0f, 0.0f},
         })
    {
        SCOPED_TRACE(c.Name);
        ScrollComponent scroll;
        scroll.m_Scroll = c.Scroll;
        scroll.m_Speed = c.Speed;
        scroll.m_BaseRect = c.Base;
        scroll.Initialize();
        EXPECT_FLOAT_EQ(scroll.m_ViewRect.m_UVBottomLeft.y - scroll.m_ViewRect.m_UVTopLeft.y, window);
        for (int i = 0; i < c.Calls; ++i)
        {
            scroll.AdvanceScroll(c.Dt);
        }
        EXPECT_NEAR(scroll.ViewTop() - c.Base.m_UVTopLeft.y, c.ExpectedTop, 1e-6f);
        EXPECT_NEAR(scroll.m_ViewRect.m_UVTopRight.y, scroll.ViewTop(), 1e-6f);
        EXPECT_EQ(scroll.m_ViewRect.m_UVTopLeft.x, c.Base.m_UVTopLeft.x);
        EXPECT_NEAR(scroll.m_StepTimer, c.ExpectedTimer, 1e-6f);
    }
}
