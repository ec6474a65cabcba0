// The "Immagine" commands against the fakes: every way each one can end.
#include "export/bmp.h"
#include "export/mail.h"
#include "fakes/controller_fixture.h"
#include "magnifier/texts.h"

namespace vitrelo::fake {
namespace {

using V = std::vector<std::string>;
const std::string kMailJpeg = "C:\\Temp\\SnapShotVitrelo.jpg";

class ImageCommands : public ControllerTest {
protected:
    void SetUp() override {
        start();
        for (size_t i = 0; i < view.image.pixels.size(); ++i)
            view.image.pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
        snapshot = view.image;
    }
    void image(ImageCommand c) { run(CommandKind::Image, static_cast<int>(c)); }
    void reset() {
        dialogs.messages.clear();
        dialogs.errors.clear();
        dialogs.requests.clear();
        storage.files.clear();
        system.opened.clear();
        log.events.clear();
    }
    Image snapshot;
};

TEST_F(ImageCommands, TheClipboardDecidesWhetherTheCommandGoesOn) {
    const struct {
        ImageCommand command;
        ClipboardResult clipboard;
        const char* message;
    } cases[] = {
        {ImageCommand::Copy, ClipboardResult::Copied, text::kCopied},
        {ImageCommand::Copy, ClipboardResult::Unreadable, text::kCopyFailed},
        {ImageCommand::Save, ClipboardResult::Unreadable, text::kCopyFailed},
        {ImageCommand::Save, ClipboardResult::Failed, text::kSaveFailed},
        {ImageCommand::Mail, ClipboardResult::Failed, text::kSaveFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        reset();
        system.clipboard = c.clipboard;
        image(c.command);
        EXPECT_EQ(dialogs.messages, V{c.message});
        EXPECT_EQ(log.events, (V{"not topmost", "message", "topmost"}));
        EXPECT_EQ(system.copied.back().pixels, snapshot.pixels);
        EXPECT_TRUE(dialogs.requests.empty());
        EXPECT_TRUE(storage.files.empty());
    }
}

TEST_F(ImageCommands, SaveDialogOffersJpegOnlyWhenItCanBeWritten) {
    const struct {
        bool jpeg;
        std::string program_folder, title, filter, initial_folder;
    } cases[] = {
        {true, "C:\\Vitrelo\\", text::kSaveTitleWithJpeg, text::kSaveFilterWithJpeg, "C:\\Vitrelo"},
        {false, "C:\\", text::kSaveTitleBmpOnly, text::kSaveFilterBmpOnly, "C:\\"},
    };
    for (const auto& c : cases) {
        reset();
        storage.jpeg = c.jpeg;
        storage.folder = c.program_folder;
        image(ImageCommand::Save);  // cancelled: nothing else happens
        ASSERT_EQ(dialogs.requests.size(), 1u);
        const SaveRequest& r = dialogs.requests[0];
        EXPECT_EQ(std::tie(r.title, r.filter, r.initial_folder, r.name, r.default_extension),
                  std::make_tuple(c.title, c.filter, c.initial_folder,
                                  std::string("SnapShotVitrelo"), std::string("bmp")));
        EXPECT_TRUE(dialogs.messages.empty());
        EXPECT_TRUE(storage.files.empty());
    }
}

TEST_F(ImageCommands, SaveWritesByTheChosenExtension) {
    enum Written { None, Bmp, Jpeg };
    const struct {
        const char* path;
        bool jpeg, fail, vanish;
        const char* message;
        Written written;
    } cases[] = {
        {"C:\\d\\a.bmp", true, false, false, text::kSaved, Bmp},
        {"C:\\d\\A.JPG", true, false, false, text::kSaved, Jpeg},
        {"C:\\d\\a.jpg", false, false, false, text::kSaveFailed, None},
        {"C:\\d\\a.png", true, false, false, text::kBadFormat, None},
        {"C:\\d\\a.bmp", true, true, false, text::kSaveFailed, None},
        {"C:\\d\\a.jpg", true, true, false, text::kSaveFailed, None},
        {"C:\\d\\a.bmp", true, false, true, text::kSaveFailed, None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        reset();
        storage.jpeg = c.jpeg;
        storage.writes_fail = c.fail;
        storage.writes_vanish = c.vanish;
        dialogs.answer = c.path;
        image(ImageCommand::Save);
        EXPECT_EQ(dialogs.messages, V{c.message});
        if (c.written == None) {
            EXPECT_TRUE(storage.files.empty());
        } else {
            EXPECT_EQ(storage.files[c.path],
                      c.written == Bmp ? encode_bmp(snapshot) : fake_jpeg(snapshot, 80));
        }
    }
}

TEST_F(ImageCommands, MailTakesTheRouteOfTheMailProgram) {
    MailMessage mail;
    mail.subject = text::kMailSubject;
    const std::string eml = "C:\\Temp\\VitreloImage.eml";
    const std::string mailto = mailto_address(text::kMailSubject, kMailJpeg);
    const std::string eml_text =
        mail_message_text(mail, "SnapShotVitrelo.jpg", fake_jpeg(snapshot, 80));
    const struct {
        const char* client;
        bool jpeg, fail, vanish;
        V opened, messages, errors;
    } cases[] = {
        {"Windows Mail", true, false, false, {eml}, {}, {}},
        {"Outlook Express", true, false, false, {eml}, {}, {}},
        {"Microsoft Outlook", true, false, false, {mailto}, {}, {}},
        {"Thunderbird", true, false, false, {}, {}, {text::kMailClientIncompatible}},
        {"Windows Mail", true, false, true, {}, {text::kMailFailed}, {}},
        {"Windows Mail", true, true, false, {}, {text::kSaveFailed}, {}},
        {"Windows Mail", false, false, false, {}, {}, {}},  // no JPEG writer: the copy only
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.client << c.jpeg << c.fail << c.vanish);
        reset();
        system.client = c.client;
        storage.jpeg = c.jpeg;
        storage.writes_fail = c.fail;
        storage.writes_vanish = c.vanish;
        image(ImageCommand::Mail);
        EXPECT_EQ(system.opened, c.opened);
        EXPECT_EQ(dialogs.messages, c.messages);
        EXPECT_EQ(dialogs.errors, c.errors);
        EXPECT_EQ(log.count("not topmost"), static_cast<long>(c.messages.size()));
        EXPECT_EQ(system.copied.back().pixels, snapshot.pixels);
        if (c.opened == V{eml}) {
            EXPECT_EQ(std::string(storage.files[eml].begin(), storage.files[eml].end()), eml_text);
        }
    }
}

TEST_F(ImageCommands, AnExceptionFromAPortIsReportedAndTheNextCommandRuns) {
    storage.jpeg_throws = true;
    image(ImageCommand::Mail);
    EXPECT_EQ(dialogs.messages, V{text::kSaveFailed});
    reset();
    image(ImageCommand::Copy);
    EXPECT_EQ(dialogs.messages, V{text::kCopied});
}

TEST_F(ImageCommands, ACommandThatWaitsIsNotStartedTwice) {
    log.while_waiting = [this] {
        log.while_waiting = nullptr;
        image(ImageCommand::Save);
        run(CommandKind::About);
        run(CommandKind::Help);
        controller.right_button_down();
        controller.tray_menu();
    };
    image(ImageCommand::Save);
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(log.count("about"), 0);
    EXPECT_TRUE(shell.menus.empty());
    EXPECT_TRUE(dialogs.messages.empty());

    choose(CommandKind::Image, static_cast<int>(ImageCommand::Save));
    EXPECT_EQ(dialogs.requests.size(), 2u) << "the popup's choice runs once it has closed";
}

}  // namespace
}  // namespace vitrelo::fake
