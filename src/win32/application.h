// The program: the windows, the six ports and the controller, and the message loop.
// One object, owned by WinMain (or by a benchmark's main); no globals.
#pragma once

#include <exception>

#include "app/controller.h"
#include "win32/screen.h"
#include "win32/services.h"
#include "win32/shell.h"
#include "win32/view.h"
#include "win32/window.h"
#include "win32/window_picture.h"

namespace vitrelo::win32 {

class Application {
public:
    explicit Application(HINSTANCE instance);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the windows and runs the controller's start-up show (logo, fade-in)
    // until the magnifier runs; false when the program cannot start.
    bool start();
    // The message loop, until the main window is gone; the exit code.
    int run();

    Controller& controller() { return controller_; }
    Win32View& view() { return view_; }
    Win32Screen& screen() { return screen_; }
    const Windows& windows() const { return windows_; }

    // Every entry from the system into the controller: nothing thrown may cross
    // DispatchMessage, and the next message tries again. False when `f` threw.
    template <typename F>
    bool guarded(F&& f) noexcept {
        if (!ready_) return true;
        try {
            f();
            return true;
        } catch (const std::exception& e) {
            failed(e.what());
        } catch (...) {
            failed("an exception of no standard type");
        }
        return false;
    }
    // A failure caught where the system called in. The commands show their own
    // messages; anything else is traced for a debugger, and the magnifier runs on.
    void failed(const char* what) noexcept;

    // From the window procedures: the window's client area has a new size.
    void client_resized(Size client);
    void main_window_gone() { windows_.main = nullptr; }

private:
    HINSTANCE instance_;
    Windows windows_;
    Picture picture_;
    Win32View view_;
    Win32Screen screen_;
    Win32Shell shell_;
    Win32Dialogs dialogs_;
    Win32Storage storage_;
    Win32System system_;
    Controller controller_;
    bool ready_ = false;  // the windows exist and the controller may hear of them
};

}  // namespace vitrelo::win32
