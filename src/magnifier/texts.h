// Every text the user sees, in one place (Italian, exactly as shown).
#pragma once

namespace vitrelo::text {

inline constexpr const char* kTitle = "Vitrelo";
inline constexpr const char* kSettingsFile = "Vitrelo.ini";
inline constexpr const char* kSettingsSection = "Opzioni";
inline constexpr const char* kCalibrationSection = "Calibrazione";
inline constexpr const char* kHelpFile = "Vitrelo.chm";
inline constexpr const char* kTrayTip = "Vitrelo";

// Messages.
inline constexpr const char* kHelpMissing = "Impossibile trovare il file della guida: Vitrelo.chm";
inline constexpr const char* kCopied = "Immagine copiata negli appunti.";
inline constexpr const char* kCopyFailed = "Impossibile copiare l'immagine.";
inline constexpr const char* kSaved = "Immagine salvata!";
inline constexpr const char* kBadFormat = "Formato del file non valido!";
inline constexpr const char* kSaveFailed = "Impossibile salvare il file.";
inline constexpr const char* kMailFailed = "Impossibile inviare l'immagine!";
inline constexpr const char* kMailClientIncompatible =
    "Il programma di posta elettronica non è compatibile con Vitrelo";

// The save dialog.
inline constexpr const char* kSaveTitleAllFormats =
    "Salva immagine: digita il nome del file e scegli il formato (bmp, jpg o png)";
inline constexpr const char* kSaveFilterAllFormats = "Bitmap (24 bit)|*.bmp|Jpg|*.jpg|Png|*.png|";
inline constexpr const char* kSaveTitleBmpOnly = "Salva immagine: digita il nome del file.";
inline constexpr const char* kSaveFilterBmpOnly = "Bitmap|*.bmp";
inline constexpr const char* kSnapshotName = "SnapShotVitrelo";
inline constexpr const char* kSnapshotJpeg = "SnapShotVitrelo.jpg";
inline constexpr const char* kMailMessageFile = "VitreloImage.eml";
inline constexpr const char* kMailSubject = "Invio SnapShot Vitrelo";

// Tooltips.
inline constexpr const char* kUnlockTip = "Sblocca immagine";
inline constexpr const char* kLeaveCaptureTip = "Esci da cattura immagne";  // sic: as shipped
inline constexpr const char* kCloseTip = "Chiudi";

// Start-up credits, printed over the logo.
inline constexpr const char* kCredits = "Vitrelo - a cura del team Vitrelo";
inline constexpr const char* kCreditsTeam =
    "(con la collaborazione di tutta la squadra di Vitrelo)";

// The menu.
inline constexpr const char* kMenuZoom = "Zoom";
inline constexpr const char* kZoomItems[] = {" .5 x", "  1 x", "  2 x", "  3 x", "  4 x",
                                             "  6 x", "  8 x", "10 x",  "12 x"};
inline constexpr const char* kMenuSize = "Dimensione finestra";
inline constexpr const char* kSizeItems[] = {"minima", "1/8 schermo", "1/4 schermo", "Barra Alta",
                                             "Barra Bassa"};
inline constexpr const char* kMenuRefresh = "Refresh";
inline constexpr const char* kRefreshItems[] = {"10 ms", "50 ms", "100 ms", "250 ms", "500 ms"};
inline constexpr const char* kMenuImage = "Immagine";
inline constexpr const char* kImageItems[] = {"Copia", "Salva", "Invia immagine per posta"};
inline constexpr const char* kMenuPickColor = "Individua colore";
inline constexpr const char* kMenuCapture = "Cattura Immagine";
inline constexpr const char* kMenuInvert = "Inverti colori";
inline constexpr const char* kMenuGrid = "Griglia";
inline constexpr const char* kMenuMeasure = "Dimensioni X-Y";
inline constexpr const char* kMenuCopyColor = "Copia colore\tC";  // the key right-aligned
inline constexpr const char* kMenuContrast = "Contrasto";
inline constexpr const char* kMenuUnit = "Unità di misura";
inline constexpr const char* kUnitItems[] = {"pixel", "pixel logici", "millimetri", "pollici",
                                             "punti"};
inline constexpr const char* kMenuCalibrate = "Calibra...";
inline constexpr const char* kMenuColorFormat = "Formato colore";
inline constexpr const char* kColorFormatItems[] = {"#RRGGBB", "RGB(r,g,b)", "rgb(r, g, b)",
                                                    "hsl(h, s%, l%)"};
inline constexpr const char* kMenuMinimize = "Minimizza";
inline constexpr const char* kMenuRestore = "Ripristina";
inline constexpr const char* kMenuHelp = "Help";
inline constexpr const char* kHelpItems[] = {"Guida in linea", "Informazioni"};
inline constexpr const char* kMenuClose = "Chiudi";

// The calibration dialog.
inline constexpr const char* kCalibrationTitlePrefix = "Calibra ";  // and the monitor's name
inline constexpr const char* kCalibrationDiagonal = "Diagonale dello schermo, in pollici:";
inline constexpr const char* kCalibrationCard =
    "Oppure trascina la fine della barra finché è lunga quanto una carta bancaria appoggiata "
    "allo schermo (85,60 mm):";
inline constexpr const char* kCalibrationPpi = "Pixel per pollice: ";
inline constexpr const char* kCancel = "Annulla";

// The readouts: each unit's short name after a distance (pixels have none), the
// contrast's verdicts for normal text.
inline constexpr const char* kUnitNames[] = {"", "px log.", "mm", "in", "pt"};
inline constexpr const char* kContrastVerdicts[] = {"AAA", "AA", "AA grande", "no"};

// The information box. The addresses are placeholders under example.org, a domain
// reserved for documentation, until the project has real ones.
inline constexpr const char* kAuthor = "Redazione Vitrelo";
inline constexpr const char* kAuthorMail = "autore@example.org";
inline constexpr const char* kPartner = "Esempio Studio";
inline constexpr const char* kPartnerMail = "studio@example.org";
inline constexpr const char* kPartnerSite = "http://www.example.org/";
inline constexpr const char* kCopyright = "Copyright (C) 2004-2026 Redazione Vitrelo";
inline constexpr const char* kMailTip = "e-mail";
inline constexpr const char* kSiteTipPrefix = "Sito Internet ";
inline constexpr const char* kVersionPrefix = "  Versione ";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kOkTip = "Chiude la finestra informazioni";
inline constexpr const char* kCreditPrefix = "Programma realizzato con la\r\ncollaborazione di ";

}  // namespace vitrelo::text
