#pragma once

#include <SDL.h>

namespace Framework
{

// Receives every SDL event the window's pump drains, so the key source sees key and controller events
// although the window system owns the pump. Only platform code uses this.
class ISdlEventListener
{
public:
    ISdlEventListener() = default;
    virtual ~ISdlEventListener() = default;
    ISdlEventListener(const ISdlEventListener&) = delete;
    ISdlEventListener& operator=(const ISdlEventListener&) = delete;

    // Called for each event, in the order the pump drains them.
    virtual void OnSdlEvent(const SDL_Event& event) = 0;
};

// Adds a listener; it must be removed before it is destroyed.
void AddSdlEventListener(ISdlEventListener* listener);
// Removes a listener added before; unknown listeners are ignored.
void RemoveSdlEventListener(ISdlEventListener* listener);
// Hands one event to every listener.
void DispatchSdlEvent(const SDL_Event& event);

} // namespace Framework
