// The strip's tool: at most one of the colour picker and the measuring readout is on.
#pragma once

namespace vitrelo {

enum class Tool { None, PickColor, Measure };

}  // namespace vitrelo
