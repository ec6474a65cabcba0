#include "platform/fake/fake_export.h"

#include <algorithm>
#include <cctype>

#include "platform/fake/fake.h"

namespace fake {

namespace {

StatoEsporta g;
std::map<plat::Handle, std::string> file_aperti;
plat::Handle prossimo_handle = 0x7000;

std::string minuscolo(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string cartella_di(const std::string& percorso) {
    const size_t i = percorso.rfind('\\');
    return i == std::string::npos ? "" : percorso.substr(0, i);
}

bool cartella_scrivibile(const std::string& percorso) {
    return g.cartelle_mancanti.count(cartella_di(percorso)) == 0;
}

void crea_file(const std::string& percorso, std::vector<uint8_t> dati) {
    g.contenuti[percorso] = std::move(dati);
    stato().file_system[percorso] = 0x20;  // FILE_ATTRIBUTE_ARCHIVE
}

struct BitmapGdip {
    plat::Immagine img;
};
std::map<plat::Handle, BitmapGdip> bitmap_gdip;
std::map<plat::Handle, std::vector<uint8_t>> chiavi_registro;

}  // namespace

StatoEsporta& esporta() { return g; }

void reset_esporta() {
    g = StatoEsporta();
    file_aperti.clear();
    bitmap_gdip.clear();
    chiavi_registro.clear();
}

std::vector<uint8_t> jpeg_finto(const plat::Immagine& img) {
    const std::string s =
        "JPEG " + std::to_string(img.larghezza) + "x" + std::to_string(img.altezza);
    return std::vector<uint8_t>(s.begin(), s.end());
}

}  // namespace fake

namespace plat {

using fake::esporta;

bool picture_copia_pixel(Immagine& copia) {
    const fake::Immagine& p = fake::picture();
    if (p.w <= 0 || p.h <= 0) return false;
    copia.larghezza = p.w;
    copia.altezza = p.h;
    copia.pixel = p.px;
    return true;
}

bool appunti_svuota() {
    auto& e = esporta();
    if (e.appunti_occupati) return false;
    ++e.aperture_appunti;
    e.appunti_con_bitmap = false;
    e.appunti = Immagine();
    return true;
}

bool appunti_metti_picture() {
    auto& e = esporta();
    if (e.appunti_occupati) return false;
    ++e.aperture_appunti;
    Immagine img;
    if (!picture_copia_pixel(img)) return false;
    e.appunti = img;
    e.appunti_con_bitmap = true;
    return true;
}

Handle appunti_leggi_bitmap() {
    auto& e = esporta();
    if (e.appunti_occupati) return 0;
    ++e.aperture_appunti;
    return e.appunti_con_bitmap ? Handle(0xB17) : 0;
}

namespace {
int32_t dialogo(DialogoFile& ofn) {
    auto& e = esporta();
    e.dialoghi.push_back(ofn);
    if (e.durante_dialogo) e.durante_dialogo();
    const std::string scelto = e.utente ? e.utente(ofn) : std::string();
    if (scelto.empty()) return 0;
    // The dialog writes the chosen path, NUL-terminated, into the caller's buffer.
    if (scelto.size() + 1 > ofn.nMaxFile) return 0;
    ofn.lpstrFile.replace(0, scelto.size() + 1, scelto + '\0');
    return 1;
}
}  // namespace

int32_t GetSaveFileName(DialogoFile& ofn) { return dialogo(ofn); }
int32_t GetOpenFileName(DialogoFile& ofn) { return dialogo(ofn); }
Handle istanza_modulo() { return 0x400000; }

Handle LoadLibrary(const std::string& nome) {
    auto& e = esporta();
    if (e.librerie_assenti.count(fake::minuscolo(nome))) return 0;
    ++e.librerie_aperte;
    return 0x10000000;
}

bool GetProcAddress(Handle libreria, const std::string& funzione) {
    return libreria != 0 && esporta().funzioni_assenti.count(funzione) == 0;
}

void FreeLibrary(Handle libreria) {
    if (libreria != 0) --esporta().librerie_aperte;
}

uint32_t GdiplusStartup(Handle& token) {
    auto& e = esporta();
    e.chiamate_gdip.push_back("GdiplusStartup");
    if (e.librerie_assenti.count("gdiplus")) return GDIP_ASSENTE;
    if (e.stato_startup != 0) return e.stato_startup;
    ++e.gdip_avviati;
    token = 0x51;
    return 0;
}

uint32_t GdipCreateBitmapFromImmagine(const Immagine& img, Handle& bitmap) {
    auto& e = esporta();
    e.chiamate_gdip.push_back("GdipCreateBitmapFromHBITMAP");
    if (e.stato_bitmap != 0) return e.stato_bitmap;
    bitmap = fake::prossimo_handle++;
    fake::bitmap_gdip[bitmap] = {img};
    ++e.gdip_bitmap_vive;
    return 0;
}

uint32_t GdipSaveImageToFile(Handle bitmap, const std::string& percorso, const std::string& encoder,
                             const std::vector<ParametroEncoder>& parametri) {
    auto& e = esporta();
    e.chiamate_gdip.push_back("GdipSaveImageToFile");
    e.ultimo_encoder = encoder;
    e.ultimi_parametri = parametri;
    if (e.stato_salva != 0) return e.stato_salva;
    auto it = fake::bitmap_gdip.find(bitmap);
    if (it == fake::bitmap_gdip.end()) return 2;                       // InvalidParameter
    if (!fake::cartella_scrivibile(percorso) || e.scrittura_fallisce) return 10;  // FileNotFound
    fake::crea_file(percorso, fake::jpeg_finto(it->second.img));
    return 0;
}

uint32_t GdipDisposeImage(Handle bitmap) {
    auto& e = esporta();
    e.chiamate_gdip.push_back("GdipDisposeImage");
    if (fake::bitmap_gdip.erase(bitmap) == 0) return 2;
    --e.gdip_bitmap_vive;
    return 0;
}

void GdiplusShutdown(Handle token) {
    auto& e = esporta();
    e.chiamate_gdip.push_back("GdiplusShutdown");
    if (token != 0) --e.gdip_avviati;
}

Handle file_apri_scrittura(const std::string& percorso) {
    if (!fake::cartella_scrivibile(percorso)) return 0;
    fake::crea_file(percorso, {});
    const Handle h = fake::prossimo_handle++;
    fake::file_aperti[h] = percorso;
    ++esporta().file_aperti;
    return h;
}

bool file_scrivi(Handle file, const void* dati, size_t n) {
    auto it = fake::file_aperti.find(file);
    if (it == fake::file_aperti.end() || esporta().scrittura_fallisce) return false;
    auto& c = esporta().contenuti[it->second];
    const uint8_t* p = static_cast<const uint8_t*>(dati);
    c.insert(c.end(), p, p + n);
    return true;
}

bool file_chiudi(Handle file) {
    if (fake::file_aperti.erase(file) == 0) return false;
    --esporta().file_aperti;
    return true;
}

bool file_leggi(const std::string& percorso, std::vector<uint8_t>& dati) {
    auto it = esporta().contenuti.find(percorso);
    if (it == esporta().contenuti.end()) return false;
    dati = it->second;
    return true;
}

bool file_sostituisci(const std::string& da, const std::string& a) {
    auto& c = esporta().contenuti;
    auto it = c.find(da);
    if (it == c.end() || !fake::cartella_scrivibile(a)) return false;
    std::vector<uint8_t> dati = std::move(it->second);
    c.erase(it);
    fake::stato().file_system.erase(da);
    fake::crea_file(a, std::move(dati));
    return true;
}

bool file_elimina(const std::string& percorso) {
    fake::stato().file_system.erase(percorso);
    return esporta().contenuti.erase(percorso) > 0;
}

long RegOpenKeyEx(Handle radice, const std::string& sottochiave, uint32_t, uint32_t accesso,
                  Handle& chiave) {
    auto& e = esporta();
    e.accessi_registro.push_back(accesso);
    if (radice != HKEY_LOCAL_MACHINE_ && radice != 0x80000001u) return 6;  // ERROR_INVALID_HANDLE
    const auto& albero = radice == HKEY_LOCAL_MACHINE_ ? e.hklm : e.hkcu;
    auto it = albero.find(fake::minuscolo(sottochiave));
    if (it == albero.end()) return 2;  // ERROR_FILE_NOT_FOUND
    ++e.chiavi_aperte;
    chiave = fake::prossimo_handle++;
    fake::chiavi_registro[chiave] = it->second;
    return 0;
}

long RegQueryValueEx(Handle chiave, const std::string& nome, uint32_t* tipo, uint8_t* dati,
                     uint32_t& dimensione) {
    auto it = fake::chiavi_registro.find(chiave);
    if (it == fake::chiavi_registro.end()) return 6;
    if (!nome.empty()) return 2;  // only the default value is simulated
    const std::vector<uint8_t>& v = it->second;
    if (tipo) *tipo = 1;  // REG_SZ
    if (dati == nullptr) {
        dimensione = uint32_t(v.size());
        return 0;
    }
    if (dimensione < v.size()) {
        dimensione = uint32_t(v.size());
        return 234;  // ERROR_MORE_DATA
    }
    std::copy(v.begin(), v.end(), dati);
    dimensione = uint32_t(v.size());
    return 0;
}

long RegCloseKey(Handle chiave) {
    if (fake::chiavi_registro.erase(chiave) == 0) return 6;
    --esporta().chiavi_aperte;
    return 0;
}

std::string testo_da_ansi(const std::string& byte_ansi) {
    // The fake's ANSI code page is Latin-1: every byte is the code point of its value.
    std::string out;
    for (unsigned char c : byte_ansi) {
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

Handle GetDesktopWindow() { return 0x10010; }

intptr_t ShellExecute(Handle owner, const std::string& verbo, const std::string& file,
                      const std::string& parametri, const std::string& cartella, int modo) {
    esporta().shell.push_back({owner, verbo, file, parametri, cartella, modo});
    return 42;  // > 32: success
}

}  // namespace plat
