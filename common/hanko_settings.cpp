#include "hanko_settings.h"

#include "ini_store.h"

namespace vermil {

HankoSettings::HankoSettings(std::filesystem::path settingsFile) : file_(std::move(settingsFile)) {}

std::string HankoSettings::read(std::string_view section, std::string_view key,
                                std::string_view fallback, std::size_t bufferSize) const {
    return readIniString(file_, section, key, fallback, bufferSize);
}

bool HankoSettings::write(std::string_view section, std::string_view key,
                          std::string_view value) const {
    return writeIniString(file_, section, key, value);
}

std::string HankoSettings::lang(std::size_t n) const {
    return read("MAIN", "Lang", "", n);
}
bool HankoSettings::setLang(std::string_view v) const {
    return write("MAIN", "Lang", v);
}

std::string HankoSettings::vermilDataFile(std::size_t n) const {
    return read("MAIN", "VermilDataFile", "", n);
}
bool HankoSettings::setVermilDataFile(std::string_view v) const {
    return write("MAIN", "VermilDataFile", v);
}

std::optional<std::string> HankoSettings::hankoLogFile(std::size_t n) const {
    auto value = readIniValue(file_, "MAIN", "HankoLogFile");
    if (value && n > 0 && value->size() > n - 1)
        value->resize(n - 1);
    return value;
}
bool HankoSettings::setHankoLogFile(std::string_view v) const {
    return write("MAIN", "HankoLogFile", v);
}

int HankoSettings::logFormat() const {
    return readIniInt(file_, "MAIN", "LogFormat", 0);
}
bool HankoSettings::setLogFormat(int v) const {
    return write("MAIN", "LogFormat", std::to_string(v));
}

int HankoSettings::log() const {
    return readIniInt(file_, "VERMILIN", "Log", 1);
}
bool HankoSettings::setLog(bool enabled) const {
    return write("VERMILIN", "Log", enabled ? "1" : "0");
}

std::string HankoSettings::listBox(std::size_t n) const {
    return read("VERMILIN", "ListBox", "", n);
}
bool HankoSettings::setListBox(std::string_view v) const {
    return write("VERMILIN", "ListBox", v);
}

std::string HankoSettings::dateFormat(std::size_t n) const {
    return read("VERMILIN", "DateFormat", "'YY.MM.DD", n);
}
bool HankoSettings::setDateFormat(std::string_view v) const {
    return write("VERMILIN", "DateFormat", v);
}

std::string HankoSettings::sizeX(std::size_t n) const {
    return read("VERMILIN", "SizeX", "19", n);
}
bool HankoSettings::setSizeX(std::string_view v) const {
    return write("VERMILIN", "SizeX", v);
}
std::string HankoSettings::sizeY(std::size_t n) const {
    return read("VERMILIN", "SizeY", "19", n);
}
bool HankoSettings::setSizeY(std::string_view v) const {
    return write("VERMILIN", "SizeY", v);
}

std::string HankoSettings::managerUp1(std::size_t n) const {
    return read("VERMILMGR", "Up1", "", n);
}
bool HankoSettings::setManagerUp1(std::string_view v) const {
    return write("VERMILMGR", "Up1", v);
}
std::string HankoSettings::managerUp2(std::size_t n) const {
    return read("VERMILMGR", "Up2", "", n);
}
bool HankoSettings::setManagerUp2(std::string_view v) const {
    return write("VERMILMGR", "Up2", v);
}

std::string HankoSettings::commonDocumentNo(std::size_t n) const {
    return read("Common", "DocumentNo", "", n);
}
bool HankoSettings::setCommonDocumentNo(std::string_view v) const {
    return write("Common", "DocumentNo", v);
}

std::string HankoSettings::sealValue(std::string_view seal, std::string_view key,
                                     std::size_t n) const {
    return read(seal, key, "", n);
}
bool HankoSettings::setSealValue(std::string_view seal, std::string_view key,
                                 std::string_view v) const {
    return write(seal, key, v);
}

} // namespace vermil
