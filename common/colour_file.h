#pragma once

#include <filesystem>
#include <string_view>

namespace vermil {

inline constexpr int defaultSealColour = 77055; // 0x012CFF: red 255, green 44, blue 1

// The per-machine colour file: one key, Color, in a section named after each seal.
// It lives apart from the shared settings file: $XDG_CONFIG_HOME/Ombrel/hanko.ini.
class ColourFile {
public:
    ColourFile();
    explicit ColourFile(std::filesystem::path file);

    const std::filesystem::path& file() const { return file_; }
    int colour(std::string_view sealName) const;
    bool setColour(std::string_view sealName, int colour) const;

private:
    std::filesystem::path file_;
};

std::filesystem::path defaultColourFilePath();

} // namespace vermil
