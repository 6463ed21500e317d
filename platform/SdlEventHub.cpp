#include "platform/SdlEventHub.h"
#include "platform/Window.h"

#include <algorithm>
#include <vector>

namespace Framework
{

namespace
{
std::vector<ISdlEventListener*>& Listeners()
{
    static std::vector<ISdlEventListener*> listeners;
    return listeners;
}
} // namespace

void AddSdlEventListener(ISdlEventListener* listener)
{
    Listeners().push_back(listener);
}

void RemoveSdlEventListener(ISdlEventListener* listener)
{
    std::erase(Listeners(), listener);
}

void ClearSdlEventListeners()
{
    Listeners().clear();
}

void DispatchSdlEvent(const SDL_Event& event)
{
    for (ISdlEventListener* listener : Listeners())
    {
        listener->OnSdlEvent(event);
    }
}

} // namespace Framework
