// What the system reports besides input: the shell restarting, the screen changing.
#include "fakes/controller_fixture.h"

namespace vitrelo::fake {
namespace {

TEST_F(ControllerTest, AShellRestartBringsBackTheTrayIconOrElseTheWindow) {
    start();
    controller.shell_restarted();  // shown: nothing to bring back
    EXPECT_EQ(log.count("icon added"), 0);

    for (const bool tray_works : {true, false}) {
        SCOPED_TRACE(tray_works);
        run(CommandKind::MinimizeRestore);
        ASSERT_FALSE(state().window_shown);
        log.events.clear();
        shell.tray_works = tray_works;
        controller.shell_restarted();
        EXPECT_EQ(log.count("icon added"), tray_works ? 1 : 0);
        // Without an icon the window comes back, running, or nothing could reach it.
        EXPECT_EQ(state().window_shown, !tray_works);
        EXPECT_EQ(view.visible, !tray_works);
        EXPECT_EQ(view.timer.has_value(), !tray_works);
        shell.tray_works = true;
        if (!state().window_shown) run(CommandKind::MinimizeRestore);
    }
}

TEST_F(ControllerTest, AScreenThatShrankKeepsTheWindowOnItAndRedrawsAtOnce) {
    start();
    view.window = {900, 600, 256, 192};
    screen.monitors = {{0, 0, 800, 600}};
    const int presents = view.presents;
    controller.display_changed();
    EXPECT_EQ(view.window, (Rect{544, 408, 256, 192}));
    EXPECT_GT(view.presents, presents);
    // The drag limit at 0.5x follows the new screen.
    run(CommandKind::Zoom, 0);
    controller.display_changed();
    EXPECT_EQ(view.maximum, (Size{400, 300}));
}

TEST_F(ControllerTest, LeavingALockShowsTheBlankPictureAtOnce) {
    start();
    run(CommandKind::Capture);
    settle_at(kOutside);
    screen.tapped.insert(Key::Space);
    controller.tick();
    ASSERT_EQ(state().freeze, Freeze::Locked);
    const int presents = view.presents;
    controller.lock_clicked();
    EXPECT_TRUE(all_white());
    EXPECT_EQ(view.presents, presents + 1);
}

}  // namespace
}  // namespace vitrelo::fake
