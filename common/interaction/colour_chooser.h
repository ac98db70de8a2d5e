#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace vermil {

// How the logic asks the user for a colour. Colours are kept as the settings
// store them: 0x00BBGGRR, 24 bits. nullopt when the user cancels.
class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    virtual std::optional<std::uint32_t> chooseColour(std::uint32_t current,
                                                      const QString& title) = 0;
};

} // namespace vermil
