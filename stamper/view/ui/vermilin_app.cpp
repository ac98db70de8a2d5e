#include "stamper/view/ui/vermilin_app.h"

#include "stamper/pdf/ui/stamp_pdf_command.h"
#include "stamper/view/ui/main_frame.h"
#include "stamper/view/ui/program_dialogs.h"
#include "stamper/view/ui/stamp_view.h"

#include "common/interaction/stderr_prompter.h"
#include "render/seal_font_check.h"
#include "render/seal_fonts.h"
#include "stamper/document/embedded_object_file.h"
#include "stamper/document/server_registration.h"
#include "stamper/document/stamp_document.h"
#include "stamper/sealdialog/password_changer.h"
#include "stamper/view/main_frame_texts.h"
#include "stamper/view/program_start.h"
#include "stamper/view/seal_clipboard_copy.h"
#include "stamper/view/stamp_view_model.h"
#include "stamper/view/stamp_view_texts.h"
#include "widgets/dialog_file_chooser.h"
#include "widgets/message_box_prompter.h"

#include <QAction>

#include <iostream>
#include <memory>

namespace vermil {
namespace {

// Message boxes need someone to answer them; on a platform without a screen
// (offscreen, minimal) messages go to stderr and questions are answered No.
bool hasScreen() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

class ProgramPrompter : public Prompter {
public:
    explicit ProgramPrompter(const QString& caption) {
        if (hasScreen())
            boxes_.emplace(caption);
    }
    void setParentWidget(QWidget* parent) {
        if (boxes_)
            boxes_->setParentWidget(parent);
    }
    void showMessage(const QString& text, MessageIcon icon) override {
        boxes_ ? boxes_->showMessage(text, icon) : stderr_.showMessage(text, icon);
    }
    bool askYesNo(const QString& text, MessageIcon icon) override {
        return boxes_ ? boxes_->askYesNo(text, icon) : stderr_.askYesNo(text, icon);
    }

private:
    std::optional<MessageBoxPrompter> boxes_;
    StderrPrompter stderr_;
};

// The window's language: the document's, unless it has none.
Language frameLanguage(const CVermilinDoc& document, const std::string& atStart) {
    return languageOf(document.language().empty() ? atStart : document.language());
}

} // namespace

CVermilinApp::CVermilinApp(int& argc, char** argv) : application_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("vermilin"));
    QApplication::setOrganizationName(QStringLiteral("Ombrel"));
    installSealFontSubstitutions();
    language_ = programStartLanguage();
    qtTranslation_.follow(languageOf(language_));
}

// A message on stderr starts with the program's name, as every verb's does
// (VerbCall::error()): the prefix is the message's syntax, not a text.
constexpr std::string_view stderrPrefix = "vermilin: ";

int CVermilinApp::runStandAlone() {
    // A failed registration does not stop the program; the terminal is told.
    const RegistrationResult registration = registerServer(userDataHome(), languageOf(language_));
    if (!registration.error.empty())
        std::cerr << stderrPrefix << registration.error << "\n";
    return runWindow(std::nullopt, {});
}

int CVermilinApp::runEmbedded(const std::filesystem::path& file) {
    const EmbeddedObjectRead read = readEmbeddedObject(file);
    if (!read.ok) {
        std::cerr << stderrPrefix << read.error << "\n";
        if (hasScreen()) {
            const Language language = languageOf(language_);
            MessageBoxPrompter(MainFrameTexts::of(MenuSet::Embedded, language).windowTitle)
                .showMessage(StampViewTexts::of(language).cannotOpenObject.arg(
                                 QString::fromStdString(read.error)),
                             MessageIcon::Error);
        }
        return 2;
    }
    return runWindow(file, read.nativeData);
}

int CVermilinApp::runWindow(const std::optional<std::filesystem::path>& file,
                            const std::string& nativeData) {
    const MenuSet set = file ? MenuSet::Embedded : MenuSet::Main;
    ProgramPrompter prompter(MainFrameTexts::of(set, languageOf(language_)).windowTitle);
    DialogFileChooser chooser;
    ProgramDialogs dialogs(prompter, chooser);
    CVermilinDoc document(prompter, dialogs);
    if (!nativeData.empty())
        document.loadNativeData(nativeData); // checked when FILE was read

    SystemSealClipboard clipboard;
    StampViewModel model(document, prompter, clipboard);
    model.setStampTaker(taker_);
    if (file)
        model.setObjectFile(*file);

    qtTranslation_.follow(frameLanguage(document, language_));
    CMainFrame frame(set, frameLanguage(document, language_));
    auto* view = new CVermilinView(model, &frame);
    frame.setCentralWidget(view);
    if (file)
        frame.setDocumentName(QString::fromStdString(file->filename().string()));
    prompter.setParentWidget(&frame);
    chooser.setParentWidget(&frame);
    dialogs.setParentWidget(&frame);

    model.setRepaint([&frame, &model, view] {
        view->update();
        frame.setWindowModified(model.isModified());
    });
    frame.setCloseGuard([&model] { return model.mayClose(); });
    frame.action(FrameCommand::Stamp)->setEnabled(model.canStamp());
    if (QAction* stampPdf = frame.action(FrameCommand::StampPdf))
        stampPdf->setEnabled(taker_ != nullptr);
    if (QAction* change = frame.action(FrameCommand::ChangePassword))
        change->setEnabled(changer_ != nullptr);

    QObject::connect(&frame, &CMainFrame::commandTriggered, &frame, [&](FrameCommand command) {
        switch (command) {
        case FrameCommand::Exit:
            frame.close();
            break;
        case FrameCommand::Update:
            model.updateObject();
            break;
        case FrameCommand::SaveCopyAs:
            model.saveCopyAs(chooser);
            break;
        case FrameCommand::Stamp:
            model.stamp();
            break;
        case FrameCommand::StampPdf:
            if (taker_)
                runStampPdfCommand(document, prompter, chooser, *taker_, &frame);
            view->update(); // the document holds the stamp made in the PDF
            break;
        case FrameCommand::CheckStamp:
            dialogs.showStampInformation(document);
            break;
        case FrameCommand::LogFile:
            dialogs.editLogPath(document);
            break;
        case FrameCommand::Settings:
            dialogs.editIndexSettings(document);
            qtTranslation_.follow(frameLanguage(document, language_));
            frame.applyTexts(frameLanguage(document, language_));
            break;
        case FrameCommand::ChangePassword:
            if (changer_)
                changer_->changePassword(document);
            break;
        case FrameCommand::About:
            dialogs.showAbout(frameLanguage(document, language_));
            break;
        case FrameCommand::ToolBar:
        case FrameCommand::StatusBar:
            break; // the frame shows and hides its bars itself
        }
        frame.setWindowModified(model.isModified());
    });

    model.objectOpened();
    frame.show();
    warnOfMissingSealFonts(prompter, frameLanguage(document, language_),
                           installedSealFontAvailability());
    return application_.exec();
}

} // namespace vermil
