// Set-up shared by the command tests: the fake platform with its commands and
// export sides fresh, the magnifier live at 2x as start-up leaves it.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "commands/popup.h"
#include "platform/fake/fake_commands.h"
#include "platform/fake/fake_export.h"
#include "unit/fixture.h"

class SuComandi : public SuFake {
protected:
    void SetUp() override {
        SuFake::SetUp();
        fake::reset_comandi();
        fake::reset_esporta();
        avvia();
        frmZoom.file_ini = "C:\\Programmi\\Vitrelo\\Vitrelo.ini";
        frmZoom.mnuZ_Click(2);
        frmZoom.mnuR_Click(2);
        frmZoom.tmrTimer.setEnabled(true);
    }

    static fake::StatoComandi& cmd() { return fake::comandi(); }
    static Menubar& menu() { return frmZoom.menubar; }

    // Index of the only checked item of an array, -1 for none, -2 for several.
    static int spuntato(const ArrayMenu& voci) {
        int trovato = -1;
        for (size_t i = 0; i < voci.size(); ++i)
            if (voci[i].Checked) trovato = trovato == -1 ? static_cast<int>(i) : -2;
        return trovato;
    }

    // A right-click on the picture whose menu the simulated user answers with path.
    static void scegli(const std::vector<std::string>& percorso) {
        cmd().scelte.push_back(percorso);
        frmZoom.picZoomed_MouseDown(2, 0, 50, 50);
    }

    static std::string golden(const std::string& nome) {
        std::string qui = __FILE__;
        std::ifstream f(qui.substr(0, qui.rfind("unit")) + "golden/" + nome, std::ios::binary);
        EXPECT_TRUE(f.good()) << "missing golden file " << nome;
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
};
