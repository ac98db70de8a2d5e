#pragma once

#include <filesystem>
#include <optional>

namespace vermil {

// The lock keys as the keyboard lights show them, for the status bar's panes.
// Qt does not report lock states; Linux shows them as LEDs under /sys/class/leds
// ("input3::capslock", ...). A key whose light no keyboard has is nullopt: its
// pane stays empty. With several keyboards a key is on when any light is on.
struct LockKeyStates {
    std::optional<bool> kana;
    std::optional<bool> caps;
    std::optional<bool> num;
    std::optional<bool> scroll;

    bool anyKnown() const { return kana || caps || num || scroll; }
    bool operator==(const LockKeyStates&) const = default;
};

LockKeyStates readLockKeyStates(const std::filesystem::path& ledsFolder = "/sys/class/leds");

} // namespace vermil
