#include "stamper/view/stamp_view_model.h"

#include "common/cp932.h"
#include "common/interaction/chooser_folder.h"
#include "common/interaction/file_chooser.h"
#include "common/interaction/prompter.h"
#include "stamper/document/embedded_object_file.h"
#include "stamper/document/stamp_document.h"
#include "stamper/sealdialog/stamp_taker.h"
#include "stamper/stamping/stamp_output.h"
#include "stamper/stamping/stamp_transaction.h"
#include "stamper/view/seal_clipboard_copy.h"
#include "stamper/view/stamp_view_texts.h"

namespace vermil {

bool hasSeal(const CVermilinDoc& document) {
    const SealDrawingInput& drawing = document.stamp().drawing;
    return !drawing.upperText1.empty() || !drawing.upperText2.empty() || !drawing.lowerText.empty();
}

StampViewModel::StampViewModel(CVermilinDoc& document, Prompter& prompter,
                               SealClipboardCopy& clipboard)
    : document_(document), prompter_(prompter), clipboard_(clipboard), item_(document),
      profile_(QString::fromLatin1(stamperProfileTitle)) {}

// The embedded object's file, when there is one; the stand-alone window's stamp
// is in the window and on the clipboard alone.
class StampViewModel::ObjectOutput : public StampOutput {
public:
    explicit ObjectOutput(StampViewModel& view) : view_(view) {}
    bool write() override {
        if (!view_.objectFile_)
            return true;
        const std::string error = writeEmbeddedObject(view_.item_, *view_.objectFile_);
        if (error.empty())
            return true;
        view_.prompter_.showMessage(StampViewTexts::of(languageOf(view_.document_.language()))
                                        .objectNotStamped.arg(QString::fromStdString(error)),
                                    MessageIcon::Error);
        return false;
    }

private:
    StampViewModel& view_;
};

void StampViewModel::objectOpened() {
    copyToClipboard();
}

void StampViewModel::firstUpdate() {
    if (document_.autoStamp() == 2 && document_.rememberPassword())
        stamp();
}

bool StampViewModel::stamp() {
    if (!taker_)
        return false;
    StampTransaction stamping(document_, prompter_, profile_);
    ObjectOutput output(*this);
    if (stamping.run(*taker_, output) != StampTransaction::Outcome::Made)
        return false;
    modified_ = !objectFile_; // an embedded object is in its file now
    repaint();
    copyToClipboard();
    return true;
}

bool StampViewModel::updateObject() {
    if (!objectFile_ || !writeObject(*objectFile_))
        return false;
    modified_ = false;
    return true;
}

bool StampViewModel::saveCopyAs(FileChooser& chooser) {
    FileChoice choice;
    choice.purpose = FileChoice::Purpose::Save;
    choice.title = StampViewTexts::of(languageOf(document_.language())).saveCopyTitle;
    choice.filter = StampViewTexts::of(languageOf(document_.language())).objectFilter;
    choice.defaultSuffix = QStringLiteral("vrs");
    if (objectFile_)
        choice.initialName = QString::fromStdString(objectFile_->filename().string());
    choice.folder =
        chooserFolder(objectFile_ ? QString::fromStdString(objectFile_->string()) : QString(),
                      document_.hankoFolder());
    const auto chosen = chooser.chooseFile(choice);
    if (!chosen)
        return false;
    return writeObject(std::filesystem::path(chosen->toStdString()));
}

bool StampViewModel::mayClose() {
    if (!objectFile_ || !modified_)
        return true;
    if (updateObject())
        return true;
    return prompter_.askYesNo(
        StampViewTexts::of(languageOf(document_.language()))
            .closeWithoutSaving.arg(QString::fromStdString(objectFile_->string())),
        MessageIcon::Warning);
}

void StampViewModel::copyToClipboard() {
    if (document_.stamp().drawing.copyToClipboard && hasSeal(document_))
        clipboard_.copySeal(document_.stamp());
}

bool StampViewModel::writeObject(const std::filesystem::path& file) {
    const std::string error = writeEmbeddedObject(item_, file);
    if (error.empty())
        return true;
    prompter_.showMessage(StampViewTexts::of(languageOf(document_.language()))
                              .cannotWriteObject.arg(QString::fromStdString(error)),
                          MessageIcon::Error);
    return false;
}

void StampViewModel::repaint() {
    if (repaint_)
        repaint_();
}

} // namespace vermil
