// The one interface between the magnifier's logic and the system.
//
// The logic (core/, window/, commands/, export/) calls only these functions.
// platform/win32/ implements them for the product on top of Win32; platform/fake/
// implements them for the native tests with simulated screen, windows and files.
// Handles cross the seam as opaque pointer-sized values (0 = none), pictures as
// plain pixel buffers where the logic needs pixels. Strings are UTF-8; the Win32
// side converts at the boundary.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/tipi.h"

namespace plat {

using Handle = std::uintptr_t;

// ---- Window elements -------------------------------------------------------
// The logic owns every element's state (see core/elementi.h) and pushes each
// change here; the platform only realises it on screen.
enum class Elem : int {
    picZoomed,
    picLabel,
    imgWorkIcon,
    imgClose,
    lblBackColor,
    lblInfo,
    piclock,
    shpRect,
    picLogo,
    count
};

void elemento_posiziona(Elem e, int left, int top, int width, int height);
void elemento_visibile(Elem e, bool visibile);
void elemento_abilitato(Elem e, bool abilitato);
void elemento_testo(Elem e, const std::string& testo);      // lblInfo caption
void elemento_colore(Elem e, Colore colore);                // lblBackColor background
void elemento_icona(Elem e, int risorsa);                   // 0 = none; icons 201-203, 1000+ = 16x16 stores
void elemento_tooltip(Elem e, const std::string& testo);
void elemento_cursore(Elem e, int risorsa);                 // 0 = default pointer; 101-103

// ---- Main window -------------------------------------------------------------
// Outer rectangle in screen pixels. finestra_dimensiona() that really changes the
// size runs frmZoom.Form_Resize() before it returns (nested), as the Win32 window
// does through WM_SIZE; setting the size the window already has does nothing.
struct Rettangolo {
    int left = 0, top = 0, width = 0, height = 0;
};
Rettangolo finestra_rettangolo();
void finestra_sposta(int left, int top);
void finestra_dimensiona(int width, int height);
int finestra_client_larghezza();   // client area in pixels
int finestra_client_altezza();
void finestra_mostra(bool visibile);
void finestra_abilita(bool abilitata);
void finestra_primo_piano(bool attiva);   // SetWindowPos HWND_TOPMOST / HWND_NOTOPMOST, flags 3
Handle finestra_handle();

// ---- Timer ----------------------------------------------------------------
void timer_imposta(bool abilitato, int intervallo_ms);

// ---- Screen, keys, pointer ------------------------------------------------
struct Metriche {
    int larghezza_px = 0, altezza_px = 0;
    int dpi_x = 96, dpi_y = 96;
};
Metriche schermo_metriche();
bool GetCursorPos(Punto& p);
int16_t GetAsyncKeyState(int vk);

// ---- GDI, mirrored one to one ------------------------------------------------
Handle GetDC_schermo();                  // GetDC(NULL)
void ReleaseDC_schermo(Handle dc);
Handle picture_dc();                     // the persistent bitmap's memory DC of picZoomed
void picture_pulisci();                  // Cls: fill with the background colour (white)
void picture_ridisegna();                // show what was drawn into the bitmap
Colore picture_punto(int x, int y);      // Point: colour of the displayed picture
bool StretchBlt(Handle dst, int x, int y, int w, int h, Handle src, int sx, int sy, int sw,
                int sh, uint32_t rop);
Colore GetPixel(Handle dc, int x, int y);
bool SetPixelV(Handle dc, int x, int y, Colore c);
Handle CreateCompatibleDC(Handle dc);
Handle CreateCompatibleBitmap(Handle dc, int w, int h);
Handle SelectObject(Handle dc, Handle obj);
Handle CreatePatternBrush(Handle bitmap);
bool PatBlt(Handle dc, int x, int y, int w, int h, uint32_t rop);
bool DeleteDC(Handle dc);
bool DeleteObject(Handle obj);

struct InfoCursore {           // CURSORINFO; cbSize is the caller's (20 on 32-bit)
    uint32_t cbSize = 0;
    uint32_t flags = 0;
    Handle hCursor = 0;
    Punto ptScreenPos;
};
struct InfoIcona {             // ICONINFO
    bool fIcon = false;
    uint32_t xHotspot = 0, yHotspot = 0;
    Handle hbmMask = 0, hbmColor = 0;
};
Handle GetCursor();
bool GetCursorInfo(InfoCursore& ci);
bool GetIconInfo(Handle icona, InfoIcona& ii);
bool DrawIconEx(Handle dc, int x, int y, Handle icona, int w, int h, unsigned passo, Handle pennello,
                uint32_t flags);

// ---- Messages, pumping, time -------------------------------------------------
void messaggio_informazione(const std::string& testo, const std::string& titolo);  // MB_ICONINFORMATION
void messaggio_errore(const std::string& testo, const std::string& titolo);        // MB_ICONSTOP
void elabora_messaggi();       // handle everything queued, then return (DoEvents)
bool input_in_attesa();        // cheap test before elabora_messaggi()
void Sleep(unsigned ms);

// ---- Program, files, system ---------------------------------------------------
bool istanza_precedente();         // another instance of this program runs for this user
std::string cartella_programma();  // as the system reports it (may lack the trailing backslash)
bool attributi_file(const std::string& percorso, uint32_t& attributi);  // GetFileAttributes
bool suona_risorsa(int numero);    // SOUND resource through sndPlaySound, flags 7
std::string GetTempPath(unsigned dimensione_buffer, unsigned& lunghezza_richiesta);
bool GetVersionEx(uint32_t& maggiore, uint32_t& minore);
void termina_programma();          // unload the window and end the process

// ---- Image export ------------------------------------------------------------
// Used by export/ only. Paths and texts are UTF-8; the Win32 side hands paths to
// the wide-character API so that any name the user types is kept.
struct Immagine {                // pixels 0x00BBGGRR, row by row from the top
    int32_t larghezza = 0, altezza = 0;
    std::vector<uint32_t> pixel;
};
bool picture_copia_pixel(Immagine& copia);   // the persistent bitmap of picZoomed, as it is now

// Clipboard. Each call opens and closes the clipboard; a clipboard held open by
// another program is retried briefly, then the call fails.
bool appunti_svuota();            // EmptyClipboard
bool appunti_metti_picture();     // the persistent bitmap of picZoomed, as CF_BITMAP
Handle appunti_leggi_bitmap();    // CF_BITMAP read back; 0 = none. Only tested, never used after.

// File dialogs: the OPENFILENAME record as data. Strings may hold NULs (the filter).
struct DialogoFile {
    uint32_t lStructSize = 0;    // 76: the record's original form; the Win32 side maps it
    Handle hwndOwner = 0;
    Handle hInstance = 0;
    std::string lpstrFilter;
    int32_t nFilterIndex = 0;
    std::string lpstrFile;       // the buffer's whole content, nMaxFile characters
    uint32_t nMaxFile = 0;
    std::string lpstrFileTitle;
    uint32_t nMaxFileTitle = 0;
    std::string lpstrInitialDir;
    std::string lpstrTitle;
    uint32_t Flags = 0;
    std::string lpstrDefExt;
};
int32_t GetSaveFileName(DialogoFile& ofn);   // lpstrFile/lpstrFileTitle come back as buffers
int32_t GetOpenFileName(DialogoFile& ofn);
Handle istanza_modulo();

// Libraries bound at run time.
Handle LoadLibrary(const std::string& nome);
bool GetProcAddress(Handle libreria, const std::string& funzione);  // true = found
void FreeLibrary(Handle libreria);

// GDI+ flat API, one call each. Statuses are GDI+'s (0 = Ok). When the library
// cannot be loaded the call returns GDIP_ASSENTE.
constexpr uint32_t GDIP_ASSENTE = 0xFFFFFFFFu;
struct ParametroEncoder {        // one entry of EncoderParameters
    std::string guid;            // "{...}", turned into a GUID with CLSIDFromString
    uint32_t NumberOfValues = 0;
    uint32_t Type = 0;           // 4 = EncoderParameterValueTypeLong
    uint32_t valore = 0;
};
uint32_t GdiplusStartup(Handle& token);                       // version 1, other fields zero
uint32_t GdipCreateBitmapFromImmagine(const Immagine& img, Handle& bitmap);  // via an HBITMAP, palette 0
uint32_t GdipSaveImageToFile(Handle bitmap, const std::string& percorso, const std::string& encoder,
                             const std::vector<ParametroEncoder>& parametri);
uint32_t GdipDisposeImage(Handle bitmap);
void GdiplusShutdown(Handle token);

// Files, raw bytes.
Handle file_apri_scrittura(const std::string& percorso);     // created or truncated; 0 = failure
bool file_scrivi(Handle file, const void* dati, size_t n);
bool file_chiudi(Handle file);
bool file_leggi(const std::string& percorso, std::vector<uint8_t>& dati);
bool file_sostituisci(const std::string& da, const std::string& a);  // rename, replacing a
bool file_elimina(const std::string& percorso);

// Registry, mirrored one to one (ANSI names; data as raw bytes).
constexpr Handle HKEY_LOCAL_MACHINE_ = 0x80000002u;
long RegOpenKeyEx(Handle radice, const std::string& sottochiave, uint32_t opzioni, uint32_t accesso,
                  Handle& chiave);
// dati == nullptr asks for the size only; dimensione is in and out (bytes).
long RegQueryValueEx(Handle chiave, const std::string& nome, uint32_t* tipo, uint8_t* dati,
                     uint32_t& dimensione);
long RegCloseKey(Handle chiave);
std::string testo_da_ansi(const std::string& byte_ansi);       // system ANSI code page -> UTF-8

// Shell.
Handle GetDesktopWindow();
intptr_t ShellExecute(Handle owner, const std::string& verbo, const std::string& file,
                      const std::string& parametri, const std::string& cartella, int modo);
// ---- end of Image export ------------------------------------------------------

// ---- Commands ----------------------------------------------------------------
// Used by commands/ and by the settings of core/.

// Popup menu. The logic hands over the tree as it is to be shown (hidden items
// already left out); the platform shows it at the pointer and returns the id of
// the chosen item, 0 when the menu was dismissed. The caller runs the chosen
// handler before its own popup call returns.
struct VocePopup {
    int id = 0;                         // 0 for separators and submenus
    std::string testo;
    bool spuntata = false;
    bool abilitata = true;
    bool separatore = false;
    bool predefinita = false;           // drawn in bold
    std::vector<VocePopup> sottovoci;   // not empty: a submenu
};
// dal_tray: opened from the notification icon, so the window is brought to the
// foreground first and the menu closes on a click elsewhere.
int menu_popup(const std::vector<VocePopup>& voci, bool dal_tray);

// Notification-area icon: Shell_NotifyIconA with the NOTIFYICONDATA record as data.
constexpr uint32_t NIM_ADD_ = 0;
constexpr uint32_t NIM_DELETE_ = 2;
struct DatiNotifica {
    uint32_t cbSize = 0;        // 88, the record's ANSI form; the Win32 side uses its own V1 size
    Handle hWnd = 0;
    uint32_t uID = 0;
    uint32_t uFlags = 0;
    uint32_t uCallbackMessage = 0;
    int hIcon = 0;              // icon resource number
    std::string szTip;          // at most 63 bytes; the field is padded by the platform
};
bool notifica_icona(uint32_t messaggio, const DatiNotifica& dati);

// Dragging the window: ReleaseCapture, then WM_NCLBUTTONDOWN/HTCAPTION sent to the
// main window; returns when the system's move loop ends (button released).
constexpr uint32_t WM_NCLBUTTONDOWN_ = 0x00A1;
constexpr uintptr_t HTCAPTION_ = 2;
void ReleaseCapture();
intptr_t invia_messaggio(Handle finestra, uint32_t messaggio, uintptr_t wParam, intptr_t lParam);

// Profile (INI) files, GetPrivateProfileStringA / WritePrivateProfileStringA.
// predefinito == nullptr passes no default. Returns the characters copied.
uint32_t profilo_leggi(const std::string& sezione, const std::string& chiave,
                       const char* predefinito, std::string& risultato, uint32_t dimensione,
                       const std::string& file);
bool profilo_scrivi(const std::string& sezione, const std::string& chiave,
                    const std::string& valore, const std::string& file);

// HTML Help: HtmlHelpA(finestra, file, comando, dati); 0 = nothing opened.
constexpr uint32_t HH_DISPLAY_TOPIC_ = 0;
Handle apri_guida(Handle finestra, const std::string& file, uint32_t comando, uintptr_t dati);

// The program's own version record (file version major.minor, revision).
bool versione_programma(int& maggiore, int& minore, int& revisione);

}  // namespace plat

