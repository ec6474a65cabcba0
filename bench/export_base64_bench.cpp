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

using Orologio = std::chrono::steady_clock;

double secondi(Orologio::time_point a, Orologio::time_point b) {
    return std::chrono::duration<double>(b - a).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string percorso = argv[1];
    const int prove = argc > 2 ? std::atoi(argv[2]) : 5;

    double migliore = 1e9;
    size_t byte = 0, caratteri = 0;
    for (int i = 0; i < prove; ++i) {
        const auto t0 = Orologio::now();
        std::ifstream in(percorso, std::ios::binary | std::ios::ate);
        std::vector<uint8_t> dati(size_t(in.tellg()));
        in.seekg(0);
        in.read(reinterpret_cast<char*>(dati.data()), std::streamsize(dati.size()));
        std::string out;
        out.reserve(vitrelo::base64_lines_length(dati.size()));
        vitrelo::append_base64_lines(dati.data(), dati.size(), out);
        const auto t1 = Orologio::now();
        migliore = std::min(migliore, secondi(t0, t1));
        byte = dati.size();
        caratteri = out.size();
    }

    double coreutils = 1e9;
    const std::string comando = "base64 -w 68 '" + percorso + "' > /dev/null";
    for (int i = 0; i < prove; ++i) {
        const auto t0 = Orologio::now();
        if (std::system(comando.c_str()) != 0) {
            std::fprintf(stderr, "base64 failed\n");
            return 1;
        }
        coreutils = std::min(coreutils, secondi(t0, Orologio::now()));
    }

    const double mb = double(byte) / (1024.0 * 1024.0);
    std::printf("attachment base64: %.1f MB in %.4f s = %.0f MB/s (%zu characters)\n", mb, migliore,
                mb / migliore, caratteri);
    std::printf("coreutils base64 -w 68: %.4f s = %.0f MB/s\n", coreutils, mb / coreutils);
    std::printf("ratio (encoder / coreutils throughput): %.2f\n", coreutils / migliore);
    return 0;
}
