// The view's logic and the server item without a display: the stamp command with
// a seal dialog that answers from a script, the automatic stamp of the first
// update, the embedding writes of FILE and its pictures, and the item's extent.
#include "stamper/document/embedded_object_file.h"
#include "stamper/document/native_data.h"
#include "stamper/document/vermilin_srvr_item.h"
#include "stamper/view/seal_clipboard_copy.h"
#include "stamper/view/stamp_view_model.h"
#include "tests/stamper/document_fixture.h"
#include "tests/stamper/scripted_stamp.h"

#include "tests/support/recording_choosers.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

#include <gtest/gtest.h>

using namespace vermil;
using namespace vermil::test;

namespace {

class RecordingClipboard : public SealClipboardCopy {
public:
    void copySeal(const StampRecord& stamp) override { copies.push_back(stamp.drawing.lowerText); }
    std::vector<std::string> copies;
};

void setUserValue(const char* key, const char* value) {
    UserProfile(QString::fromLatin1(stamperProfileTitle))
        .setUserValue(QString::fromLatin1(key), QString::fromLatin1(value));
}

class StampView : public ::testing::Test {
protected:
    StampView() : document(fixture.open()), model(*document, prompter, clipboard) {
        model.setStampTaker(&taker);
        model.setRepaint([this] { ++repaints; });
    }

    DocumentFixture fixture;
    std::unique_ptr<CVermilinDoc> document;
    RecordingPrompter prompter;
    RecordingClipboard clipboard;
    ScriptedStampTaker taker;
    StampViewModel model;
    int repaints = 0;
};

} // namespace

TEST(ServerItem, ExtentIsTheSealSizeInHundredthsOfAMillimetre) {
    DocumentFixture fixture;
    auto document = fixture.open();
    CVermilinSrvrItem item(*document);
    struct Case {
        const char* x;
        const char* y;
        bool ok;
        QSize extent;
    } const cases[] = {
        {"19", "19", true, {1900, 1900}}, {"16", "16", true, {1600, 1600}},
        {"18", "21", true, {1800, 2100}}, {" 19mm", "+16", true, {1900, 1600}},
        {"abc", "19", false, {0, 0}},     {"19", "", false, {0, 0}},
        {"-5", "19", false, {0, 0}},
    };
    for (const Case& c : cases) {
        document->stamp().sizeX = c.x;
        document->stamp().sizeY = c.y;
        QSize extent(-1, -1);
        EXPECT_EQ(item.getExtent(DrawAspect::Content, extent), c.ok) << c.x << " " << c.y;
        EXPECT_EQ(extent, c.extent) << c.x << " " << c.y;
    }
    document->stamp().sizeX = "19";
    document->stamp().sizeY = "19";
    for (DrawAspect other : {DrawAspect::Thumbnail, DrawAspect::Icon, DrawAspect::DocPrint}) {
        QSize extent(-1, -1);
        EXPECT_FALSE(item.getExtent(other, extent));
        EXPECT_EQ(extent, QSize(0, 0));
    }
}

TEST(ServerItem, SerializesTheNativeDataAndDrawsForTheContainer) {
    DocumentFixture fixture;
    auto document = fixture.open();
    CVermilinSrvrItem item(*document);
    const auto drawn = [&item] {
        QImage image(200, 200, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        EXPECT_TRUE(item.draw(painter, QRect(0, 0, 200, 200)));
        painter.end();
        return image;
    };
    const auto hasRed = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QColor c = image.pixelColor(x, y); c.red() > 200 && c.green() < 120)
                    return true;
        return false;
    };
    EXPECT_FALSE(hasRed(drawn())); // the grey outline of a stamp never made

    const std::string stamped = readFile(dataFile("stamper/SealStamp.bin"));
    item.deserialize(stamped);
    EXPECT_EQ(document->stamp().drawing.lowerText, sjis("山田"));
    document->stamp().drawing.colour = 0x0000FF;
    EXPECT_TRUE(hasRed(drawn()));
    const std::string again = item.serialize();
    EXPECT_EQ(readNativeData(again).drawing.lowerText, sjis("山田"));
    EXPECT_THROW(item.deserialize(stamped.substr(0, 20)), NativeDataError);
    EXPECT_EQ(document->stamp().drawing.lowerText, sjis("山田"));
}

