#include "app/image_export.h"

#include <exception>

#include "export/bmp.h"
#include "export/file_names.h"
#include "export/mail.h"
#include "magnifier/texts.h"

namespace vitrelo {

std::optional<std::string> ImageExport::run(ImageCommand command, const Image& snapshot,
                                            Language language) {
    language_ = language;
    try {
        // Every command puts the picture on the clipboard first. Saving and mailing
        // write the picture itself: a clipboard another program holds does not stop them.
        const ClipboardResult copied = system_.copy_to_clipboard(snapshot);
        switch (command) {
            case ImageCommand::Copy:
                if (copied == ClipboardResult::Unreadable) return in(text::kCopyFailed);
                return in(copied == ClipboardResult::Copied ? text::kCopied : text::kSaveFailed);
            case ImageCommand::Save:
                return save(snapshot);
            case ImageCommand::Mail:
                return mail(snapshot);
        }
        return std::nullopt;
    } catch (const std::exception&) {
        // One message for every failure of the command; the cause is not shown.
        return in(text::kSaveFailed);
    }
}

std::optional<std::string> ImageExport::save(const Image& snapshot) {
    const bool all = storage_.jpeg_and_png_available();
    SaveRequest request;
    request.title = all ? in(text::kSaveTitleAllFormats) : in(text::kSaveTitleBmpOnly);
    request.filter = all ? in(text::kSaveFilterAllFormats) : in(text::kSaveFilterBmpOnly);
    request.initial_folder = storage_.program_folder();
    request.name = text::kSnapshotName;
    request.default_extension = "bmp";
    const std::optional<std::string> path = dialogs_.save_as(request);
    if (!path) return std::nullopt;                   // cancelled
    if (path->empty()) return in(text::kSaveFailed);  // the dialog failed: a name too long for it
    bool written = false;
    switch (save_format(*path)) {
        case SaveFormat::Bmp:
            written = storage_.write_file(*path, encode_bmp(snapshot));
            break;
        case SaveFormat::Jpeg:
            written = storage_.write_image(snapshot, *path, ImageFormat::Jpeg);
            break;
        case SaveFormat::Png:
            written = storage_.write_image(snapshot, *path, ImageFormat::Png);
            break;
        case SaveFormat::Rejected:
            return in(text::kBadFormat);
    }
    return written ? in(text::kSaved) : in(text::kSaveFailed);
}

std::optional<std::string> ImageExport::mail(const Image& snapshot) {
    if (!storage_.jpeg_and_png_available()) return std::nullopt;
    const std::string path = storage_.temp_file(text::kSnapshotJpeg);
    // A picture that cannot be written is the command's failure, as for saving.
    if (!storage_.write_image(snapshot, path, ImageFormat::Jpeg)) return in(text::kSaveFailed);
    return hand_to_mail_program(path);
}

std::optional<std::string> ImageExport::hand_to_mail_program(const std::string& jpeg_path) {
    switch (mail_route(system_.mail_client())) {
        case MailRoute::MessageFile: {
            const auto bytes = storage_.read_file(jpeg_path);
            if (!bytes) return in(text::kMailFailed);
            const std::string eml = storage_.temp_file(text::kMailMessageFile);
            const std::string message =
                mail_message_text(in(text::kMailSubject), jpeg_path, *bytes);
            // The mail program may still hold the last message open: it cannot be replaced.
            if (!storage_.write_file(eml, std::vector<uint8_t>(message.begin(), message.end())))
                return in(text::kMailFailed);
            // No program for the message file, or one that failed to start.
            if (!system_.open(eml)) return in(text::kMailFailed);
            break;
        }
        case MailRoute::Mailto:
            if (!system_.open(mailto_address(in(text::kMailSubject), jpeg_path)))
                return in(text::kMailFailed);
            break;
        case MailRoute::Unsupported:
            // Shown directly: the window keeps its always-on-top state meanwhile.
            dialogs_.message(in(text::kMailClientIncompatible), MessageKind::Stop);
            break;
    }
    return std::nullopt;
}

}  // namespace vitrelo
