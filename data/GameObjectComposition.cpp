#include "data/GameObjectComposition.h"

#include "data/IComponent.h"
#include "data/Transform.h"

namespace Framework
{

GameObjectComposition::GameObjectComposition(const std::string& typeName) : Name(typeName), ObjectId(ObjectIdCounter)
{
    AddComponent(Transform::TypeName, new Transform());
}

GameObjectComposition::GameObjectComposition(CloneTag, const GameObjectComposition& source) : Name(source.Name)
{
    ObjectId = ++ObjectIdCounter;
    for (const auto& [typeName, component] : source.Components)
    {
        AddComponent(typeName, component->Clone());
    }
    InitializeComponents();
}

GameObjectComposition::~GameObjectComposition() = default;

void GameObjectComposition::AddComponent(const std::string& typeName, IComponent* component)
{
    if (component == nullptr)
    {
        return;
    }
    component->SetOwner(this);
    Components[typeName].reset(component);
}

void GameObjectComposition::InitializeComponents()
{
    for (auto& entry : Components)
    {
        entry.second->Initialize();
    }
}

void GameObjectComposition::DestroyComponents()
{
    for (auto& entry : Components)
    {
        if (entry.second->System != nullptr)
        {
            // The system (or the component itself) deletes it.
            entry.second.release()->Destroy();
        }
        else
        {
            entry.second->Destroy();
            entry.second.reset();
        }
    }
    Components.clear();
}

void GameObjectComposition::SendMessage(IMessage* message)
{
    for (auto& entry : Components)
    {
        entry.second->SendMessage(message);
    }
}

IComponent* GameObjectComposition::GetComponent(const std::string& typeName) const
{
    auto it = Components.find(typeName);
    return it == Components.end() ? nullptr : it->second.get();
}

} // namespace Framework
