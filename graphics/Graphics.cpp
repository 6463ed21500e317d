#include "graphics/Graphics.h"

#include "engine/Core.h"
#include "graphics/GraphicsComponent.h"

#include <algorithm>

namespace Framework
{

Graphics::Graphics(Core* core) : m_Core(core) {}

// Sprites still listed belong to live objects, which the Factory deletes after this system.
Graphics::~Graphics() = default;

void Graphics::Update(float dt)
{
    (void)dt;
    // Debug lines live for one frame.
    DebugLineQueue.clear();
}

IComponent* Graphics::CreateComponent(int key)
{
    (void)key;
    auto* sprite = new GraphicsComponent();
    sprite->System = this;
    m_Sprites.push_back(sprite);
    return sprite;
}

IComponent* Graphics::CreatePrototypeComponent(int key)
{
    (void)key;
    auto* sprite = new GraphicsComponent();
    sprite->System = this;
    return sprite;
}

void Graphics::DestroyComponent(IComponent* component)
{
    if (component == nullptr)
    {
        return;
    }
    std::erase(m_Sprites, component);
    delete component;
}

} // namespace Framework
