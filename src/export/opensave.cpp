#include "export/opensave.h"

#include <cctype>

namespace {

// Start of the UTF-8 character that ends just before byte i.
size_t inizio_carattere_precedente(const std::string& s, size_t i) {
    do {
        --i;
    } while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80);
    return i;
}

std::string cartella_senza_barra(std::string c) {
    // "C:\" keeps its backslash: "C:" alone would mean the current folder of drive C.
    if (c.size() > 3 && c.back() == '\\') c.pop_back();
    return c;
}

}  // namespace

std::string estensione_file(const std::string& nome) {
    if (nome.find('.') == std::string::npos) return "";
    size_t i = nome.size();
    for (int n = 0; n < 3 && i > 0; ++n) i = inizio_carattere_precedente(nome, i);
    return nome.substr(i);
}

RamoSalvataggio ramo_salvataggio(const std::string& nome) {
    std::string ext = estensione_file(nome);
    for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ext == "BMP") return RamoSalvataggio::BMP;
    if (ext == "JPG") return RamoSalvataggio::JPG;
    return RamoSalvataggio::Rifiutato;
}

plat::DialogoFile OpenSave::PrepareOFN() const {
    plat::DialogoFile d;
    d.lStructSize = 76;
    d.hwndOwner = owner_;
    d.hInstance = plat::istanza_modulo();
    d.lpstrFilter = filtro_;
    for (char& c : d.lpstrFilter)
        if (c == '|') c = '\0';
    d.lpstrFilter.append(2, '\0');
    d.nFilterIndex = indice_filtro_;
    // The name must leave room for its terminating NUL inside the 255-character buffer.
    d.lpstrFile = nome_.substr(0, OFN_BUFFER - 1);
    d.lpstrFile.resize(OFN_BUFFER, '\0');
    d.nMaxFile = OFN_BUFFER;
    d.lpstrFileTitle.assign(OFN_BUFFER, '\0');
    d.nMaxFileTitle = OFN_BUFFER;
    d.lpstrInitialDir = cartella_.empty() ? cartella_senza_barra(plat::cartella_programma()) : cartella_;
    d.lpstrTitle = titolo_;
    d.Flags = OFN_FLAGS_VITRELO;
    d.lpstrDefExt = estensione_;
    return d;
}

int32_t OpenSave::mostra(int32_t (*chiamata)(plat::DialogoFile&)) {
    plat::DialogoFile d = PrepareOFN();
    risultato_ = chiamata(d);
    if (risultato_ > 0) {
        const size_t fine = d.lpstrFile.find('\0');
        nome_ = fine == std::string::npos ? d.lpstrFile : d.lpstrFile.substr(0, fine);
    } else {
        nome_.clear();
    }
    return risultato_;
}

int32_t OpenSave::ShowOpen() { return mostra(&plat::GetOpenFileName); }
int32_t OpenSave::ShowSave() { return mostra(&plat::GetSaveFileName); }
