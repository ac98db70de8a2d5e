// Reads arbitrary bytes as the stamping program's per-user profile, the user's
// section first. Its values are only what they may be (the automatic mode 0, 1
// or 2); a value written back reads back as written, and a remembered password
// reads back as it was remembered.
#include "common/keyed_hash.h"
#include "common/platform_identity.h"
#include "common/user_profile.h"
#include "stamper/document/stamper_user_values.h"
#include "stamper/sealdialog/remembered_password.h"
#include "tests/fuzz/fuzz_temporary.h"

#include <QSettings>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace {

void require(bool property) {
    if (!property)
        __builtin_trap();
}

// A new file for every input: the settings store keeps what it read of a file
// and would not see a rewrite of the same size within the same millisecond.
std::filesystem::path nextProfileFile() {
    static const std::filesystem::path folder = [] {
        std::string made = vermil::fuzz::temporaryTemplate("profile");
        if (!::mkdtemp(made.data()))
            std::abort();
        return std::filesystem::path(made);
    }();
    static std::uint64_t count = 0;
    return folder / ("vermilin-" + std::to_string(++count) + ".ini");
}

bool sameValues(const vermil::StamperUserValues& a, const vermil::StamperUserValues& b) {
    return a.rememberPassword == b.rememberPassword && a.autoStamp == b.autoStamp &&
           a.clipboard == b.clipboard;
}

void checkProfile(const std::filesystem::path& file, std::string_view bytes) {
    vermil::UserProfile profile(
        std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat));
    const vermil::StamperUserValues read = vermil::readStamperUserValues(profile);
    require(read.autoStamp >= 0 && read.autoStamp <= 2);
    (void)vermil::rememberedpassword::readFrom(profile);

    // The settings dialog writes the mode and the switch back as they were read. The
    // folder is the fuzzer's own, so every write lands; the store still answers false
    // when the file it read had a malformed line, so the answer is not looked at.
    (void)profile.setUserValues(
        {{vermil::stamperuserkeys::autoStamp, QString::number(read.autoStamp)},
         {vermil::stamperuserkeys::clipboard,
          read.clipboard ? QStringLiteral("1") : QStringLiteral("0")}});
    require(sameValues(vermil::readStamperUserValues(profile), read));

    // A password remembered at a stamp: the input's first line, in any bytes.
    const std::string password(bytes.substr(0, bytes.find('\n')));
    (void)profile.setUserValues({{vermil::rememberedpassword::codeKey,
                                  QString::fromStdString(vermil::encodePairs(password))},
                                 {vermil::rememberedpassword::keptKey, QStringLiteral("1")}});
    const vermil::UserProfile again(
        std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::IniFormat));
    require(vermil::rememberedpassword::readFrom(again) == password);
    require(vermil::readStamperUserValues(again).rememberPassword);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path file = nextProfileFile();
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << '[' << vermil::userName() << "]\n";
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            return 0;
    }
    checkProfile(file, bytes);
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    std::filesystem::remove(file.string() + ".lock", ignored);
    return 0;
}
