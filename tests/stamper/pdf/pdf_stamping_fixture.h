#pragma once

// A stamp document over a hanko folder with two registered seals, a seal dialog
// that answers without a window, and PDFs made in the test: what the PDF page
// view's model and widget tests stand on.
#include "common/user_profile.h"
#include "sealfiles/seal_writer.h"
#include "stamper/sealdialog/seal_dialog_document.h"
#include "stamper/sealdialog/stamp_taker.h"
#include "tests/stamper/document_fixture.h"
#include "tests/stamper/pdf/tiny_pdf.h"
#include "tests/support/recording_choosers.h"

#include <gtest/gtest.h>

namespace vermil::test {

// The seal dialog as a user answers it: the seal named, the right password, OK;
// no seal named: Cancel. Like the dialog, it writes nothing.
class AnsweringTaker : public StampTaker {
public:
    std::optional<AcceptedStamp> takeStamp(const CVermilinDoc& document) override {
        ++calls;
        if (!seal)
            return std::nullopt;
        RecordingPrompter prompter;
        UserProfile profile{QString::fromLatin1(stamperProfileTitle)};
        SealDialogModel model(sealDialogInputsOf(document), prompter, profile);
        model.start();
        const auto row = model.rowOf(*seal);
        if (!row || !model.selectSeal(*row))
            return std::nullopt;
        model.setPassword(password);
        if (model.accept() != SealDialogModel::Outcome::Accepted)
            return std::nullopt;
        return model.accepted();
    }

    std::optional<std::string> seal = std::string("small");
    std::string password = "PW";
    int calls = 0;
};

struct PdfStampingFixture {
    // "small" is 21 x 15 mm and the seal used last; "large" is 60 x 60 mm.
    explicit PdfStampingFixture(const std::string& language = "English")
        : fixture("[MAIN]\r\nLang=" + language + "\r\n[VERMILIN]\r\nListBox=small\r\n") {
        document = fixture.open();
        addSeal("small", "21", "15");
        addSeal("large", "60", "60");
    }

    void addSeal(const std::string& name, const std::string& width, const std::string& height) {
        SealRecord seal;
        seal.name = name;
        seal.password = "PW";
        seal.definition.up1 = sjis("経理部");
        seal.definition.down = sjis("山田");
        seal.definition.format = "'YY.MM.DD";
        seal.definition.sizeX = width;
        seal.definition.sizeY = height;
        ASSERT_EQ(writeSeal(SealIndex(document->indexPath()), seal, SealEntryKind::New).status,
                  SealWriteStatus::Written);
    }

    std::filesystem::path logFile() const { return nativePath(document->logFilePath()); }
    std::string log() const {
        return std::filesystem::exists(logFile()) ? readFile(logFile()) : std::string();
    }

    std::filesystem::path writePdf(const std::string& name, const std::vector<TinyPage>& pages) {
        const std::filesystem::path file = dir / name;
        writeFile(file, tinyPdf(pages));
        return file;
    }

    DocumentFixture fixture;
    std::unique_ptr<CVermilinDoc> document;
    TempDir dir;
    RecordingPrompter prompter;
    RecordingFileChooser chooser;
    AnsweringTaker taker;
};

} // namespace vermil::test
