#pragma once

#include "platform/KeySource.h"

#include <memory>

namespace Framework
{

class IWindow;

// Keys from the window's SDL key events (scancodes mapped to Windows virtual-key codes) and the first
// SDL game controller, with hot-plug. Focus is the window's. window is not owned and must outlive it.
std::unique_ptr<IKeySource> CreateSdlKeySource(const IWindow* window);

// The Windows virtual-key code of an SDL scancode, or 0 for a key the game has no code for.
int VirtualKeyFromScancode(int scancode);

} // namespace Framework
