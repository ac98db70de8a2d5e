#include "cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vermil {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        // iconv_open's failure value is the pointer (iconv_t)-1.
        if (handle_ == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~IconvHandle() { iconv_close(handle_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

// Converts `in`; returns false on the first unconvertible sequence unless
// `replacement` is given, which then stands in for one input byte.
// One converter per direction and thread: opening one costs more than most conversions.
IconvHandle& converter(const char* to) {
    if (std::string_view(to) == "UTF-8") {
        thread_local IconvHandle decoder("UTF-8", "CP932");
        return decoder;
    }
    thread_local IconvHandle encoder("CP932", "UTF-8");
    return encoder;
}

bool isAscii(std::string_view text) {
    for (unsigned char c : text)
        if (c >= 0x80)
            return false;
    return true;
}

bool convert(const char* to, std::string_view in, std::string& out,
             std::string_view replacement = {}) {
    if (isAscii(in)) {
        out.assign(in);
        return true;
    }
    IconvHandle& cd = converter(to);
    iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    out.clear();
    out.reserve(in.size() * 2);
    char* src = const_cast<char*>(in.data());
    std::size_t srcLeft = in.size();
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        const std::size_t rc = iconv(cd.get(), &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<std::size_t>(dst - buffer));
        if (rc != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (replacement.empty())
            return false;
        out.append(replacement);
        ++src;
        --srcLeft;
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    }
    return true;
}

} // namespace

std::size_t cp932Find(std::string_view text, std::string_view needle, std::size_t from) {
    if (needle.empty())
        return from <= text.size() ? from : std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += cp932CharLength(text, pos)) {
        if (pos >= from && text.compare(pos, needle.size(), needle) == 0)
            return pos;
    }
    return std::string_view::npos;
}

std::size_t cp932FindChar(std::string_view text, char c, std::size_t from) {
    for (std::size_t pos = 0; pos < text.size(); pos += cp932CharLength(text, pos)) {
        if (pos >= from && text[pos] == c)
            return pos;
    }
    return std::string_view::npos;
}

std::size_t cp932FindLastChar(std::string_view text, char c) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); pos += cp932CharLength(text, pos)) {
        if (text[pos] == c)
            found = pos;
    }
    return found;
}

std::string cp932ToUtf8(std::string_view bytes) {
    std::string out;
    convert("UTF-8", bytes, out, "\xEF\xBF\xBD");
    return out;
}

QString fromCp932(std::string_view bytes) {
    const std::string utf8 = cp932ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    std::string out;
    if (!convert("CP932", utf8, out))
        return std::nullopt;
    return out;
}

std::optional<std::string> toCp932(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return utf8ToCp932(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::string cp932Literal(std::string_view utf8) {
    auto bytes = utf8ToCp932(utf8);
    if (!bytes)
        throw std::logic_error("fixed text has no CP932 form");
    return *bytes;
}

std::filesystem::path nativePath(std::string_view cp932PathText) {
    return std::filesystem::path(cp932ToUtf8(cp932PathText));
}

std::optional<std::string> cp932Path(const std::filesystem::path& path) {
    return utf8ToCp932(path.string());
}

} // namespace vermil
