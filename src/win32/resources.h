// Numbers of the program's resources (resources/vitrelo.rc).
#pragma once

namespace vitrelo::win32::resource {

constexpr int kAppIcon = 1;
constexpr int kHandCursor = 101;
constexpr int kDragCursor = 102;
constexpr int kEyedropperCursor = 103;
constexpr int kOpenPadlock = 201;
constexpr int kClosedPadlock = 202;
constexpr int kPushPin = 203;
constexpr int kPickColorIcon = 1001;
constexpr int kMeasureIcon = 1002;
constexpr int kTrayIcon = 1003;
constexpr int kCloseIcon = 1004;
constexpr int kLogo = 2001;
constexpr int kLockSound = 301;
constexpr int kPauseSound = 302;
constexpr int kLeaveSound = 303;
constexpr int kVersion = 1;  // the VERSIONINFO record

}  // namespace vitrelo::win32::resource
