#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vermil {

// Limits of stored stamp data. A stamp holds a few short texts, a seal file of at
// most a kilobyte and a layout profile; anything near these sizes is not a stamp.
inline constexpr std::size_t maxNativeDataBytes = std::size_t{16} * 1024 * 1024;
inline constexpr std::size_t maxNativeTextBytes = std::size_t{1024} * 1024;

// Native data that cannot be read (or a text too long to be written): the message
// names the item and the problem.
class NativeDataError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The framework archive's forms, byte-compatible with stamps stored by the Windows
// program: a text is a length prefix and the bytes without terminator; the prefix
// is one byte below 255, else 0xFF and a 16-bit length, and from 65534 on 0xFF 0xFFFF
// and a 32-bit length. Integers are 32-bit little-endian.
class ArchiveWriter {
public:
    // Throws NativeDataError for a text longer than maxNativeTextBytes, which no
    // reader would take back.
    void writeString(std::string_view text, std::string_view itemName);
    void writeInt32(std::int32_t value);
    const std::string& bytes() const { return bytes_; }

private:
    void writeUint16(std::uint16_t value);
    void writeUint32(std::uint32_t value);
    std::string bytes_;
};

// Reads the forms above from untrusted bytes. Also takes the wide-character form
// (0xFF 0xFFFE, then a length prefix counting 16-bit characters), converted to CP932.
// Every failure throws NativeDataError naming the item; nothing is allocated
// before its length is checked against the limit and the bytes that follow.
class ArchiveReader {
public:
    explicit ArchiveReader(std::string_view bytes) : bytes_(bytes) {}

    std::string readString(std::string_view itemName);
    std::int32_t readInt32(std::string_view itemName);
    std::size_t remaining() const { return bytes_.size() - position_; }

private:
    struct LengthPrefix {
        std::uint64_t length = 0;
        bool wide = false; // counts 16-bit characters
    };
    LengthPrefix readLengthPrefix(std::string_view itemName);
    std::string readWideText(std::uint64_t characters, std::string_view itemName);
    void require(std::uint64_t count, std::string_view itemName) const;
    std::uint8_t readUint8(std::string_view itemName);
    std::uint16_t readUint16(std::string_view itemName);
    std::uint32_t readUint32(std::string_view itemName);

    std::string_view bytes_;
    std::size_t position_ = 0;
};

} // namespace vermil
