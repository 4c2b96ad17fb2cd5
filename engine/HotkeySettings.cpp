#include "engine/HotkeySettings.h"

#include "engine/HotkeyValue.h"
#include "settings/RegistryKey.h"
#include "settings/RegistryNames.h"

namespace {

bool IsIndex(std::int32_t index)
{
    return index >= 0 && index < HotkeySettings::kCount;
}

}  // namespace

HotkeySettings::HotkeySettings()
{
    for (int index = 0; index < kCount; ++index)
        entries[index].id = index;
}

HotkeySettings::~HotkeySettings()
{
    for (HotkeyEntry& entry : entries)
        Unregister(entry);
}

void HotkeySettings::Unregister(HotkeyEntry& entry) const
{
    if (entry.value != 0 && window_ != nullptr && entry.id != -1)
        UnregisterHotKey(window_, entry.id);
    entry.value = 0;
}

std::int32_t HotkeySettings::GetHotkey(std::int32_t index) const
{
    return IsIndex(index) ? entries[index].value : 0;
}

bool HotkeySettings::SetHotkey(std::int32_t index, std::int32_t value)
{
    if (!IsIndex(index))
        return false;
    HotkeyEntry& entry = entries[index];
    Unregister(entry);
    entry.value = value;
    // Without a window RegisterHotKey would tie the key to this thread's queue, where no
    // one dispatches WM_HOTKEY; one-shot runs register nothing.
    if (value == 0 || window_ == nullptr)
        return true;
    const HotkeyCombination combination = ToHotkeyCombination(value);
    return RegisterHotKey(window_, entry.id, combination.modifiers,
                          combination.virtualKey)
           != FALSE;
}

void HotkeySettings::Load(const std::string& rootPath)
{
    const CRegistryKey key = CRegistryKey::CreateOrOpen(rootPath + RegistryNames::kHotkeyKey);
    if (key.IsNew()) {
        for (int index = 0; index < kCount; ++index)
            SetHotkey(index, 0);
        iconClickAction = 0;
        Write(key);
        return;
    }
    for (int index = 0; index < kCount; ++index) {
        std::int32_t value = 0;
        key.ReadInt32(RegistryNames::kHotkeyNames[index], value);
        SetHotkey(index, value);
    }
    iconClickAction = 0;
    key.ReadInt32(RegistryNames::kLButton, iconClickAction);
}

void HotkeySettings::Save(const std::string& rootPath) const
{
    Write(CRegistryKey::CreateOrOpen(rootPath + RegistryNames::kHotkeyKey));
}

void HotkeySettings::Write(const CRegistryKey& key) const
{
    for (int index = 0; index < kCount; ++index)
        key.WriteInt32(RegistryNames::kHotkeyNames[index], entries[index].value);
    key.WriteInt32(RegistryNames::kLButton, iconClickAction);
}
