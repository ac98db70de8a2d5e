#pragma once

#include "common/ini/ini_syntax.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vermil {

enum class HankoValueKind {
    Text,   // read whole, cut to the buffer
    Number, // read by the decimal-prefix rule, written with "%d"
};

// One key of hanko.ini as the programs read it: its place, what a missing key
// reads as, and the size of the buffer its readers use (a longer value is cut to
// bufferSize - 1 bytes). Settings dialogs bind their fields to these.
struct HankoKey {
    std::string_view section;
    std::string_view key;
    std::string_view fallback; // a number key's fallback is its digits
    std::size_t bufferSize;    // 0 for a number key
    HankoValueKind kind = HankoValueKind::Text;
};

// Every key of hanko.ini the programs read and write, besides the seal sections.
namespace hankokeys {
inline constexpr HankoKey lang{"MAIN", "Lang", "", 100};
inline constexpr HankoKey vermilDataFile{"MAIN", "VermilDataFile", "", 255};
// A missing key and an empty value mean different log files (see stampLogPath).
inline constexpr HankoKey hankoLogFile{"MAIN", "HankoLogFile", "", 255};
inline constexpr HankoKey logFormat{"MAIN", "LogFormat", "0", 0, HankoValueKind::Number};
inline constexpr HankoKey log{"VERMILIN", "Log", "1", 0, HankoValueKind::Number};
inline constexpr HankoKey listBox{"VERMILIN", "ListBox", "", 100};
inline constexpr HankoKey dateFormat{"VERMILIN", "DateFormat", "'YY.MM.DD", 101};
inline constexpr HankoKey sizeX{"VERMILIN", "SizeX", "19", 101};
inline constexpr HankoKey sizeY{"VERMILIN", "SizeY", "19", 101};
inline constexpr HankoKey managerUp1{"VERMILMGR", "Up1", "", 101};
inline constexpr HankoKey managerUp2{"VERMILMGR", "Up2", "", 101};
inline constexpr HankoKey commonDocumentNo{"Common", "DocumentNo", "", 100};

inline constexpr std::array<const HankoKey*, 12> all{
    &lang,       &vermilDataFile, &hankoLogFile, &logFormat,  &log,        &listBox,
    &dateFormat, &sizeX,          &sizeY,        &managerUp1, &managerUp2, &commonDocumentNo};
} // namespace hankokeys

// Access to the shared settings file hanko.ini through the key descriptors, and
// typed getters and setters over them. Every read applies the key's default and
// its buffer size; writes set one key and return false when the write failed.
class HankoSettings {
public:
    explicit HankoSettings(std::filesystem::path settingsFile);

    const std::filesystem::path& file() const { return file_; }

    // A text key: the value or the fallback, cut to `bufferSize` (the key's own
    // when not given).
    std::string read(const HankoKey& key) const { return read(key, key.bufferSize); }
    std::string read(const HankoKey& key, std::size_t bufferSize) const;
    // The stored value, cut to `bufferSize` (0: not cut); nullopt when the key is missing.
    std::optional<std::string> readStored(const HankoKey& key, std::size_t bufferSize) const;
    // A number key: the fallback's number when the key is missing or empty.
    int readNumber(const HankoKey& key) const;
    bool write(const HankoKey& key, std::string_view value) const;
    bool write(const HankoKey& key, int value) const;

    // MAIN
    std::string lang(std::size_t bufferSize = hankokeys::lang.bufferSize) const;
    bool setLang(std::string_view value) const;
    std::string vermilDataFile(std::size_t bufferSize = hankokeys::vermilDataFile.bufferSize) const;
    bool setVermilDataFile(std::string_view value) const;
    // nullopt when the key is missing: a missing key and an empty value mean different files.
    std::optional<std::string>
    hankoLogFile(std::size_t bufferSize = hankokeys::hankoLogFile.bufferSize) const;
    bool setHankoLogFile(std::string_view value) const;
    int logFormat() const;
    bool setLogFormat(int value) const;

    // VERMILIN
    int log() const;
    bool setLog(bool enabled) const;
    std::string listBox(std::size_t bufferSize = hankokeys::listBox.bufferSize) const;
    bool setListBox(std::string_view value) const;
    std::string dateFormat(std::size_t bufferSize = hankokeys::dateFormat.bufferSize) const;
    bool setDateFormat(std::string_view value) const;
    std::string sizeX(std::size_t bufferSize = hankokeys::sizeX.bufferSize) const;
    bool setSizeX(std::string_view value) const;
    std::string sizeY(std::size_t bufferSize = hankokeys::sizeY.bufferSize) const;
    bool setSizeY(std::string_view value) const;

    // VERMILMGR
    std::string managerUp1(std::size_t bufferSize = hankokeys::managerUp1.bufferSize) const;
    bool setManagerUp1(std::string_view value) const;
    std::string managerUp2(std::size_t bufferSize = hankokeys::managerUp2.bufferSize) const;
    bool setManagerUp2(std::string_view value) const;

    // Common
    std::string
    commonDocumentNo(std::size_t bufferSize = hankokeys::commonDocumentNo.bufferSize) const;
    bool setCommonDocumentNo(std::string_view value) const;

    // The section of one seal: DocumentNo, Item, Name, NameIn, Section, SectionIn, Date, DateIn.
    std::string sealValue(std::string_view sealName, std::string_view key,
                          std::size_t bufferSize) const;
    bool setSealValue(std::string_view sealName, std::string_view key,
                      std::string_view value) const;

    // Sets every key in one replacement of the file: the bytes of one write per key
    // in this order, but a reader or a crash sees all of them or none.
    bool writeAll(const std::vector<IniWrite>& writes) const;

private:
    std::filesystem::path file_;
};

} // namespace vermil
