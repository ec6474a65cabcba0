// Start-up: the settings, the first size, and the logo fading in on the timer.
#include <algorithm>

#include "app/controller.h"

namespace vitrelo {

namespace {

constexpr int kAlphaStep = 3;  // 0, 3, ..., 255: 86 steps ending fully opaque
constexpr int kFadeStepMs = 15;
constexpr int kHoldMs = 1000;  // the opaque logo, before the magnifier starts

}  // namespace

void Controller::start() {
    state_.startup = Startup::Fading;
    state_.settings = ports_.storage.load_settings();
    state_.view.language = state_.settings.shown_language();
    update_size_limits();
    apply_preset(Preset::EighthScreen);
    fill(ports_.view.picture(), kWhite);
    ViewState& v = state_.view;
    v.topmost = true;
    // No clicks or keys until the show is over: the system drops them.
    v.enabled = false;
    v.logo_shown = true;
    // Shown only once fully transparent: never seen opaque before the fade.
    v.alpha = 0;
    v.shown = true;
    show_view();
    ports_.view.present();
    set_timer(kFadeStepMs);
}

void Controller::step_startup() {
    ViewState& v = state_.view;
    if (state_.startup == Startup::Holding) {
        end_startup();
        return;
    }
    v.alpha = static_cast<uint8_t>(std::min(v.alpha + kAlphaStep, 255));
    show_view();
    if (v.alpha == 255) {
        state_.startup = Startup::Holding;
        set_timer(kHoldMs);
    }
}

void Controller::end_startup() {
    state_.startup = Startup::Over;
    state_.view.logo_shown = false;
    show_view();
    fill(ports_.view.picture(), kWhite);
    ports_.view.present();
    // The first pass may only come once the picture has been cleared.
    timer(true);
    state_.view.enabled = true;
    show_view();
}

}  // namespace vitrelo
