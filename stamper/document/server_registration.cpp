#include "stamper/document/server_registration.h"

#include "common/files/atomic_file.h"
#include "stamper/document/stamp_document_texts.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace vermil {
namespace {

std::optional<std::string> fileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes `text` unless the file holds it already; false after a failed write.
bool writeWhenDifferent(const std::filesystem::path& file, const std::string& text,
                        RegistrationResult& result) {
    if (fileText(file) == text)
        return true;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    if (!writeFileAtomically(file, text)) {
        result.error = stampDocumentText(StampDocumentCaptions::cannotWriteFile, {file.string()});
        return false;
    }
    result.changed = true;
    return true;
}

bool removeFile(const std::filesystem::path& file, RegistrationResult& result) {
    std::error_code ec;
    if (std::filesystem::remove(file, ec)) {
        result.changed = true;
        return true;
    }
    if (ec) {
        result.error = stampDocumentText(StampDocumentCaptions::cannotRemoveFile,
                                         {file.string(), ec.message()});
        return false;
    }
    return true;
}

// The desktop keeps caches of both folders; a missing tool is no error.
void refreshDesktopCaches(const std::filesystem::path& dataHome) {
    const std::pair<const char*, std::filesystem::path> tools[] = {
        {"update-mime-database", dataHome / "mime"},
        {"update-desktop-database", dataHome / "applications"},
    };
    for (const auto& [tool, folder] : tools) {
        const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        std::error_code ec;
        if (program.isEmpty() || !std::filesystem::is_directory(folder, ec))
            continue;
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(program, {QString::fromStdString(folder.string())});
        process.waitForFinished(30000);
    }
}

} // namespace

std::string registryTypeName(Language language) {
    return std::string(StampDocumentCaptions::registryTypeName.utf8(language));
}

std::string desktopEntryText(Language language) {
    return std::string("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Version=1.4\n"
                       "Name=") +
           registryTypeName(language) +
           "\n"
           "Comment=" +
           std::string(StampDocumentCaptions::desktopComment.english) +
           "\n"
           "Exec=vermilin -Embedding %f\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "MimeType=" +
           registration::mimeType +
           ";\n"
           "X-Vermil-ClassId=" +
           registration::classId +
           "\n"
           "X-Vermil-ProgId=" +
           registration::progId +
           "\n"
           "X-Vermil-TypeName=" +
           registration::typeName + "\n";
}

std::string mimePackageText() {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info "
                       "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"") +
           registration::mimeType +
           "\">\n"
           "    <comment>" +
           std::string(StampDocumentCaptions::fileTypeComment.english) +
           "</comment>\n"
           "    <comment xml:lang=\"ja\">" +
           std::string(StampDocumentCaptions::fileTypeComment.japanese) +
           "</comment>\n"
           "    <glob pattern=\"*.vrs\"/>\n"
           "  </mime-type>\n"
           "</mime-info>\n";
}

std::filesystem::path desktopEntryPath(const std::filesystem::path& dataHome) {
    return dataHome / "applications" / registration::desktopFileName;
}

std::filesystem::path mimePackagePath(const std::filesystem::path& dataHome) {
    return dataHome / "mime" / "packages" / registration::mimePackageName;
}

std::filesystem::path userDataHome() {
    if (const QString data = qEnvironmentVariable("XDG_DATA_HOME"); !data.isEmpty())
        return std::filesystem::path(data.toStdString());
    return std::filesystem::path(qEnvironmentVariable("HOME").toStdString()) / ".local" / "share";
}

RegistrationResult registerServer(const std::filesystem::path& dataHome, Language language) {
    RegistrationResult result;
    if (writeWhenDifferent(mimePackagePath(dataHome), mimePackageText(), result))
        writeWhenDifferent(desktopEntryPath(dataHome), desktopEntryText(language), result);
    if (result.changed)
        refreshDesktopCaches(dataHome);
    return result;
}

RegistrationResult unregisterServer(const std::filesystem::path& dataHome) {
    RegistrationResult result;
    if (removeFile(desktopEntryPath(dataHome), result))
        removeFile(mimePackagePath(dataHome), result);
    if (result.changed)
        refreshDesktopCaches(dataHome);
    return result;
}

} // namespace vermil
