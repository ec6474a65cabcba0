// The "Immagine" commands: the frozen picture to the clipboard, to a file, to mail.
#include <exception>

#include "app/controller.h"
#include "export/bmp.h"
#include "export/file_names.h"
#include "export/mail.h"
#include "magnifier/texts.h"

namespace vitrelo {

namespace {

constexpr int kJpegQuality = 80;

// The dialog's first folder: the program's, without its final backslash, except
// for a drive root ("C:" alone would mean the drive's current folder).
std::string dialog_folder(std::string folder) {
    if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

}  // namespace

void Controller::image_command(ImageCommand command) {
    run_waiting([&] {
        try {
            // Taken once: whatever another program puts on the clipboard while a
            // dialog is open cannot take the picture's place.
            const Image snapshot = copy_of(ports_.view.picture());
            switch (ports_.system.copy_to_clipboard(snapshot)) {
                case ClipboardResult::Failed:
                    message(text::kSaveFailed);
                    return;
                case ClipboardResult::Unreadable:
                    message(text::kCopyFailed);
                    return;
                case ClipboardResult::Copied:
                    break;
            }
            switch (command) {
                case ImageCommand::Copy:
                    message(text::kCopied);
                    break;
                case ImageCommand::Save:
                    save_picture(snapshot);
                    break;
                case ImageCommand::Mail:
                    mail_picture(snapshot);
                    break;
            }
        } catch (const std::exception&) {
            // One message for every failure of the command; the cause is not shown.
            message(text::kSaveFailed);
        }
    });
}

void Controller::save_picture(const Image& snapshot) {
    Storage& storage = ports_.storage;
    const bool jpeg = storage.jpeg_available();
    SaveRequest request;
    request.title = jpeg ? text::kSaveTitleWithJpeg : text::kSaveTitleBmpOnly;
    request.filter = jpeg ? text::kSaveFilterWithJpeg : text::kSaveFilterBmpOnly;
    request.initial_folder = dialog_folder(storage.program_folder());
    request.name = text::kSnapshotName;
    request.default_extension = "bmp";
    const std::optional<std::string> path = ports_.dialogs.save_as(request);
    if (!path) return;  // cancelled
    if (path->empty()) {
        // The dialog failed: a name too long for it, for one.
        message(text::kSaveFailed);
        return;
    }
    bool written = false;
    switch (save_format(*path)) {
        case SaveFormat::Bmp:
            written = storage.write_file(*path, encode_bmp(snapshot));
            break;
        case SaveFormat::Jpeg:
            written = storage.write_jpeg(snapshot, *path, kJpegQuality);
            break;
        case SaveFormat::Rejected:
            message(text::kBadFormat);
            return;
    }
    message(written && storage.file_exists(*path) ? text::kSaved : text::kSaveFailed);
}

void Controller::mail_picture(const Image& snapshot) {
    Storage& storage = ports_.storage;
    if (!storage.jpeg_available()) return;
    const std::string path = storage.temp_folder() + text::kSnapshotJpeg;
    // A picture that cannot be written is the command's failure, as for saving.
    if (!storage.write_jpeg(snapshot, path, kJpegQuality)) {
        message(text::kSaveFailed);
        return;
    }
    if (storage.file_exists(path))
        hand_to_mail_program(path);
    else
        message(text::kMailFailed);
}

void Controller::hand_to_mail_program(const std::string& jpeg_path) {
    switch (mail_route(ports_.system.mail_client())) {
        case MailRoute::MessageFile: {
            const auto bytes = ports_.storage.read_file(jpeg_path);
            MailMessage mail;
            mail.subject = text::kMailSubject;
            mail.priority = -1;
            const std::string eml = ports_.storage.temp_folder() + text::kMailMessageFile;
            const std::string body =
                bytes ? mail_message_text(mail, file_name_of(jpeg_path), *bytes) : "";
            // The mail program may still hold the last message open: it cannot be replaced.
            if (bytes &&
                ports_.storage.write_file(eml, std::vector<uint8_t>(body.begin(), body.end())))
                ports_.system.open(eml);
            else
                message(text::kMailFailed);
            break;
        }
        case MailRoute::Mailto:
            ports_.system.open(mailto_address(text::kMailSubject, jpeg_path));
            break;
        case MailRoute::Unsupported:
            // Shown directly: the window keeps its always-on-top state meanwhile.
            ports_.dialogs.error(text::kMailClientIncompatible);
            break;
    }
}

}  // namespace vitrelo
