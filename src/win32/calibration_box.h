// The calibration dialog: a monitor's pixels per inch from its diagonal typed in inches,
// or from a bar dragged as long as a bank card held against the screen.
#pragma once

#include <optional>

#include "app/ports.h"
#include "win32/windows_headers.h"

namespace vitrelo::win32 {

// Modal, owned by `owner`, centred on `monitor`, its texts in `language`; starts from
// `ppi`. The pixels per inch the user settled on, nullopt when cancelled.
std::optional<double> show_calibration_box(HWND owner, const Monitor& monitor, double ppi,
                                           Language language);

}  // namespace vitrelo::win32
