#include "export/salvajpg.h"

#include "export/bmp.h"
#include "export/errore.h"

namespace {

[[noreturn]] void fallisci_gdiplus(uint32_t stato) {
    if (stato == plat::GDIP_ASSENTE)
        throw Errore(ERR_FILE_NON_TROVATO, "Impossibile trovare il file: GDIPlus");
    throw Errore(ERR_GDIPLUS, "Non posso salvare l'immagine. Errore GDI+:" + std::to_string(stato));
}

}  // namespace

bool verifica_gdiplus() {
    const plat::Handle lib = plat::LoadLibrary("GDIPlus");
    if (lib == 0) return false;
    const bool trovata = plat::GetProcAddress(lib, "GdipCreateBitmapFromHBITMAP");
    plat::FreeLibrary(lib);
    return trovata;
}

std::vector<plat::ParametroEncoder> parametri_jpeg(uint8_t qualita) {
    plat::ParametroEncoder q;
    q.guid = GUID_ENCODER_QUALITY;
    q.NumberOfValues = 1;
    q.Type = VALORE_TIPO_LONG;
    q.valore = qualita;
    return {q};
}

void salva_jpg(const plat::Immagine& img, const std::string& percorso, uint8_t qualita) {
    salva_sostituendo(percorso, [&](const std::string& temporaneo) {
        plat::Handle token = 0;
        uint32_t stato = plat::GdiplusStartup(token);
        if (stato != 0) fallisci_gdiplus(stato);
        plat::Handle bitmap = 0;
        stato = plat::GdipCreateBitmapFromImmagine(img, bitmap);
        if (stato != 0) {
            plat::GdiplusShutdown(token);
            fallisci_gdiplus(stato);
        }
        stato = plat::GdipSaveImageToFile(bitmap, temporaneo, CLSID_ENCODER_JPEG,
                                          parametri_jpeg(qualita));
        plat::GdipDisposeImage(bitmap);  // its status does not change the outcome
        plat::GdiplusShutdown(token);
        if (stato != 0) fallisci_gdiplus(stato);
    });
}

void salva_bmp(const plat::Immagine& img, const std::string& percorso) {
    const std::vector<uint8_t> dati = codifica_bmp(img);
    salva_sostituendo(percorso, [&](const std::string& temporaneo) {
        const plat::Handle f = plat::file_apri_scrittura(temporaneo);
        if (f == 0) throw Errore(ERR_ACCESSO_FILE, "Errore di accesso al file");
        const bool scritto = plat::file_scrivi(f, dati.data(), dati.size());
        const bool chiuso = plat::file_chiudi(f);
        if (!scritto || !chiuso) throw Errore(ERR_ACCESSO_FILE, "Errore di accesso al file");
    });
}

std::string nome_temporaneo_accanto(const std::string& percorso) {
    return percorso + ".vitrelo-tmp";
}

void salva_sostituendo(const std::string& percorso,
                       const std::function<void(const std::string&)>& scrivi) {
    const std::string temporaneo = nome_temporaneo_accanto(percorso);
    try {
        scrivi(temporaneo);
        if (!plat::file_sostituisci(temporaneo, percorso))
            throw Errore(ERR_ACCESSO_FILE, "Errore di accesso al file");
    } catch (...) {
        plat::file_elimina(temporaneo);  // nothing to remove when the write never began
        throw;
    }
}
