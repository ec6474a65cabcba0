// What the unit tests share.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vitrelo {

using V = std::vector<std::string>;  // texts compared as one value

// The bytes of a file in tests/golden.
inline std::string golden(const char* name) {
    std::ifstream f(std::string(VITRELO_GOLDEN "/") + name, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

}  // namespace vitrelo
