#include "platform/KeyNames.h"

#include <map>

namespace Framework
{

std::string DefaultKeyName(int virtualKey)
{
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
    {
        return std::string(1, static_cast<char>(virtualKey));
    }
    if (virtualKey >= 0x70 && virtualKey <= 0x87)
    {
        return "F" + std::to_string(virtualKey - 0x70 + 1);
    }
    if (virtualKey >= 0x60 && virtualKey <= 0x69)
    {
        return "Keypad " + std::to_string(virtualKey - 0x60);
    }
    static const std::map<int, std::string> names = {
        {0x08, "Backspace"}, {0x09, "Tab"},   {0x0D, "Return"}, {0x10, "Shift"},    {0x11, "Ctrl"},   {0x12, "Alt"},
        {0x1B, "Escape"},    {0x20, "Space"}, {0x21, "PageUp"}, {0x22, "PageDown"}, {0x23, "End"},    {0x24, "Home"},
        {0x25, "Left"},      {0x26, "Up"},    {0x27, "Right"},  {0x28, "Down"},     {0x2D, "Insert"}, {0x2E, "Delete"},
        {0xBA, ";"},         {0xBB, "="},     {0xBC, ","},      {0xBD, "-"},        {0xBE, "."},      {0xBF, "/"},
        {0xC0, "`"},         {0xDB, "["},     {0xDC, "\\"},     {0xDD, "]"},        {0xDE, "'"},
    };
    auto found = names.find(virtualKey);
    return found != names.end() ? found->second : "?";
}

} // namespace Framework