TEST_F(StampView, AutoStamp2RunsTheStampAtOnceOnlyWithARememberedPassword) {
    struct Case {
        const char* autoStamp;
        const char* cpw;
        bool stamps;
    } const cases[] = {
        {"2", "0", false},
        {"2", "1", true},
        {"1", "1", false},
        {"0", "1", false},
    };
    for (const Case& c : cases) {
        setUserValue("AutoStamp", c.autoStamp);
        setUserValue("cpw", c.cpw);
        auto opened = fixture.open();
        StampViewModel view(*opened, prompter, clipboard);
        ScriptedStampTaker dialog;
        dialog.answer = keiriStamp();
        view.setStampTaker(&dialog);
        view.firstUpdate();
        EXPECT_EQ(dialog.seenLastSeals.size(), c.stamps ? 1u : 0u) << c.autoStamp << c.cpw;
        EXPECT_EQ(hasSeal(*opened), c.stamps);
    }
}

TEST_F(StampView, ACancelledStampLeavesTheDocumentAndFileUntouched) {
    const std::filesystem::path file = fixture.hanko / "object.vrs";
    const std::string stored = readFile(dataFile("stamper/SealStamp.bin"));
    writeFile(file, stored);
    const EmbeddedObjectRead read = readEmbeddedObject(file);
    ASSERT_TRUE(read.ok) << read.error;
    document->loadNativeData(read.nativeData);
    model.setObjectFile(file);
    document->stamp().drawing.copyToClipboard = true;
    const std::string before = document->saveNativeData();
    const auto writtenAt = std::filesystem::last_write_time(file);

    taker.answer = std::nullopt;
    EXPECT_FALSE(model.stamp());
    EXPECT_EQ(taker.seenLastSeals.size(), 1u);
    EXPECT_EQ(document->saveNativeData(), before);
    EXPECT_EQ(readFile(file), stored);
    EXPECT_EQ(std::filesystem::last_write_time(file), writtenAt);
    EXPECT_FALSE(std::filesystem::exists(svgPictureOf(file)));
    EXPECT_FALSE(std::filesystem::exists(pngPictureOf(file)));
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(clipboard.copies.empty());
    EXPECT_TRUE(model.mayClose());
}

