#pragma once
#include "engine/Choices.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

class CRegistryKey;

// One hotkey: its identifier (the action index) and its hotkey-control value, 0 for none.
struct HotkeyEntry {
    std::int32_t id = -1;
    std::int32_t value = 0;
};

// The seven action hotkeys (change, next, previous, random, saver, pause, escape) and
// the tray icon's click action, registered on the window that receives WM_HOTKEY.
class HotkeySettings {
public:
    static constexpr int kCount = kActionCount;

    HotkeySettings();
    // Unregisters every entry's hotkey.
    ~HotkeySettings();
    HotkeySettings(const HotkeySettings&) = delete;
    HotkeySettings& operator=(const HotkeySettings&) = delete;

    // The window that receives WM_HOTKEY; while none is set nothing is registered.
    void SetWindow(HWND window) noexcept { window_ = window; }

    // The stored hotkey-control value; 0 for an index outside 0..6.
    std::int32_t GetHotkey(std::int32_t index) const;
    // Replaces the entry's hotkey. The value stays stored even when registering fails;
    // false only then (or for an index outside 0..6).
    bool SetHotkey(std::int32_t index, std::int32_t value);

    // Reads and registers the seven values and "LButton"; a new key gets the defaults.
    void Load(const std::string& rootPath);
    void Save(const std::string& rootPath) const;

    std::array<HotkeyEntry, kCount> entries;
    std::int32_t iconClickAction = 0;  // -1 none, 0..6 an action

private:
    void Unregister(HotkeyEntry& entry) const;
    void Write(const CRegistryKey& key) const;

    HWND window_ = nullptr;
};
