// Set-up shared by the image-export tests: the fake platform and its export side
// fresh, a frozen picture, and the golden files' folder.
#pragma once

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/fake/fake_export.h"

inline std::string cartella_golden() {
    std::string f = __FILE__;  // .../tests/unit/export_fixture.h
    f = f.substr(0, f.rfind('/'));
    return f.substr(0, f.rfind('/')) + "/golden/";
}

inline std::vector<uint8_t> leggi_golden(const std::string& nome) {
    std::ifstream in(cartella_golden() + nome, std::ios::binary);
    EXPECT_TRUE(in.good()) << "missing golden file " << nome;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline std::string come_testo(const std::vector<uint8_t>& b) { return std::string(b.begin(), b.end()); }

class SuFakeEsporta : public SuFake {
protected:
    void SetUp() override {
        SuFake::SetUp();
        fake::reset_esporta();
    }
};
