// Throughput of the mail attachment's base64 encoder against coreutils
// `base64 -w 68` on the same file, in the same run. Not a test: it prints figures.
//
//   bench/export_base64_bench.sh [file]     (builds with -O2, makes a 20 MB
//                                                  random file when none is given)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "export/base64.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds_between(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string path = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;

    double best = 1e9;
    size_t bytes = 0, characters = 0;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        std::vector<uint8_t> data(size_t(in.tellg()));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(data.data()), std::streamsize(data.size()));
        std::string out;
        out.reserve(vitrelo::base64_lines_length(data.size()));
        vitrelo::append_base64_lines(data.data(), data.size(), out);
        const auto t1 = Clock::now();
        best = std::min(best, seconds_between(t0, t1));
        bytes = data.size();
        characters = out.size();
    }

    double coreutils = 1e9;
    const std::string command = "base64 -w 68 '" + path + "' > /dev/null";
    for (int i = 0; i < runs; ++i) {
        const auto t0 = Clock::now();
        if (std::system(command.c_str()) != 0) {
            std::fprintf(stderr, "base64 failed\n");
            return 1;
        }
        coreutils = std::min(coreutils, seconds_between(t0, Clock::now()));
    }

    const double mb = double(bytes) / (1024.0 * 1024.0);
    std::printf("attachment base64: %.1f MB in %.4f s = %.0f MB/s (%zu characters)\n", mb, best,
                mb / best, characters);
    std::printf("coreutils base64 -w 68: %.4f s = %.0f MB/s\n", coreutils, mb / coreutils);
    std::printf("ratio (encoder / coreutils throughput): %.2f\n", coreutils / best);
    return 0;
}
