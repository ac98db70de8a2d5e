#include "common/cli/verb_runner_texts.h"
#include "common/files/file_message_texts.h"
#include "common/files/write_failure_texts.h"
#include "logcheck/checker_dialog_texts.h"
#include "logcheck/trailscan_verb_texts.h"
#include "manager/cli/vrmgr_verb_texts.h"
#include "manager/import/csv_import_texts.h"
#include "manager/import/import_dialog_texts.h"
#include "manager/manager_dialog_texts.h"
#include "manager/manager_setting_texts.h"
#include "manager/sealform/font_detail_texts.h"
#include "manager/sealform/seal_form_texts.h"
#include "render/seal_picture_texts.h"
#include "sealfiles/seal_message_texts.h"
#include "stamper/cli/stamp_verb_texts.h"
#include "stamper/document/stamp_document_texts.h"
#include "stamper/document/stamp_information_label_texts.h"
#include "stamper/pdf/pdf_problem_texts.h"
#include "stamper/pdf/pdf_stamp_view_texts.h"
#include "stamper/sealdialog/password_change_texts.h"
#include "stamper/sealdialog/seal_dialog_texts.h"
#include "stamper/settings/language_dialog_texts.h"
#include "stamper/settings/log_path_dialog_texts.h"
#include "stamper/settings/settings_dialog_texts.h"
#include "stamper/stamping/stamp_transaction_texts.h"
#include "stamper/view/main_frame_texts.h"
#include "stamper/view/stamp_information_texts.h"
#include "stamper/view/stamp_view_texts.h"
#include "stamplog/stamp_log_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace vermil {
namespace {

struct Table {
    std::string_view stem; // the texts file, without .h or .cpp
    std::string_view name;
    std::vector<TextsRow> (*rows)();
};

// Every texts table. The build hands the test every *_texts file it finds, and
// EveryTextsFileIsWalked fails on one that has no table here.
const Table tables[] = {
    {"common/files/write_failure_texts", "WriteFailureTexts", &WriteFailureTexts::rows},
    {"common/cli/verb_runner_texts", "VerbRunnerTexts", &VerbRunnerTexts::rows},
    {"common/files/file_message_texts", "FileMessageTexts", &FileMessageTexts::rows},
    {"logcheck/checker_dialog_texts", "CheckerDialogTexts", &CheckerDialogTexts::rows},
    {"logcheck/trailscan_verb_texts", "TrailscanVerbTexts", &TrailscanVerbTexts::rows},
    {"manager/cli/vrmgr_verb_texts", "VrmgrVerbTexts", &VrmgrVerbTexts::rows},
    {"manager/cli/vrmgr_verb_texts", "VrmgrHelpTexts", &VrmgrHelpTexts::rows},
    {"manager/import/csv_import_texts", "CsvImportTexts", &CsvImportTexts::rows},
    {"manager/import/import_dialog_texts", "ImportDialogTexts", &ImportDialogTexts::rows},
    {"manager/manager_dialog_texts", "ManagerDialogTexts", &ManagerDialogTexts::rows},
    {"manager/manager_dialog_texts", "VersionBoxTexts", &VersionBoxTexts::rows},
    {"manager/manager_dialog_texts", "ManagerMessages", &ManagerMessages::rows},
    {"manager/manager_setting_texts", "ManagerSettingTexts", &ManagerSettingTexts::rows},
    {"manager/sealform/font_detail_texts", "FontDetailTexts", &FontDetailTexts::rows},
    {"manager/sealform/seal_form_texts", "SealFormTexts (register)", &SealFormTexts::registerRows},
    {"manager/sealform/seal_form_texts", "SealFormTexts (edit)", &SealFormTexts::editRows},
    {"manager/sealform/seal_form_texts", "SealFormMessages", &SealFormMessages::rows},
    {"render/seal_picture_texts", "SealPictureTexts", &SealPictureTexts::rows},
    {"sealfiles/seal_message_texts", "SealMessageTexts", &SealMessageTexts::rows},
    {"stamper/cli/stamp_verb_texts", "StampVerbTexts", &StampVerbTexts::rows},
    {"stamper/cli/stamp_verb_texts", "VermilinHelpTexts", &VermilinHelpTexts::rows},
    {"stamper/document/stamp_document_texts", "StampDocumentTexts", &StampDocumentTexts::rows},
    {"stamper/document/stamp_information_label_texts", "StampInformationLabelTexts",
     &StampInformationLabelTexts::rows},
    {"stamper/pdf/pdf_problem_texts", "PdfProblemTexts", &PdfProblemTexts::rows},
    {"stamper/pdf/pdf_problem_texts", "PdfDamageTexts", &PdfDamageTexts::rows},
    {"stamper/pdf/pdf_stamp_view_texts", "PdfStampViewTexts", &PdfStampViewTexts::rows},
    {"stamper/pdf/pdf_stamp_view_texts", "StampedCopyTexts", &StampedCopyTexts::rows},
    {"stamper/sealdialog/password_change_texts", "PasswordChangeTexts", &PasswordChangeTexts::rows},
    {"stamper/sealdialog/seal_dialog_texts", "SealDialogTexts", &SealDialogTexts::rows},
    {"stamper/settings/language_dialog_texts", "LanguageDialogTexts", &LanguageDialogTexts::rows},
    {"stamper/settings/log_path_dialog_texts", "LogPathDialogTexts", &LogPathDialogTexts::rows},
    {"stamper/settings/settings_dialog_texts", "SettingsDialogTexts", &SettingsDialogTexts::rows},
    {"stamper/stamping/stamp_transaction_texts", "StampTransactionTexts",
     &StampTransactionTexts::rows},
    {"stamper/view/main_frame_texts", "MainFrameTexts", &MainFrameTexts::rows},
    {"stamper/view/main_frame_texts", "AboutTexts", &AboutTexts::rows},
    {"stamper/view/stamp_information_texts", "StampInformationTexts", &StampInformationTexts::rows},
    {"stamper/view/stamp_view_texts", "StampViewTexts", &StampViewTexts::rows},
    {"stamplog/stamp_log_texts", "StampLogTexts", &StampLogTexts::rows},
};

std::vector<std::string> textsFilesOfTheBuild() {
    std::vector<std::string> files;
    std::string_view list = VERMIL_TEXTS_FILES;
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        files.emplace_back(list.substr(0, comma));
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return files;
}

std::string stemOf(std::string file) {
    return file.substr(0, file.rfind('.'));
}

// The places a text leaves for values: QString::arg's %1..%99 (and %L1), and
// printf's %s, %d, %u, %f.
std::multiset<std::string> placeholdersIn(std::string_view text) {
    std::multiset<std::string> found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        std::size_t end = i + 1;
        if (text[end] == 'L')
            ++end;
        const std::size_t digits = end;
        while (end < text.size() && end - digits < 2 &&
               std::isdigit(static_cast<unsigned char>(text[end])))
            ++end;
        if (end > digits)
            found.emplace(text.substr(i, end - i));
        else if (std::string_view("sduf").find(text[i + 1]) != std::string_view::npos)
            found.emplace(text.substr(i, 2));
    }
    return found;
}