TEST_F(StampView, AStampTakenIsCopiedIntoTheDocumentAndWrittenToTheObjectFile) {
    const std::filesystem::path file = fixture.hanko / "new.vrs";
    ASSERT_TRUE(readEmbeddedObject(file).ok); // missing: a new object
    model.setObjectFile(file);
    document->stamp().drawing.copyToClipboard = true;
    document->setLastSeal(sjis("経理"));
    taker.answer = keiriStamp();

    EXPECT_TRUE(model.stamp());
    ASSERT_EQ(taker.seenLastSeals.size(), 1u);
    EXPECT_EQ(taker.seenLastSeals.front(), sjis("経理")); // the dialog was filled from the document
    const StampRecord& stamp = document->stamp();
    EXPECT_EQ(document->lastSeal(), sjis("経理部長"));
    EXPECT_EQ(stamp.documentNumber, "A-0042");
    EXPECT_EQ(stamp.approverName, sjis("山田太郎"));
    EXPECT_EQ(stamp.comment, sjis("至急\r\n確認済み"));
    EXPECT_EQ(stamp.drawing.upperText1, sjis("経理部"));
    EXPECT_EQ(stamp.drawing.colour, 255u);
    // The automatic sizes are settled before the file is written.
    EXPECT_EQ(stamp.drawing.fontUp.size, "18");
    EXPECT_EQ(stamp.drawing.fontLow.size, "20");
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(clipboard.copies, std::vector<std::string>{sjis("山田")});
    EXPECT_FALSE(model.isModified()); // written

    const StampRecord kept = readNativeData(readFile(file));
    EXPECT_EQ(kept.drawing.lowerText, sjis("山田"));
    EXPECT_EQ(kept.drawing.fontUp.size, "18");
    EXPECT_EQ(kept.sizeX, "19");
    EXPECT_EQ(kept.approverName, sjis("山田太郎"));
    EXPECT_TRUE(readFile(svgPictureOf(file)).starts_with("<?xml"));
    EXPECT_TRUE(readFile(pngPictureOf(file)).starts_with("\x89PNG"));
    EXPECT_TRUE(model.mayClose());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(StampView, TheClipboardGetsTheSealWhenItChangesOnly) {
    taker.answer = keiriStamp();
    model.objectOpened(); // never stamped: nothing to copy
    model.stamp();        // setting off
    EXPECT_TRUE(clipboard.copies.empty());
    document->stamp().drawing.copyToClipboard = true;
    model.objectOpened();
    model.stamp();
    EXPECT_EQ(clipboard.copies.size(), 2u);
    // Stand-alone: nothing is written anywhere, and closing asks nothing.
    EXPECT_TRUE(model.mayClose());
    EXPECT_FALSE(model.updateObject());
}

// The object's file is the stamp's output: a stamp is logged once it is in the
// file, and a file that cannot be written leaves no stamp anywhere.
TEST_F(StampView, AStampIsLoggedOnlyOnceItsObjectFileIsWritten) {
    const std::filesystem::path log = nativePath(document->logFilePath());
    const auto logText = [&log] {
        return std::filesystem::exists(log) ? readFile(log) : std::string();
    };
    const std::filesystem::path unwritable = fixture.hanko / "no-such-folder" / "object.vrs";
    model.setObjectFile(unwritable);
    document->stamp().drawing.copyToClipboard = true;
    document->setLastSeal("before");
    const std::string stampBefore = document->saveNativeData();
    const std::string settings = readFile(fixture.ini());
    taker.answer = keiriStamp();
    EXPECT_FALSE(model.stamp());
    EXPECT_EQ(logText(), "");
    EXPECT_EQ(readFile(fixture.ini()), settings);
    EXPECT_EQ(document->saveNativeData(), stampBefore);
    EXPECT_EQ(document->lastSeal(), "before");
    EXPECT_FALSE(model.isModified());
    EXPECT_EQ(repaints, 0);
    EXPECT_TRUE(clipboard.copies.empty());
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().startsWith(
        "The stamp object could not be saved, so nothing was stamped or logged.\ncannot write "))
        << prompter.messages.front().toStdString();
    EXPECT_TRUE(prompter.messages.front().contains(QString::fromStdString(unwritable.string())));
    EXPECT_TRUE(model.mayClose());

    // Once the folder is there, the stamp is written, then logged and remembered.
    std::filesystem::create_directories(unwritable.parent_path());
    EXPECT_TRUE(model.stamp());
    EXPECT_EQ(readNativeData(readFile(unwritable)).drawing.lowerText, sjis("山田"));
    const std::string logged = logText();
    EXPECT_EQ(std::count(logged.begin(), logged.end(), '\n'), 1) << logged;
    EXPECT_TRUE(logged.starts_with("A-0042|2026/12/10|10:00|")) << logged;
    EXPECT_NE(readFile(fixture.ini()).find(sjis("ListBox=経理部長")), std::string::npos);
    EXPECT_EQ(prompter.messages.size(), 1);
}

