#include "manager/import/csv_import.h"

#include "manager/import/csv_import_texts.h"
#include "manager/import/csv_lines.h"

#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_folder.h"
#include "sealfiles/seal_name.h"

#include "common/cp932.h"
#include "common/files/regular_file.h"
#include "common/files/write_failure.h"
#include "common/interaction/prompter.h"
#include "common/password_text.h"

#include <QStringList>

#include <sstream>

namespace vermil {
namespace {

enum Column { Name, Password, Up1, Up2, Down, Profile, SizeX, SizeY, Format };

QString fileText(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

QString number(std::size_t value) {
    return QString::number(value);
}

// Where in the file a refusal lies.
QString atLine(const std::filesystem::path& csvFile, std::size_t line) {
    return csvImportTexts().atLine.arg(fileText(csvFile), number(line));
}

QString rowRefusal(const std::filesystem::path& csvFile, std::size_t line, const QString& problem) {
    return atLine(csvFile, line) + QStringLiteral(": ") + problem + csvImportTexts().readStopped;
}

// Why the CSV file could not be read, for the line after Error352; empty for a
// file that is not there, which the system's message says already.
QString readFailureCause(const std::filesystem::path& csvFile, const std::error_code& error) {
    const CsvImportTexts& texts = csvImportTexts();
    if (!error || error == std::errc::no_such_file_or_directory)
        return {};
    if (error == FileKindError::TooLarge)
        return texts.fileTooLarge.arg(fileText(csvFile), number(maxCsvFileBytes));
    if (error.category() == fileKindCategory())
        return texts.notRegularFile.arg(fileText(csvFile));
    return texts.otherReadFailure.arg(fileText(csvFile), QString::fromStdString(error.message()));
}

// A byte no one can type into the dialogs' boxes (below 0x20, or 0x7F): a seal whose
// password holds one could never be stamped. A CP932 character's second byte is
// 0x40 or more, so each such byte is a character of its own. A tab never gets here:
// it separates fields.
std::optional<QString> controlCharacterProblem(const std::vector<std::string>& fields) {
    for (std::size_t field = 0; field < fields.size(); ++field)
        for (const char c : fields[field]) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte == 0x7F)
                return csvImportTexts().controlCharacter.arg(
                    number(field + 1),
                    QString::number(byte, 16).rightJustified(2, QLatin1Char('0')));
        }
    return std::nullopt;
}

// The first row before `row` whose name differs from its name only in letter case.
const CsvImport::RowName* caseTwin(const std::vector<CsvImport::RowName>& before,
                                   std::string_view name) {
    for (const auto& earlier : before)
        if (namesDifferOnlyInCase(earlier.name, name))
            return &earlier;
    return nullptr;
}

} // namespace

CsvImport::CsvImport(SealIndex index, Prompter& prompter, std::string versionText)
    : index_(std::move(index)), prompter_(prompter), versionText_(std::move(versionText)) {}

void CsvImport::setProgress(std::function<bool(int, int)> progress) {
    progress_ = std::move(progress);
}

ImportResult CsvImport::stop(ImportStatus status, const QString& message, int imported) {
    prompter_.showMessage(message, MessageIcon::Error);
    return {status, imported};
}