std::string joined(const std::multiset<std::string>& placeholders) {
    std::string text;
    for (const std::string& placeholder : placeholders)
        text += placeholder + ' ';
    return text;
}

TEST(TextsTables, EveryTextsFileIsWalked) {
    const std::vector<std::string> files = textsFilesOfTheBuild();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        const std::string stem = stemOf(file);
        const bool walked = std::any_of(std::begin(tables), std::end(tables),
                                        [&](const Table& table) { return table.stem == stem; });
        EXPECT_TRUE(walked) << file << " holds texts that no table of this test walks";
    }
}

// A caption the system has in one form only is written as the same in both;
// one that is left out on purpose is absent. Neither is ever empty.
TEST(TextsTables, EveryCaptionHasBothForms) {
    for (const Table& table : tables)
        for (const TextsRow& row : table.rows()) {
            if (!row.caption)
                continue;
            EXPECT_FALSE(row.caption->japanese.empty())
                << table.name << "::" << row.name << " has no Japanese form";
            EXPECT_FALSE(row.caption->english.empty())
                << table.name << "::" << row.name << " has no English form";
        }
}

TEST(TextsTables, BothFormsLeaveTheSamePlaces) {
    for (const Table& table : tables)
        for (const TextsRow& row : table.rows()) {
            if (!row.caption)
                continue;
            const auto japanese = placeholdersIn(row.caption->japanese);
            const auto english = placeholdersIn(row.caption->english);
            EXPECT_EQ(japanese, english) << table.name << "::" << row.name << ": Japanese has "
                                         << joined(japanese) << "English has " << joined(english);
        }
}

TEST(TextsTables, PlaceholdersAreFound) {
    EXPECT_EQ(joined(placeholdersIn("%2中 NG %1 行 — %L3 %s 100%")), "%1 %2 %L3 %s ");
}

// The edit dialog fills the struct the register dialog's rows declare.
TEST(TextsTables, EditDialogHasEveryRegisterDialogCaption) {
    std::vector<std::string_view> registerNames;
    std::vector<std::string_view> editNames;
    for (const TextsRow& row : SealFormTexts::registerRows())
        registerNames.push_back(row.name);
    for (const TextsRow& row : SealFormTexts::editRows())
        editNames.push_back(row.name);
    EXPECT_EQ(registerNames, editNames);
}

} // namespace
} // namespace vermil
