#pragma once

#include <QString>

#include <optional>

namespace vermil {

// The font a chooser opens with.
struct FontRequest {
    QString family;
    int pointSize = 0;
    bool bold = false;
};

// What the user chose. The weight is on the 100..900 scale (400 normal, 700
// bold), so the caller decides what counts as bold.
struct ChosenFont {
    QString family;
    int pointSize = 0;
    int weight = 400;
};

// How the logic asks the user for a font; nullopt when the user cancels.
class FontChooser {
public:
    virtual ~FontChooser() = default;
    virtual std::optional<ChosenFont> chooseFont(const FontRequest& request) = 0;
};

} // namespace vermil
