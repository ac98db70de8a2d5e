#include "stamper/document/native_data_archive.h"

#include "common/cp932.h"
#include "stamper/document/stamp_document_texts.h"

#include <QString>

namespace vermil {
namespace {
constexpr std::uint8_t longerLength = 0xFF;
constexpr std::uint16_t wideMarker = 0xFFFE;
constexpr std::uint16_t longestLength = 0xFFFF;

std::string named(std::string_view itemName) {
    return stampDocumentText(StampDocumentCaptions::item, {itemName});
}
} // namespace

void ArchiveWriter::writeString(std::string_view text, std::string_view itemName) {
    if (text.size() > maxNativeTextBytes)
        throw NativeDataError(stampDocumentText(
            StampDocumentCaptions::itemTooLarge,
            {named(itemName), std::to_string(text.size()), std::to_string(maxNativeTextBytes)}));
    const std::size_t length = text.size();
    if (length < longerLength) {
        bytes_ += static_cast<char>(length);
    } else if (length < wideMarker) {
        bytes_ += static_cast<char>(longerLength);
        writeUint16(static_cast<std::uint16_t>(length));
    } else {
        bytes_ += static_cast<char>(longerLength);
        writeUint16(longestLength);
        writeUint32(static_cast<std::uint32_t>(length));
    }
    bytes_.append(text);
}

void ArchiveWriter::writeInt32(std::int32_t value) {
    writeUint32(static_cast<std::uint32_t>(value));
}

void ArchiveWriter::writeUint16(std::uint16_t value) {
    bytes_ += static_cast<char>(value & 0xFF);
    bytes_ += static_cast<char>(value >> 8);
}

void ArchiveWriter::writeUint32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes_ += static_cast<char>((value >> shift) & 0xFF);
}

std::string ArchiveReader::readString(std::string_view itemName) {
    const LengthPrefix prefix = readLengthPrefix(itemName);
    if (prefix.wide)
        return readWideText(prefix.length, itemName);
    if (prefix.length > maxNativeTextBytes)
        throw NativeDataError(stampDocumentText(
            StampDocumentCaptions::itemDeclaresTooMany,
            {named(itemName), std::to_string(prefix.length), std::to_string(maxNativeTextBytes)}));
    require(prefix.length, itemName);
    std::string text(bytes_.substr(position_, static_cast<std::size_t>(prefix.length)));
    position_ += static_cast<std::size_t>(prefix.length);
    return text;
}

// One byte, or 0xFF and 16 bits, or 0xFF 0xFFFF and 32 bits; 0xFF 0xFFFE before
// such a prefix marks a text of 16-bit characters.
ArchiveReader::LengthPrefix ArchiveReader::readLengthPrefix(std::string_view itemName) {
    LengthPrefix prefix;
    std::uint8_t length8 = readUint8(itemName);
    if (length8 != longerLength)
        return {length8, false};
    std::uint16_t length16 = readUint16(itemName);
    if (length16 == wideMarker) {
        prefix.wide = true;
        length8 = readUint8(itemName);
        if (length8 != longerLength)
            return {length8, true};
        length16 = readUint16(itemName);
        if (length16 == wideMarker)
            throw NativeDataError(
                stampDocumentText(StampDocumentCaptions::itemMarkedWideTwice, {named(itemName)}));
    }
    prefix.length = length16 == longestLength ? readUint32(itemName) : length16;
    return prefix;
}

std::string ArchiveReader::readWideText(std::uint64_t characters, std::string_view itemName) {
    if (characters > maxNativeTextBytes)
        throw NativeDataError(stampDocumentText(
            StampDocumentCaptions::itemDeclaresTooManyWide,
            {named(itemName), std::to_string(characters), std::to_string(maxNativeTextBytes)}));
    require(characters * 2, itemName);
    std::u16string units(static_cast<std::size_t>(characters), u'\0');
    for (char16_t& unit : units) {
        const auto low = static_cast<std::uint8_t>(bytes_[position_++]);
        const auto high = static_cast<std::uint8_t>(bytes_[position_++]);
        unit = static_cast<char16_t>(low | (high << 8));
    }
    const QString text = QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
    auto converted = text.isValidUtf16() ? toCp932(text) : std::nullopt;
    if (!converted)
        throw NativeDataError(
            stampDocumentText(StampDocumentCaptions::itemNotCp932, {named(itemName)}));
    if (converted->size() > maxNativeTextBytes)
        throw NativeDataError(
            stampDocumentText(StampDocumentCaptions::itemLongerThanLimit,
                              {named(itemName), std::to_string(maxNativeTextBytes)}));
    return std::move(*converted);
}

std::int32_t ArchiveReader::readInt32(std::string_view itemName) {
    return static_cast<std::int32_t>(readUint32(itemName));
}

void ArchiveReader::require(std::uint64_t count, std::string_view itemName) const {
    if (count > remaining())
        throw NativeDataError(stampDocumentText(
            StampDocumentCaptions::itemCutShort,
            {named(itemName), std::to_string(count), std::to_string(remaining())}));
}

std::uint8_t ArchiveReader::readUint8(std::string_view itemName) {
    require(1, itemName);
    return static_cast<std::uint8_t>(bytes_[position_++]);
}

std::uint16_t ArchiveReader::readUint16(std::string_view itemName) {
    require(2, itemName);
    const auto low = static_cast<std::uint8_t>(bytes_[position_]);
    const auto high = static_cast<std::uint8_t>(bytes_[position_ + 1]);
    position_ += 2;
    return static_cast<std::uint16_t>(low | (high << 8));
}

std::uint32_t ArchiveReader::readUint32(std::string_view itemName) {
    require(4, itemName);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) |
                static_cast<std::uint8_t>(bytes_[position_ + static_cast<std::size_t>(i)]);
    position_ += 4;
    return value;
}

} // namespace vermil
