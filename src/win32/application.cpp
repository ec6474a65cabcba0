#include "win32/application.h"

#include "win32/text.h"

namespace vitrelo::win32 {

namespace {
constexpr SIZE kFirstClientSize = {300, 255};
}  // namespace

Application::Application(HINSTANCE instance)
    : instance_(instance),
      view_(instance, windows_, picture_),
      screen_(picture_),
      shell_(instance, windows_.main, view_.state().language),
      dialogs_(windows_.main, view_.state().language),
      system_(windows_.main),
      controller_(Ports{screen_, view_, shell_, dialogs_, storage_, system_}) {}

Application::~Application() {
    ready_ = false;
    // Destroyed while everything its procedures use still exists.
    if (windows_.main && IsWindow(windows_.main)) DestroyWindow(windows_.main);
    windows_.tooltip.reset();
}

bool Application::start() {
    if (!create_windows(instance_, *this, kFirstClientSize, windows_)) return false;
    view_.created();
    ready_ = true;
    if (!guarded([&] { controller_.start(); })) return false;
    // The show runs on the timer: its ticks are handled here, so that whoever started
    // the program goes on once the magnifier runs. Clicks on the window meanwhile are
    // dropped by the system, the window being disabled.
    MSG msg = {};
    while (controller_.state().startup != Startup::Over) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) return false;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // left for run()
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

int Application::run() {
    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void Application::failed(const char* what) noexcept {
    try {
        OutputDebugStringW((L"Vitrelo: " + wide(what) + L"\n").c_str());
        if (ready_) controller_.recover();
    } catch (...) {
        // Nothing more can be done here; the next message tries again.
    }
}

void Application::client_resized(Size client) {
    // The picture has the new size before the controller hears of it.
    if (view_.client_resized(client)) guarded([&] { controller_.resized(); });
}

}  // namespace vitrelo::win32