CsvImport::Row CsvImport::readRow(const CsvLine& line, const std::filesystem::path& csvFile) const {
    const CsvImportTexts& texts = csvImportTexts();
    if (line.isTooLong())
        return {std::nullopt,
                atLine(csvFile, line.number) +
                    texts.lineTooLong.arg(number(maxCsvLineBytes), number(line.length)) +
                    texts.readStopped};
    if (line.text.find(",,") != std::string::npos)
        return {std::nullopt, texts.consecutiveSeparators};
    const auto fields = splitCsvFields(line.text);
    if (fields.size() < minCsvFields || fields.size() > maxCsvFields)
        return {std::nullopt, atLine(csvFile, line.number) +
                                  texts.fieldCount.arg(number(fields.size()), number(minCsvFields),
                                                       number(maxCsvFields)) +
                                  texts.readStopped};
    if (auto problem = controlCharacterProblem(fields))
        return {std::nullopt, rowRefusal(csvFile, line.number, *problem)};
    if (auto problem = sealNameProblem(fields[Name]))
        return {std::nullopt, rowRefusal(csvFile, line.number, *problem)};
    SealRecord seal;
    seal.name = fields[Name];
    seal.password = passwordAsTyped(fields[Password]);
    const bool passwordUpperCased = seal.password != fields[Password];
    auto& d = seal.definition;
    d.up1 = fields[Up1];
    d.up2 = fields[Up2];
    d.down = fields[Down];
    d.profile = fields[Profile];
    d.sizeX = fields[SizeX];
    d.sizeY = fields[SizeY];
    d.format = fields[Format];
    // Checked before the profile is read: a profile is looked for in the seal folder only.
    if (auto problem = sealTextProblem(d))
        return {std::nullopt, rowRefusal(csvFile, line.number, *problem)};
    d.fonts = fontsForNewSeal(index_.sealFolder(), d.profile);
    if (auto problem = sealTextProblem(d))
        return {std::nullopt, rowRefusal(csvFile, line.number, *problem)};
    return {std::move(seal), {}, passwordUpperCased};
}

std::optional<std::string> CsvImport::readFile(const std::filesystem::path& csvFile,
                                               const QString& unreadable) {
    std::error_code error;
    auto content = readRegularFile(csvFile, maxCsvFileBytes, error);
    if (!content) {
        const QString cause = readFailureCause(csvFile, error);
        prompter_.showMessage(cause.isEmpty() ? unreadable : unreadable + QLatin1Char('\n') + cause,
                              MessageIcon::Error);
    }
    return content;
}

// A row whose name differs only in letter case from an earlier row or from a
// registered seal: both would be one section of the index.
std::optional<QString> CsvImport::caseProblem(const RowName& row,
                                              const std::vector<RowName>& before,
                                              const std::vector<std::string>& registered,
                                              const std::filesystem::path& csvFile) const {
    if (const RowName* twin = caseTwin(before, row.name))
        return atLine(csvFile, row.line) +
               csvImportTexts().caseOnlyInFile.arg(displaySealName(row.name), number(twin->line),
                                                   displaySealName(twin->name)) +
               csvImportTexts().readStopped;
    for (const std::string& name : registered)
        if (namesDifferOnlyInCase(name, row.name))
            return rowRefusal(csvFile, row.line, caseOnlyDifferenceMessage(row.name, name));
    return std::nullopt;
}

// Pass 1: the number of rows, or why the file may not be imported (after its message).
CsvImport::FileCheck CsvImport::checkFile(const std::filesystem::path& csvFile) {
    const auto content = readFile(csvFile, csvImportTexts().unreadableFirstPass);
    if (!content)
        return {0, ImportStatus::FileUnreadable};
    std::istringstream in(*content);
    CsvLineReader reader(in);
    CsvLine line;
    const std::vector<std::string> registered = index_.names();
    std::vector<RowName> rowNames;
    while (reader.next(line)) {
        if (!line.isRow())
            continue;
        const Row row = readRow(line, csvFile);
        if (!row.seal) {
            prompter_.showMessage(row.problem, MessageIcon::Error);
            return {static_cast<int>(rowNames.size()), ImportStatus::Stopped};
        }
        const RowName name{row.seal->name, line.number};
        if (const auto problem = caseProblem(name, rowNames, registered, csvFile)) {
            prompter_.showMessage(*problem, MessageIcon::Error);
            return {static_cast<int>(rowNames.size()), ImportStatus::Stopped};
        }
        rowNames.push_back(name);
    }
    return {static_cast<int>(rowNames.size()), std::nullopt};
}

