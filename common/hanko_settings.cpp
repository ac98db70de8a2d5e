#include "hanko_settings.h"

#include "common/ini/ini_store.h"
#include "number_text.h"

namespace vermil {

HankoSettings::HankoSettings(std::filesystem::path settingsFile) : file_(std::move(settingsFile)) {}

std::string HankoSettings::read(const HankoKey& key, std::size_t bufferSize) const {
    return readIniString(file_, key.section, key.key, key.fallback, bufferSize);
}

std::optional<std::string> HankoSettings::readStored(const HankoKey& key,
                                                     std::size_t bufferSize) const {
    auto value = readIniValue(file_, key.section, key.key);
    if (value && bufferSize > 0 && value->size() > bufferSize - 1)
        value->resize(bufferSize - 1);
    return value;
}

int HankoSettings::readNumber(const HankoKey& key) const {
    return readIniInt(file_, key.section, key.key, decimalPrefix(key.fallback));
}

bool HankoSettings::write(const HankoKey& key, std::string_view value) const {
    return writeIniString(file_, key.section, key.key, value);
}

bool HankoSettings::write(const HankoKey& key, int value) const {
    return write(key, std::to_string(value));
}

// The typed accessors, each over its descriptor.

std::string HankoSettings::lang(std::size_t n) const {
    return read(hankokeys::lang, n);
}
bool HankoSettings::setLang(std::string_view v) const {
    return write(hankokeys::lang, v);
}

std::string HankoSettings::vermilDataFile(std::size_t n) const {
    return read(hankokeys::vermilDataFile, n);
}
bool HankoSettings::setVermilDataFile(std::string_view v) const {
    return write(hankokeys::vermilDataFile, v);
}

std::optional<std::string> HankoSettings::hankoLogFile(std::size_t n) const {
    return readStored(hankokeys::hankoLogFile, n);
}
bool HankoSettings::setHankoLogFile(std::string_view v) const {
    return write(hankokeys::hankoLogFile, v);
}

int HankoSettings::logFormat() const {
    return readNumber(hankokeys::logFormat);
}
bool HankoSettings::setLogFormat(int v) const {
    return write(hankokeys::logFormat, v);
}

int HankoSettings::log() const {
    return readNumber(hankokeys::log);
}
bool HankoSettings::setLog(bool enabled) const {
    return write(hankokeys::log, enabled ? 1 : 0);
}

std::string HankoSettings::listBox(std::size_t n) const {
    return read(hankokeys::listBox, n);
}
bool HankoSettings::setListBox(std::string_view v) const {
    return write(hankokeys::listBox, v);
}

std::string HankoSettings::dateFormat(std::size_t n) const {
    return read(hankokeys::dateFormat, n);
}
bool HankoSettings::setDateFormat(std::string_view v) const {
    return write(hankokeys::dateFormat, v);
}

std::string HankoSettings::sizeX(std::size_t n) const {
    return read(hankokeys::sizeX, n);
}
bool HankoSettings::setSizeX(std::string_view v) const {
    return write(hankokeys::sizeX, v);
}
std::string HankoSettings::sizeY(std::size_t n) const {
    return read(hankokeys::sizeY, n);
}
bool HankoSettings::setSizeY(std::string_view v) const {
    return write(hankokeys::sizeY, v);
}

std::string HankoSettings::managerUp1(std::size_t n) const {
    return read(hankokeys::managerUp1, n);
}
bool HankoSettings::setManagerUp1(std::string_view v) const {
    return write(hankokeys::managerUp1, v);
}
std::string HankoSettings::managerUp2(std::size_t n) const {
    return read(hankokeys::managerUp2, n);
}
bool HankoSettings::setManagerUp2(std::string_view v) const {
    return write(hankokeys::managerUp2, v);
}

std::string HankoSettings::commonDocumentNo(std::size_t n) const {
    return read(hankokeys::commonDocumentNo, n);
}
bool HankoSettings::setCommonDocumentNo(std::string_view v) const {
    return write(hankokeys::commonDocumentNo, v);
}

std::string HankoSettings::sealValue(std::string_view seal, std::string_view key,
                                     std::size_t n) const {
    return read(HankoKey{seal, key, "", n}, n);
}
bool HankoSettings::setSealValue(std::string_view seal, std::string_view key,
                                 std::string_view v) const {
    return write(HankoKey{seal, key, "", 0}, v);
}

bool HankoSettings::writeAll(const std::vector<IniWrite>& writes) const {
    return writeIniStrings(file_, writes).written();
}

} // namespace vermil
