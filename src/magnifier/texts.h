// Every text the user sees, in one place: each a row of its Italian form (exactly as
// shown) and its English one; `text::kX.in(language)` gives the one to show. Names the
// program and the files use in every language are plain strings.
#pragma once

#include "magnifier/language.h"

namespace vitrelo::text {

inline constexpr const char* kTitle = "Vitrelo";
inline constexpr const char* kSettingsFile = "Vitrelo.ini";
inline constexpr const char* kSettingsSection = "Opzioni";
inline constexpr const char* kCalibrationSection = "Calibrazione";
inline constexpr Text kHelpFile = {"Vitrelo.chm", "Vitrelo_en.chm"};
inline constexpr Text kTrayTip = {"Vitrelo", "Vitrelo"};

// Messages.
inline constexpr Text kHelpMissing = {"Impossibile trovare il file della guida: Vitrelo.chm",
                                      "Cannot find the help file: Vitrelo_en.chm"};
inline constexpr Text kCopied = {"Immagine copiata negli appunti.",
                                 "The image has been copied to the clipboard."};
inline constexpr Text kCopyFailed = {"Impossibile copiare l'immagine.", "Cannot copy the image."};
inline constexpr Text kSaved = {"Immagine salvata!", "Image saved!"};
inline constexpr Text kBadFormat = {"Formato del file non valido!", "Invalid file format!"};
inline constexpr Text kSaveFailed = {"Impossibile salvare il file.", "Cannot save the file."};
inline constexpr Text kMailFailed = {"Impossibile inviare l'immagine!", "Cannot send the image!"};
inline constexpr Text kMailClientIncompatible = {
    "Il programma di posta elettronica non è compatibile con Vitrelo",
    "The e-mail program is not compatible with Vitrelo"};

// The save dialog.
inline constexpr Text kSaveTitleAllFormats = {
    "Salva immagine: digita il nome del file e scegli il formato (bmp, jpg o png)",
    "Save image: type the file name and choose the format (bmp, jpg or png)"};
inline constexpr Text kSaveFilterAllFormats = {"Bitmap (24 bit)|*.bmp|Jpg|*.jpg|Png|*.png|",
                                               "24-bit Bitmap|*.bmp|JPEG|*.jpg|PNG|*.png|"};
inline constexpr Text kSaveTitleBmpOnly = {"Salva immagine: digita il nome del file.",
                                           "Save image: type the file name."};
inline constexpr Text kSaveFilterBmpOnly = {"Bitmap|*.bmp", "Bitmap|*.bmp"};
inline constexpr const char* kSnapshotName = "SnapShotVitrelo";
inline constexpr const char* kSnapshotJpeg = "SnapShotVitrelo.jpg";
inline constexpr const char* kMailMessageFile = "VitreloImage.eml";
inline constexpr Text kMailSubject = {"Invio SnapShot Vitrelo", "Vitrelo SnapShot"};

// Tooltips.
inline constexpr Text kUnlockTip = {"Sblocca immagine", "Unlock the image"};
inline constexpr Text kLeaveCaptureTip = {"Esci da cattura immagne",  // sic: as shipped
                                          "Leave image capture"};
inline constexpr Text kCloseTip = {"Chiudi", "Close"};

// Start-up credits, printed over the logo.
inline constexpr Text kCredits = {"Vitrelo - a cura del team Vitrelo",
                                  "Vitrelo - by the Vitrelo team"};
inline constexpr Text kCreditsTeam = {"(con la collaborazione di tutta la squadra di Vitrelo)",
                                      "(with the help of the whole Vitrelo team)"};

// The menu.
inline constexpr Text kMenuZoom = {"Zoom", "Zoom"};
inline constexpr Text kZoomItems[] = {{" .5 x", " .5 x"}, {"  1 x", "  1 x"}, {"  2 x", "  2 x"},
                                      {"  3 x", "  3 x"}, {"  4 x", "  4 x"}, {"  6 x", "  6 x"},
                                      {"  8 x", "  8 x"}, {"10 x", "10 x"},   {"12 x", "12 x"}};
inline constexpr Text kMenuSize = {"Dimensione finestra", "Window size"};
inline constexpr Text kSizeItems[] = {{"minima", "Smallest"},
                                      {"1/8 schermo", "1/8 screen"},
                                      {"1/4 schermo", "1/4 screen"},
                                      {"Barra Alta", "Top bar"},
                                      {"Barra Bassa", "Bottom bar"}};
inline constexpr Text kMenuRefresh = {"Refresh", "Refresh"};
inline constexpr Text kRefreshItems[] = {{"10 ms", "10 ms"},
                                         {"50 ms", "50 ms"},
                                         {"100 ms", "100 ms"},
                                         {"250 ms", "250 ms"},
                                         {"500 ms", "500 ms"}};
inline constexpr Text kMenuImage = {"Immagine", "Image"};
inline constexpr Text kImageItems[] = {
    {"Copia", "Copy"}, {"Salva", "Save"}, {"Invia immagine per posta", "Send by e-mail"}};
inline constexpr Text kMenuPickColor = {"Individua colore", "Pick colour"};
inline constexpr Text kMenuCapture = {"Cattura Immagine", "Capture image"};
inline constexpr Text kMenuInvert = {"Inverti colori", "Invert colours"};
inline constexpr Text kMenuGrid = {"Griglia", "Grid"};
inline constexpr Text kMenuMeasure = {"Dimensioni X-Y", "Measure X-Y"};
inline constexpr Text kMenuCopyColor = {"Copia colore\tC",  // the key right-aligned
                                        "Copy colour\tC"};
inline constexpr Text kMenuContrast = {"Contrasto", "Contrast"};
inline constexpr Text kMenuUnit = {"Unità di misura", "Units"};
inline constexpr Text kUnitItems[] = {{"pixel", "pixels"},
                                      {"pixel logici", "logical pixels"},
                                      {"millimetri", "millimetres"},
                                      {"pollici", "inches"},
                                      {"punti", "points"}};
inline constexpr Text kMenuCalibrate = {"Calibra...", "Calibrate..."};
inline constexpr Text kMenuColorFormat = {"Formato colore", "Colour format"};
inline constexpr Text kColorFormatItems[] = {{"#RRGGBB", "#RRGGBB"},
                                             {"RGB(r,g,b)", "RGB(r,g,b)"},
                                             {"rgb(r, g, b)", "rgb(r, g, b)"},
                                             {"hsl(h, s%, l%)", "hsl(h, s%, l%)"}};
inline constexpr Text kMenuMinimize = {"Minimizza", "Minimize"};
inline constexpr Text kMenuRestore = {"Ripristina", "Restore"};
// The same caption in both languages, so that either reader finds the way back; each
// language named in itself.
inline constexpr Text kMenuLanguage = {"Lingua / Language", "Lingua / Language"};
inline constexpr Text kLanguageItems[] = {
    {"Italiano", "Italiano"},
    {"English", "English"},
    {"Come Windows / As Windows", "Come Windows / As Windows"}};
inline constexpr Text kMenuHelp = {"Help", "Help"};
inline constexpr Text kHelpItems[] = {{"Guida in linea", "Help topics"},
                                      {"Informazioni", "About Vitrelo"}};
inline constexpr Text kMenuClose = {"Chiudi", "Close"};

// The calibration dialog.
inline constexpr Text kCalibrationTitlePrefix = {"Calibra ",  // and the monitor's name
                                                 "Calibrate "};
inline constexpr Text kCalibrationDiagonal = {"Diagonale dello schermo, in pollici:",
                                              "Screen diagonal, in inches:"};
inline constexpr Text kCalibrationCard = {
    "Oppure trascina la fine della barra finché è lunga quanto una carta bancaria appoggiata "
    "allo schermo (85,60 mm):",
    "Or drag the end of the bar until it is as long as a bank card held against the screen "
    "(85.60 mm):"};
inline constexpr Text kCalibrationPpi = {"Pixel per pollice: ", "Pixels per inch: "};
inline constexpr Text kCancel = {"Annulla", "Cancel"};

// The readouts: the decimal separator, each unit's short name after a distance (pixels
// have none), the contrast's verdicts for normal text.
inline constexpr Text kDecimalSeparator = {",", "."};
inline constexpr Text kUnitNames[] = {
    {"", ""}, {"px log.", "logical px"}, {"mm", "mm"}, {"in", "in"}, {"pt", "pt"}};
inline constexpr Text kContrastVerdicts[] = {
    {"AAA", "AAA"}, {"AA", "AA"}, {"AA grande", "AA large"}, {"no", "fail"}};

// The information box. The names and addresses are placeholders (the addresses under
// example.org, a domain reserved for documentation) until the project has real ones.
inline constexpr const char* kAuthor = "Redazione Vitrelo";
inline constexpr const char* kAuthorMail = "autore@example.org";
inline constexpr const char* kPartner = "Esempio Studio";
inline constexpr const char* kPartnerMail = "studio@example.org";
inline constexpr const char* kPartnerSite = "http://www.example.org/";
inline constexpr const char* kCopyright = "Copyright (C) 2004-2026 Redazione Vitrelo";
inline constexpr Text kMailTip = {"e-mail", "e-mail"};
inline constexpr Text kSiteTipPrefix = {"Sito Internet ", "Web site "};
inline constexpr Text kVersionPrefix = {"  Versione ", "  Version "};
inline constexpr Text kOk = {"OK", "OK"};
inline constexpr Text kOkTip = {"Chiude la finestra informazioni", "Closes this window"};
inline constexpr Text kCreditPrefix = {"Programma realizzato con la\r\ncollaborazione di ",
                                       "Program made with the\r\nhelp of "};

}  // namespace vitrelo::text
