// Whether the picture follows the pointer.
#pragma once

namespace vitrelo {

// Live: every tick captures. HeldByCtrl: Ctrl is down (outside capture mode), the
// picture stays. Locked: in capture mode the space bar locked it until the padlock
// is clicked.
enum class Freeze { Live, HeldByCtrl, Locked };

inline bool frozen(Freeze f) {
    return f != Freeze::Live;
}

}  // namespace vitrelo
