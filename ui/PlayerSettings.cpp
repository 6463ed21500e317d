#include "ui/PlayerSettings.h"

#include "audio/Audio.h"
#include "engine/Core.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "platform/Log.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

namespace Framework
{

namespace
{
constexpr const char* kHeader = "kibbet-settings 2";
// Files of the first version have no bindings and no unmute level; they are read all the same.
constexpr const char* kFirstHeader = "kibbet-settings 1";
// Window sizes outside this range are not a choice the options page offers.
constexpr unsigned kMinSide = 320;
constexpr unsigned kMaxSide = 16384;

std::string g_Path;
PlayerSettings g_Current;

// The value of a "name value" line as a whole number; false when it is not one.
bool ParseWhole(const std::string& text, long long& out)
{
    if (text.empty() || text.size() > 6)
    {
        return false;
    }
    out = 0;
    for (char c : text)
    {
        if (c < '0' || c > '9')
        {
            return false;
        }
        out = out * 10 + (c - '0');
    }
    return true;
}

// "25,41" (hexadecimal codes) or "-" for none; false for anything else.
bool ParseCodes(const std::string& text, std::vector<int32_t>& out)
{
    out.clear();
    if (text == "-")
    {
        return true;
    }
    std::istringstream list(text);
    std::string item;
    while (std::getline(list, item, ','))
    {
        if (item.empty() || item.size() > 4 || item.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        {
            return false;
        }
        out.push_back(static_cast<int32_t>(std::stol(item, nullptr, 16)));
    }
    return !out.empty();
}

std::string FormatCodes(const std::vector<int32_t>& codes)
{
    if (codes.empty())
    {
        return "-";
    }
    std::ostringstream text;
    text << std::hex;
    for (size_t i = 0; i < codes.size(); ++i)
    {
        text << (i == 0 ? "" : ",") << codes[i];
    }
    return text.str();
}

// A "keys ACTION CODES" or "buttons ACTION CODES" line; false when it is not one or does not read.
bool ParseBindingLine(const std::string& line, Bindings& bindings)
{
    std::istringstream fields(line);
    std::string kind;
    std::string name;
    std::string codes;
    std::string extra;
    if (!(fields >> kind >> name >> codes) || (fields >> extra) || (kind != "keys" && kind != "buttons"))
    {
        return false;
    }
    for (Action action : Bindings::AllActions())
    {
        if (name != Bindings::ActionName(action))
        {
            continue;
        }
        ActionBinding binding = bindings.Of(action);
        if (!ParseCodes(codes, kind == "keys" ? binding.Keys : binding.Buttons))
        {
            return false;
        }
        bindings.Set(action, binding);
        return true;
    }
    return false;
}
} // namespace

PlayerSettings ReadSettingsFile(const std::string& path)
{
    std::ifstream file(path);
    if (!file)
    {
        Log("settings: no file " + path + "; using the default options");
        return {};
    }
    std::string line;
    std::getline(file, line);
    std::map<std::string, long long> values;
    Bindings bindings = Bindings::Defaults();
    bool broken = line != kHeader && line != kFirstHeader;
    while (!broken && std::getline(file, line))
    {
        if (line.empty() || ParseBindingLine(line, bindings))
        {
            continue;
        }
        std::istringstream fields(line);
        std::string name;
        std::string text;
        std::string extra;
        long long value = 0;
        if (!(fields >> name >> text) || (fields >> extra) || !ParseWhole(text, value))
        {
            broken = true;
            break;
        }
        values[name] = value;
    }
    auto in = [&](const char* name, long long low, long long high)
    {
        auto found = values.find(name);
        return found != values.end() && found->second >= low && found->second <= high;
    };
    if (broken || !in("width", kMinSide, kMaxSide) || !in("height", kMinSide, kMaxSide) || !in("fullscreen", 0, 1) ||
        !in("volume", 0, 10))
    {
        Log("settings: " + path + " cannot be read; using the default options");
        return {};
    }
    PlayerSettings settings;
    settings.Width = static_cast<unsigned>(values["width"]);
    settings.Height = static_cast<unsigned>(values["height"]);
    settings.Fullscreen = values["fullscreen"] == 1;
    settings.SoundLevel = static_cast<int>(values["volume"]);
    settings.UnmuteLevel = in("unmute", 1, 10) ? static_cast<int>(values["unmute"]) : 10;
    settings.Controls = bindings;
    return settings;
}

bool WriteSettingsFile(const std::string& path, const PlayerSettings& settings)
{
    std::error_code ec;
    std::filesystem::path target(path);
    if (target.has_parent_path())
    {
        std::filesystem::create_directories(target.parent_path(), ec);
    }
    std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::trunc);
        file << kHeader << "\nwidth " << settings.Width << "\nheight " << settings.Height << "\nfullscreen "
             << (settings.Fullscreen ? 1 : 0) << "\nvolume " << settings.SoundLevel << "\nunmute "
             << settings.UnmuteLevel << "\n";
        for (Action action : Bindings::AllActions())
        {
            const ActionBinding& binding = settings.Controls.Of(action);
            file << "keys " << Bindings::ActionName(action) << " " << FormatCodes(binding.Keys) << "\nbuttons "
                 << Bindings::ActionName(action) << " " << FormatCodes(binding.Buttons) << "\n";
        }
        file.flush();
        if (!file)
        {
            Log("settings: cannot write " + temporary);
            return false;
        }
    }
    // Renaming over the old file means a crash while writing never leaves half a file behind.
    std::filesystem::rename(temporary, target, ec);
    if (ec)
    {
        Log("settings: cannot replace " + path + ": " + ec.message());
        return false;
    }
    return true;
}

void UseSettingsFile(const std::string& path)
{
    g_Path = path;
    g_Current = PlayerSettings{};
}

const std::string& SettingsFilePath()
{
    return g_Path;
}

const PlayerSettings& CurrentSettings()
{
    return g_Current;
}

void SetCurrentSettings(const PlayerSettings& settings)
{
    g_Current = settings;
}

void SaveCurrentSettings()
{
    if (g_Path.empty() || CORE == nullptr)
    {
        return;
    }
    if (CORE->m_Graphics != nullptr)
    {
        g_Current.Width = CORE->m_Graphics->m_ResolutionWidth;
        g_Current.Height = CORE->m_Graphics->m_ResolutionHeight;
        g_Current.Fullscreen = CORE->m_Graphics->m_Fullscreen;
    }
    if (CORE->m_Audio != nullptr)
    {
        g_Current.SoundLevel = static_cast<int>(std::lround(CORE->m_Audio->MasterVolume * 10.0f));
        g_Current.UnmuteLevel = static_cast<int>(std::lround(CORE->m_Audio->UnmuteVolume * 10.0f));
    }
    if (CORE->m_Input != nullptr)
    {
        g_Current.Controls = CORE->m_Input->GetBindings();
    }
    WriteSettingsFile(g_Path, g_Current);
}

} // namespace Framework
