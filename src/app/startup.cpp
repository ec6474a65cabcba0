// Start-up (settings, first size, the logo and the fade-in) and the settings file.
#include "app/controller.h"

#include "magnifier/texts.h"

namespace vitrelo {

namespace {

constexpr int kAlphaStep = 3;  // 0, 3, ..., 255: 86 steps ending fully opaque
constexpr int kFadeStepMs = 15;
constexpr int kHoldAfterFadeMs = 1000;
constexpr int kHoldWithoutFadeMs = 2000;

}  // namespace

void Controller::start() {
    state_.starting = true;
    read_settings();
    update_size_limits();
    apply_preset(Preset::EighthScreen);
    state_.window_shown = true;
    ports_.view.set_topmost(true);
    splash();
    fade_in();
    state_.starting = false;
}

void Controller::read_settings() {
    state_.settings_file = ports_.storage.program_folder() + text::kSettingsFile;
    const auto read = [this](const char* key) {
        return ports_.storage.read_setting(state_.settings_file, text::kSettingsSection, key);
    };
    const std::string zoom = read(kZoomKey);
    const std::string refresh = read(kRefreshKey);
    const std::string invert = read(kInvertKey);
    state_.settings = parse_settings(zoom, refresh, invert);
}

void Controller::save_settings() {
    // A file that cannot be written is no reason not to close.
    for (const StoredValue& v : stored_form(state_.settings))
        ports_.storage.write_setting(state_.settings_file, text::kSettingsSection, v.key, v.value);
}

void Controller::splash() {
    // No clicks or keys until the show is over.
    ports_.view.set_enabled(false);
    fill(ports_.view.picture(), kWhite);
    ports_.view.pump();
    state_.view.logo_shown = true;
    show_view();
    ports_.view.draw_credits(text::kCredits, text::kCreditsTeam);
    ports_.view.present();
}

void Controller::fade_in() {
    View& view = ports_.view;
    if (ports_.system.can_fade()) {
        for (int alpha = 0; alpha <= 255; alpha += kAlphaStep) {
            view.set_alpha(static_cast<uint8_t>(alpha));
            ports_.system.sleep(kFadeStepMs);
            // Shown only once fully transparent: never seen opaque before the fade.
            if (alpha == 0) view.set_shown(true);
            view.pump();
        }
        ports_.system.sleep(kHoldAfterFadeMs);
    } else {
        view.set_shown(true);
        view.pump();
        ports_.system.sleep(kHoldWithoutFadeMs);
    }
    state_.view.logo_shown = false;
    show_view();
    fill(view.picture(), kWhite);
    view.present();
    // Clicks made during the hold are still queued; taken now, while the window is
    // still disabled, they are dropped instead of starting a drag.
    view.pump();
    // The first tick may only come once the picture has been cleared.
    timer(true);
    view.set_enabled(true);
}

}  // namespace vitrelo
