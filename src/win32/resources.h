// Numbers of the program's resources, in one place: the resource compiler reads the #defines
// through resources/vitrelo.rc, the C++ the constants below.
#ifndef VITRELO_WIN32_RESOURCES_H
#define VITRELO_WIN32_RESOURCES_H

#define VITRELO_APP_ICON 1
#define VITRELO_HAND_CURSOR 101
#define VITRELO_DRAG_CURSOR 102
#define VITRELO_EYEDROPPER_CURSOR 103
#define VITRELO_OPEN_PADLOCK 201
#define VITRELO_CLOSED_PADLOCK 202
#define VITRELO_PUSH_PIN 203
#define VITRELO_LOCK_SOUND 301
#define VITRELO_PAUSE_SOUND 302
#define VITRELO_LEAVE_SOUND 303
#define VITRELO_PICK_COLOR_ICON 1001
#define VITRELO_MEASURE_ICON 1002
#define VITRELO_TRAY_ICON 1003
#define VITRELO_CLOSE_ICON 1004
#define VITRELO_CONTRAST_ICON 1005
#define VITRELO_LOGO 2001
#define VITRELO_VERSION 1

#ifndef RC_INVOKED
namespace vitrelo::win32::resource {

constexpr int kAppIcon = VITRELO_APP_ICON;
constexpr int kHandCursor = VITRELO_HAND_CURSOR;
constexpr int kDragCursor = VITRELO_DRAG_CURSOR;
constexpr int kEyedropperCursor = VITRELO_EYEDROPPER_CURSOR;
constexpr int kOpenPadlock = VITRELO_OPEN_PADLOCK;
constexpr int kClosedPadlock = VITRELO_CLOSED_PADLOCK;
constexpr int kPushPin = VITRELO_PUSH_PIN;
constexpr int kLockSound = VITRELO_LOCK_SOUND;
constexpr int kPauseSound = VITRELO_PAUSE_SOUND;
constexpr int kLeaveSound = VITRELO_LEAVE_SOUND;
constexpr int kPickColorIcon = VITRELO_PICK_COLOR_ICON;
constexpr int kMeasureIcon = VITRELO_MEASURE_ICON;
constexpr int kContrastIcon = VITRELO_CONTRAST_ICON;
constexpr int kTrayIcon = VITRELO_TRAY_ICON;
constexpr int kCloseIcon = VITRELO_CLOSE_ICON;
constexpr int kLogo = VITRELO_LOGO;
constexpr int kVersion = VITRELO_VERSION;

}  // namespace vitrelo::win32::resource
#endif

#endif
