#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vermil {

// Typed access to the shared settings file hanko.ini. Every getter applies the
// key's default and reads with the buffer size the programs use; setters write one
// key and return false when the write failed.
class HankoSettings {
public:
    explicit HankoSettings(std::filesystem::path settingsFile);

    const std::filesystem::path& file() const { return file_; }

    // MAIN
    std::string lang(std::size_t bufferSize = 100) const;
    bool setLang(std::string_view value) const;
    std::string vermilDataFile(std::size_t bufferSize = 255) const;
    bool setVermilDataFile(std::string_view value) const;
    // nullopt when the key is missing: a missing key and an empty value mean different files.
    std::optional<std::string> hankoLogFile(std::size_t bufferSize = 255) const;
    bool setHankoLogFile(std::string_view value) const;
    int logFormat() const;
    bool setLogFormat(int value) const;

    // VERMILIN
    int log() const;
    bool setLog(bool enabled) const;
    std::string listBox(std::size_t bufferSize = 100) const;
    bool setListBox(std::string_view value) const;
    std::string dateFormat(std::size_t bufferSize = 101) const;
    bool setDateFormat(std::string_view value) const;
    std::string sizeX(std::size_t bufferSize = 101) const;
    bool setSizeX(std::string_view value) const;
    std::string sizeY(std::size_t bufferSize = 101) const;
    bool setSizeY(std::string_view value) const;

    // VERMILMGR
    std::string managerUp1(std::size_t bufferSize = 101) const;
    bool setManagerUp1(std::string_view value) const;
    std::string managerUp2(std::size_t bufferSize = 101) const;
    bool setManagerUp2(std::string_view value) const;

    // Common
    std::string commonDocumentNo(std::size_t bufferSize = 100) const;
    bool setCommonDocumentNo(std::string_view value) const;

    // The section of one seal: DocumentNo, Item, Name, NameIn, Section, SectionIn, Date, DateIn.
    std::string sealValue(std::string_view sealName, std::string_view key,
                          std::size_t bufferSize) const;
    bool setSealValue(std::string_view sealName, std::string_view key,
                      std::string_view value) const;

private:
    std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                     std::size_t bufferSize) const;
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    std::filesystem::path file_;
};

} // namespace vermil
