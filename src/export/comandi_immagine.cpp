// The three commands of the "Immagine" submenu: copy, save, mail.
#include <memory>

#include "core/frmzoom.h"
#include "export/errore.h"
#include "export/mailverify.h"
#include "export/opensave.h"
#include "export/salvajpg.h"

namespace {

const std::string NOME_PREDEFINITO = std::string("SnapShot") + "Vitrelo";
constexpr uint8_t QUALITA_JPEG = 80;

// The picture the command writes: taken once, so that whatever another program
// puts on the clipboard while the dialog is open cannot take its place.
plat::Immagine copia_del_quadro() {
    plat::Immagine img;
    if (!plat::picture_copia_pixel(img)) throw Errore(ERR_APPUNTI, "Immagine non disponibile");
    return img;
}

}  // namespace

void FrmZoom::mnuC_S_Click(int16_t Index) {
    std::unique_ptr<OpenSave> dialogo;  // released on every way out
    try {
        if (!plat::appunti_svuota() || !plat::appunti_metti_picture())
            throw Errore(ERR_APPUNTI, "Impossibile aprire gli Appunti");
        if (plat::appunti_leggi_bitmap() == 0) {
            mostra_messaggio("Impossibile copiare l'immagine.");
            return;
        }
        switch (Index) {
        case 0:
            mostra_messaggio("Immagine copiata negli appunti.");
            break;
        case 1: {
            const plat::Immagine quadro = copia_del_quadro();
            const bool gdiplus = verifica_gdiplus();
            dialogo = std::make_unique<OpenSave>();
            if (gdiplus) {
                dialogo->DialogTitle(
                    "Salva immagine: digita il nome del file e scegli il formato (bmp o jpg)");
                dialogo->Filter("Bitmap (24 bit)|*.bmp|Jpg|*.jpg|");
            } else {
                dialogo->DialogTitle("Salva immagine: digita il nome del file.");
                dialogo->Filter("Bitmap|*.bmp");
            }
            dialogo->hOwner(plat::finestra_handle());
            dialogo->filename(NOME_PREDEFINITO);
            dialogo->DefaultExt("bmp");
            dialogo->ShowSave();
            const std::string nome = dialogo->filename();
            if (nome.empty()) return;  // cancelled
            switch (ramo_salvataggio(nome)) {
            case RamoSalvataggio::BMP:
                salva_bmp(quadro, nome);
                break;
            case RamoSalvataggio::JPG:
                salva_jpg(quadro, nome, QUALITA_JPEG);
                break;
            case RamoSalvataggio::Rifiutato:
                mostra_messaggio("Formato del file non valido!");
                return;
            }
            if (!esiste_file(nome)) throw Errore(ERR_ACCESSO_FILE, "File non scritto");
            mostra_messaggio("Immagine salvata!");
            break;
        }
        case 2: {
            if (!verifica_gdiplus()) return;
            const plat::Immagine quadro = copia_del_quadro();
            const std::string percorso = cartella_temporanea() + NOME_PREDEFINITO + ".jpg";
            salva_jpg(quadro, percorso, QUALITA_JPEG);
            if (esiste_file(percorso))
                invia_immagine(percorso);
            else
                mostra_messaggio("Impossibile inviare l'immagine!");
            break;
        }
        default:
            break;
        }
    } catch (const std::exception&) {
        // One message for every failure of the command; the cause is not shown.
        mostra_messaggio("Impossibile salvare il file.");
    }
}