bool CsvImport::importRow(const SealRecord& seal, int imported) {
    const CsvImportTexts& texts = csvImportTexts();
    const SealWriteResult written = writeSeal(index_, seal, SealEntryKind::New, versionText_);
    switch (written.status) {
    case SealWriteStatus::Written:
        return true;
    case SealWriteStatus::Refused:
        // Another program may have registered seals since pass 1.
        if (written.reason == SealRefusal::NameTaken)
            prompter_.showMessage(texts.duplicateName.arg(fromCp932(seal.name)),
                                  MessageIcon::Error);
        else if (written.reason == SealRefusal::IndexFull)
            // The rows before stay registered, and no completion message will count them.
            prompter_.showMessage(texts.tooManySeals + QLatin1Char('\n') +
                                      texts.importedBeforeStop.arg(imported),
                                  MessageIcon::Error);
        else
            prompter_.showMessage(written.refusal, MessageIcon::Error);
        return false;
    case SealWriteStatus::SealFileFailed:
        prompter_.showMessage(
            withWriteFailureCause(texts.sealFileFailed.arg(fromCp932(written.sealFilePath)),
                                  written.error),
            MessageIcon::Error);
        return false;
    case SealWriteStatus::IndexFailed:
        prompter_.showMessage(
            withWriteFailureCause(texts.indexFailed.arg(fromCp932(index_.path())), written.error),
            MessageIcon::Error);
        return false;
    }
    return false;
}

// Pass 2: the rows in file order, each checked again since the file may have
// changed since pass 1.
ImportResult CsvImport::importRows(const std::filesystem::path& csvFile, int rows) {
    const auto content = readFile(csvFile, csvImportTexts().unreadableSecondPass);
    if (!content)
        return {ImportStatus::FileUnreadable, 0};
    std::istringstream in(*content);
    CsvLineReader reader(in);
    CsvLine line;
    ImportResult result{ImportStatus::Completed, 0, 0};
    missingProfiles_.clear();
    int& imported = result.imported;
    while (reader.next(line)) {
        if (!line.isRow())
            continue;
        if (progress_ && !progress_(imported, rows))
            return stop(ImportStatus::Cancelled, csvImportTexts().cancelled.arg(imported),
                        imported);
        // The seal folder first, so that a new folder's default profile gives the
        // fonts of its first seal too.
        prepareSealFolder(index_.sealFolder());
        const Row row = readRow(line, csvFile);
        if (!row.seal)
            return stop(ImportStatus::Stopped, row.problem, imported);
        if (!importRow(*row.seal, imported))
            return {ImportStatus::Stopped, imported, result.passwordsUpperCased};
        ++imported;
        result.passwordsUpperCased += row.passwordUpperCased ? 1 : 0;
        const SealDefinition& definition = row.seal->definition;
        if (!profileIsReadable(index_.sealFolder(), definition.profile))
            missingProfiles_.push_back({line.number, row.seal->name, definition.profile});
    }
    if (progress_)
        progress_(imported, rows);
    return result;
}

ImportResult CsvImport::run(const std::filesystem::path& csvFile) {
    const CsvImportTexts& texts = csvImportTexts();
    if (csvFile.empty())
        return stop(ImportStatus::Stopped, texts.noCsvFile, 0);
    const FileCheck check = checkFile(csvFile);
    if (check.failed)
        return {*check.failed, 0};
    if (!index_.hasRoomFor(check.rows))
        return stop(ImportStatus::Stopped, texts.tooManySeals, 0);
    const ImportResult result = importRows(csvFile, check.rows);
    if (result.status == ImportStatus::Completed) {
        QString message = texts.completed.arg(result.imported);
        if (result.passwordsUpperCased > 0)
            message +=
                QLatin1Char('\n') + texts.passwordsUpperCased.arg(result.passwordsUpperCased);
        if (!missingProfiles_.empty()) {
            QStringList rows;
            for (const MissingProfile& missing : missingProfiles_)
                rows << texts.missingProfileRow.arg(number(missing.line), fromCp932(missing.name),
                                                    fromCp932(missing.profile));
            message +=
                QLatin1Char('\n') + texts.missingProfiles.arg(rows.join(texts.listSeparator));
        }
        prompter_.showMessage(message, MessageIcon::Information);
    }
    return result;
}

} // namespace vermil
