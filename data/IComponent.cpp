#include "data/IComponent.h"

#include "engine/ISystem.h"

namespace Framework
{

void IComponent::Destroy()
{
    if (System != nullptr)
    {
        System->DestroyComponent(this);
    }
}

} // namespace Framework
