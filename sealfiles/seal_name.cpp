#include "seal_name.h"

#include "seal_message_texts.h"

#include "common/cp932.h"
#include "common/ini/ini_syntax.h"

#include <array>

namespace vermil {
namespace {

constexpr std::string_view forbiddenCharacters = "/\\[]:*?\"<>|";

bool isControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The first single-byte character that may not stand in a name, if any.
std::optional<char> forbiddenCharacterIn(std::string_view name) {
    for (std::size_t pos = 0; pos < name.size(); pos += cp932CharLength(name, pos)) {
        if (cp932CharLength(name, pos) != 1)
            continue;
        const char c = name[pos];
        if (isControl(static_cast<unsigned char>(c)) ||
            forbiddenCharacters.find(c) != std::string_view::npos)
            return c;
    }
    return std::nullopt;
}

// Bytes that are not whole CP932 characters have no file name on Linux.
bool isWholeCp932(std::string_view name) {
    return !fromCp932(name).contains(QChar::ReplacementCharacter);
}

// Windows opens a device for these names, whatever extension follows.
constexpr std::array<std::string_view, 22> windowsDeviceNames{
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9",
};

bool isWindowsDeviceName(std::string_view name) {
    std::string_view base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ')
        base.remove_suffix(1);
    for (std::string_view device : windowsDeviceNames)
        if (iniNamesEqual(base, device))
            return true;
    return false;
}

QString characterForMessage(char c) {
    if (isControl(static_cast<unsigned char>(c)))
        return sealMessageTexts().controlCharacter.arg(static_cast<unsigned char>(c), 2, 16,
                                                       QLatin1Char('0'));
    return QStringLiteral("\"") + QLatin1Char(c) + QStringLiteral("\"");
}

} // namespace

QString displaySealName(std::string_view name) {
    QString shown;
    std::size_t start = 0;
    for (std::size_t pos = 0; pos < name.size(); pos += cp932CharLength(name, pos)) {
        const auto c = static_cast<unsigned char>(name[pos]);
        if (cp932CharLength(name, pos) == 1 && isControl(c)) {
            shown += fromCp932(name.substr(start, pos - start));
            shown += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
            start = pos + 1;
        }
    }
    shown += fromCp932(name.substr(start));
    return shown;
}

bool namesDifferOnlyInCase(std::string_view a, std::string_view b) {
    return a != b && iniNamesEqual(a, b);
}

QString caseOnlyDifferenceMessage(std::string_view name, std::string_view registered) {
    return sealMessageTexts().nameDiffersOnlyInCase.arg(displaySealName(name),
                                                        displaySealName(registered));
}

std::optional<QString> sealNameProblem(std::string_view name) {
    const SealMessageTexts& texts = sealMessageTexts();
    const QString shown = displaySealName(name);
    if (name.empty())
        return texts.nameEmpty;
    if (name == "." || name == "..")
        return texts.nameIsFolderMark.arg(shown);
    if (const auto c = forbiddenCharacterIn(name))
        return texts.nameForbiddenCharacter.arg(shown, characterForMessage(*c));
    if (isWindowsDeviceName(name))
        return texts.nameIsDevice.arg(shown);
    if (isBlank(name.front()) || isBlank(name.back()))
        return texts.nameBlankEnds.arg(shown);
    if (name.size() > maxSealNameBytes)
        return texts.nameTooLong.arg(shown, QString::number(maxSealNameBytes),
                                     QString::number(name.size()));
    if (!isWholeCp932(name))
        return texts.nameNotCp932.arg(shown);
    return std::nullopt;
}

} // namespace vermil