// The about box; its logic is commands/about.h.
struct FrmZoomAbout;

namespace plat {
// Shows the box modally, owned by the main window; returns when it has been closed.
// The platform calls box.Form_Load() once the box exists and routes the clicks of
// its links and button to the box's handlers.
void about_mostra(FrmZoomAbout& box);
void about_chiudi();                 // unload the box (from one of its handlers)
Handle about_handle();
void about_primo_piano();            // the box topmost, not moved or sized
// ---- end of Commands -----------------------------------------------------------

}  // namespace plat

// ---- Window geometry ------------------------------------------------------------
namespace plat {

// The extended style and the layered attributes of a window, mirrored one to one.
constexpr int GWL_EXSTYLE_ = -20;
constexpr int32_t WS_EX_LAYERED_ = 0x80000;
constexpr uint32_t LWA_ALPHA_ = 2;
int32_t GetWindowLongA(Handle finestra, int indice);
int32_t SetWindowLongA(Handle finestra, int indice, int32_t valore);   // returns the old value
bool SetLayeredWindowAttributes(Handle finestra, Colore chiave, uint8_t alpha, uint32_t flags);

// Text printed on picZoomed's persistent bitmap, in picZoomed's foreground colour
// over a transparent background. Positions and measures are picture pixels.
void picture_carattere(const std::string& nome, int punti, bool corsivo);  // Font
float picture_larghezza_testo(const std::string& testo);                  // TextWidth
float picture_altezza_testo(const std::string& testo);                    // TextHeight
void picture_stampa(int x, int y, const std::string& testo);              // Print at x, y

}  // namespace plat
// ---- end of Window geometry -------------------------------------------------------
