#include "colour_file.h"

#include "common/ini/ini_store.h"

#include <QStandardPaths>

namespace vermil {

std::filesystem::path defaultColourFilePath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(config.toStdString()) / "Ombrel" / "hanko.ini";
}

ColourFile::ColourFile() : file_(defaultColourFilePath()) {}

ColourFile::ColourFile(std::filesystem::path file) : file_(std::move(file)) {}

int ColourFile::colour(std::string_view sealName) const {
    return readIniInt(file_, sealName, "Color", defaultSealColour);
}

bool ColourFile::setColour(std::string_view sealName, int colour) const {
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    return writeIniString(file_, sealName, "Color", std::to_string(colour));
}

} // namespace vermil