// The object file and its two pictures change together: when the last of them
// cannot be written (a folder holds its name), none of them changes.
TEST_F(StampView, AnObjectAndItsPicturesAreWrittenAllOrNone) {
    const std::filesystem::path object = fixture.hanko / "object.vrs";
    model.setObjectFile(object);
    taker.answer = keiriStamp();
    ASSERT_TRUE(model.stamp());
    const std::string objectBefore = readFile(object);
    const std::string svgBefore = readFile(svgPictureOf(object));
    std::filesystem::remove(pngPictureOf(object));
    std::filesystem::create_directory(pngPictureOf(object));

    taker.answer = keiriStamp();
    taker.answer->lowerText = sjis("鈴木");
    EXPECT_FALSE(model.stamp());
    EXPECT_EQ(readFile(object), objectBefore);
    EXPECT_EQ(readFile(svgPictureOf(object)), svgBefore);
    EXPECT_TRUE(std::filesystem::is_directory(pngPictureOf(object)));
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.front().contains(
        QStringLiteral("object.vrs.png: a directory, not a regular file")))
        << prompter.messages.front().toStdString();
}

// A stand-alone window's stamp has no file to write: it is logged at once.
TEST_F(StampView, AStandAloneStampIsLoggedAndMarksTheDocumentModified) {
    taker.answer = keiriStamp();
    EXPECT_TRUE(model.stamp());
    EXPECT_TRUE(model.isModified());
    EXPECT_NE(readFile(nativePath(document->logFilePath())).find("A-0042|"), std::string::npos);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(StampView, SaveCopyAsWritesTheObjectAndItsPicturesElsewhere) {
    const std::filesystem::path file = fixture.hanko / "object.vrs";
    model.setObjectFile(file);
    taker.answer = keiriStamp();
    model.stamp();
    const std::string written = readFile(file);

    RecordingFileChooser chooser;
    const std::filesystem::path copy = fixture.hanko / "copy.vrs";
    chooser.answers = {std::nullopt, QString::fromStdString(copy.string())};
    EXPECT_FALSE(model.saveCopyAs(chooser));
    EXPECT_TRUE(model.saveCopyAs(chooser));
    ASSERT_EQ(chooser.asked.size(), 2u);
    EXPECT_EQ(chooser.asked[0].purpose, FileChoice::Purpose::Save);
    EXPECT_EQ(chooser.asked[0].title, "Save Copy As");
    EXPECT_EQ(chooser.asked[0].filter, "Vermil Document (*.vrs)");
    EXPECT_EQ(chooser.asked[0].defaultSuffix, "vrs");
    EXPECT_EQ(chooser.asked[0].initialName, "object.vrs");
    EXPECT_EQ(readFile(copy), written);
    EXPECT_TRUE(std::filesystem::exists(svgPictureOf(copy)));
    EXPECT_TRUE(std::filesystem::exists(pngPictureOf(copy)));
    EXPECT_EQ(readFile(file), written);
}

TEST(EmbeddedObject, AFileThatIsNotStampDataIsRefusedAndLeftAlone) {
    TempDir dir;
    writeFile(dir / "empty.vrs", "");
    const EmbeddedObjectRead empty = readEmbeddedObject(dir / "empty.vrs");
    EXPECT_TRUE(empty.ok);
    EXPECT_TRUE(empty.nativeData.empty());

    for (const char* fixture : {"stamper/TruncatedStamp.bin", "stamper/BrokenTrailingBytes.bin"}) {
        const std::string bytes = readFile(dataFile(fixture));
        writeFile(dir / "object.vrs", bytes);
        const EmbeddedObjectRead read = readEmbeddedObject(dir / "object.vrs");
        EXPECT_FALSE(read.ok) << fixture;
        EXPECT_TRUE(
            read.error.starts_with((dir / "object.vrs").string() + " is not valid stamp data: "))
            << read.error;
        EXPECT_EQ(readFile(dir / "object.vrs"), bytes);
    }
    std::filesystem::create_directories(dir / "folder.vrs");
    const EmbeddedObjectRead folder = readEmbeddedObject(dir / "folder.vrs");
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(folder.error.starts_with("cannot read ")) << folder.error;
}
