#pragma once

#include "engine/ISystem.h"

#include <vector>

namespace Framework
{

class GraphicsComponent;

// Draws the live sprites layer by layer and presents the frame.
class Graphics : public ISystem
{
public:
    explicit Graphics(Core* core);
    ~Graphics() override;

    void Update(float dt) override;
    // Hands out a sprite that joins the draw list; key is its draw-list key.
    IComponent* CreateComponent(int key) override;
    IComponent* CreatePrototypeComponent(int key) override;
    void DestroyComponent(IComponent* component) override;
    std::string GetName() const override { return "Graphics"; }
    Core* GetCore() const override { return m_Core; }

    // The full-screen and focus check made once before the first frame.
    void HandleFocus() {}

    // Sprites created through CreateComponent; not owned.
    std::vector<GraphicsComponent*> m_Sprites;

private:
    Core* m_Core;
};

} // namespace Framework
