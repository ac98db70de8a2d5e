#include "csv_import.h"

#include "csv_lines.h"

#include "sealfiles/layout_profile.h"
#include "sealfiles/seal_folder.h"
#include "sealfiles/seal_name.h"

#include "common/cp932.h"
#include "common/prompter.h"

#include <fstream>

namespace vermil {
namespace {

enum Column { Name, Password, Up1, Up2, Down, Profile, SizeX, SizeY, Format };

const QString readStopped = QStringLiteral("読み込み処理を中止します。");

QString fileText(const std::filesystem::path& file) {
    return QString::fromStdString(file.string());
}

// Where in the file a refusal lies.
QString atLine(const std::filesystem::path& csvFile, std::size_t number) {
    return QStringLiteral("CSVファイル ") + fileText(csvFile) +
           QStringLiteral(" の%1行目").arg(number);
}

QString consecutiveSeparators() {
    return QStringLiteral("Error356: CSVファイルに連続した区切り文字(カンマ)があります。\n"
                          "d区切り文字の間にスペースを入れてください。");
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
    if (line.isTooLong())
        return {std::nullopt, atLine(csvFile, line.number) +
                                  QStringLiteral("が%1バイトを越えています（%2バイト）。")
                                      .arg(maxCsvLineBytes)
                                      .arg(line.length) +
                                  readStopped};
    if (line.text.find(",,") != std::string::npos)
        return {std::nullopt, consecutiveSeparators()};
    const auto fields = splitCsvFields(line.text);
    if (fields.size() < minCsvFields || fields.size() > maxCsvFields)
        return {std::nullopt, atLine(csvFile, line.number) +
                                  QStringLiteral("の項目数が%1です。%2から%3の項目が必要です。")
                                      .arg(fields.size())
                                      .arg(minCsvFields)
                                      .arg(maxCsvFields) +
                                  readStopped};
    if (auto problem = sealNameProblem(fields[Name]))
        return {std::nullopt,
                atLine(csvFile, line.number) + QStringLiteral(": ") + *problem + readStopped};
    SealRecord seal;
    seal.name = fields[Name];
    seal.password = fields[Password];
    auto& d = seal.definition;
    d.up1 = fields[Up1];
    d.up2 = fields[Up2];
    d.down = fields[Down];
    d.profile = fields[Profile];
    d.sizeX = fields[SizeX];
    d.sizeY = fields[SizeY];
    d.format = fields[Format];
    d.fonts = fontsForNewSeal(index_.sealFolder(), d.profile);
    if (auto problem = sealTextProblem(d))
        return {std::nullopt,
                atLine(csvFile, line.number) + QStringLiteral(": ") + *problem + readStopped};
    return {std::move(seal), {}};
}

// Pass 1: the number of rows, or why the file may not be imported (after its message).
CsvImport::FileCheck CsvImport::checkFile(const std::filesystem::path& csvFile) {
    std::error_code ec;
    std::ifstream in(csvFile, std::ios::binary);
    if (!in || std::filesystem::is_directory(csvFile, ec)) {
        prompter_.showMessage(
            QStringLiteral("Error352: ファイルエラー:CSVファイルが開けない可能性があります。"),
            MessageIcon::Error);
        return {0, ImportStatus::FileUnreadable};
    }
    CsvLineReader reader(in);
    CsvLine line;
    int rows = 0;
    while (reader.next(line)) {
        if (!line.isRow())
            continue;
        const Row row = readRow(line, csvFile);
        if (!row.seal) {
            prompter_.showMessage(row.problem, MessageIcon::Error);
            return {rows, ImportStatus::Stopped};
        }
        ++rows;
    }
    return {rows, std::nullopt};
}

bool CsvImport::importRow(const SealRecord& seal) {
    const SealWriteResult written = writeSeal(index_, seal, SealEntryKind::New, versionText_);
    switch (written.status) {
    case SealWriteStatus::Written:
        return true;
    case SealWriteStatus::Refused:
        prompter_.showMessage(written.refusal, MessageIcon::Error);
        return false;
    case SealWriteStatus::SealFileFailed:
        prompter_.showMessage(QStringLiteral("Error357: Vermilファイル ") +
                                  fromCp932(written.sealFilePath) +
                                  QStringLiteral(" への書き込みに失敗しました。\nVermilデータ"
                                                 "フォルダー(vrdata)のアクセス権限を確認して"
                                                 "ください。"),
                              MessageIcon::Error);
        return false;
    case SealWriteStatus::IndexFailed:
        prompter_.showMessage(QStringLiteral("Error 359: インデックスファイル ") +
                                  fromCp932(index_.path()) +
                                  QStringLiteral(" への書き込みに失敗しました。\nインデックス"
                                                 "ファイルのアクセス権限を確認してください。"),
                              MessageIcon::Error);
        return false;
    }
    return false;
}

// Pass 2: the rows in file order, each checked again since the file may have
// changed since pass 1.
ImportResult CsvImport::importRows(const std::filesystem::path& csvFile, int rows) {
    std::ifstream in(csvFile, std::ios::binary);
    if (!in)
        return stop(ImportStatus::FileUnreadable,
                    QStringLiteral("ファイルエラー:CSVファイルが開けない可能性があります。"), 0);
    CsvLineReader reader(in);
    CsvLine line;
    int imported = 0;
    while (reader.next(line)) {
        if (!line.isRow())
            continue;
        if (progress_ && !progress_(imported, rows))
            return stop(ImportStatus::Cancelled,
                        QStringLiteral("インポート処理を中止しました。\n登録数：%1").arg(imported),
                        imported);
        // The seal folder first, so that a new folder's default profile gives the
        // fonts of its first seal too.
        prepareSealFolder(index_.sealFolder());
        const Row row = readRow(line, csvFile);
        if (!row.seal)
            return stop(ImportStatus::Stopped, row.problem, imported);
        if (index_.contains(row.seal->name))
            return stop(ImportStatus::Stopped,
                        QStringLiteral("Error353: 日付印名  ") + fromCp932(row.seal->name) +
                            QStringLiteral("  が重複しました。処理を中止します。"),
                        imported);
        if (!importRow(*row.seal))
            return {ImportStatus::Stopped, imported};
        ++imported;
    }
    if (progress_)
        progress_(imported, rows);
    return {ImportStatus::Completed, imported};
}

ImportResult CsvImport::run(const std::filesystem::path& csvFile) {
    if (csvFile.empty())
        return stop(ImportStatus::Stopped,
                    QStringLiteral("入力ファイル名(CSV)が設定されていません\n設定してください。\n"),
                    0);
    const FileCheck check = checkFile(csvFile);
    if (check.failed)
        return {*check.failed, 0};
    if (!index_.hasRoomFor(check.rows))
        return stop(ImportStatus::Stopped,
                    QStringLiteral("Error351: 最大登録数100を越える可能性があります。読み込み処理を"
                                   "中止します。"),
                    0);
    const ImportResult result = importRows(csvFile, check.rows);
    if (result.status == ImportStatus::Completed)
        prompter_.showMessage(
            QStringLiteral("インポート処理が完了しました。\n登録数：%1").arg(result.imported),
            MessageIcon::Information);
    return result;
}

} // namespace vermil
