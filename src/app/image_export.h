// The "Immagine" commands: the frozen picture to the clipboard, to a file, to mail.
#pragma once

#include <optional>
#include <string>

#include "app/ports.h"
#include "magnifier/language.h"
#include "magnifier/menu.h"

namespace vitrelo {

class ImageExport {
public:
    ImageExport(Storage& storage, Dialogs& dialogs, System& system)
        : storage_(storage), dialogs_(dialogs), system_(system) {}

    // Runs one command on the picture as it was when the command was chosen. The
    // information for the user when the command ends with some; every failure,
    // whatever its cause, ends with one. Texts in `language`.
    std::optional<std::string> run(ImageCommand command, const Image& snapshot, Language language);

private:
    std::optional<std::string> save(const Image& snapshot);
    std::optional<std::string> mail(const Image& snapshot);
    std::optional<std::string> hand_to_mail_program(const std::string& jpeg_path);
    const char* in(const Text& text) const { return text.in(language_); }

    Storage& storage_;
    Dialogs& dialogs_;
    System& system_;
    Language language_ = Language::Italian;  // of the command that runs
};

}  // namespace vitrelo
