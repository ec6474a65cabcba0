// The program as a user runs it after choosing "Dimensione finestra" > "1/4 schermo"
// and dragging the window to the top-left corner: the benchmark's 512x384 picture on a
// 1024x768 screen, clear of the meter's pointer path at the bottom right. Nothing else
// differs.
#include "win32/application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    vitrelo::win32::Application app(instance);
    if (!app.start()) return 1;
    app.controller().run(vitrelo::Command{vitrelo::CommandKind::Size, 2});
    vitrelo::Rect window = app.view().window_rect();
    window.left = 0;
    window.top = 0;
    app.view().set_window_rect(window);
    return app.run();
}
