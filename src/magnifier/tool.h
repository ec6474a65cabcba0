// The strip's tool: at most one of the colour picker, the measuring readout and the
// contrast is on.
#pragma once

namespace vitrelo {

enum class Tool { None, PickColor, Measure, Contrast };

}  // namespace vitrelo
