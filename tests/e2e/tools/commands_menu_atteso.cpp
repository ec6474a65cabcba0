// Shows, at the screen point given, the command menu as Vitrelo must show it right after
// start-up: the tree, captions, greyed items and the bold default item. A scenario opens
// Vitrelo's own menu at the same point and compares the two pictures pixel by pixel, so the
// captions are checked as the user sees them (Wine keeps menus private to their process).
//   commands_menu_atteso.exe X Y [ZOOM]   ZOOM: the checked zoom item (default 2); stays
//                                         until the menu is dismissed (Escape)
#include <windows.h>

#include <cstdlib>

namespace {

struct Voce {
    const wchar_t* testo;
    UINT flag;
};

HMENU sottomenu(const Voce* voci, int n) {
    HMENU m = CreatePopupMenu();
    for (int i = 0; i < n; ++i) AppendMenuW(m, MF_STRING | voci[i].flag, UINT_PTR(100 + i), voci[i].testo);
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]);
    const int z = argc > 3 ? std::atoi(argv[3]) : 2;
    Voce zoom[] = {{L" .5 x", 0}, {L"  1 x", 0}, {L"  2 x", 0}, {L"  3 x", 0}, {L"  4 x", 0},
                   {L"  6 x", 0}, {L"  8 x", 0}, {L"10 x", 0},  {L"12 x", 0}};
    if (z >= 0 && z < 9) zoom[z].flag = MF_CHECKED;
    const Voce dimensione[] = {{L"minima", 0}, {L"1/8 schermo", MF_CHECKED}, {L"1/4 schermo", 0},
                               {L"Barra Alta", 0}, {L"Barra Bassa", 0}};
    const Voce refresh[] = {{L"10 ms", 0}, {L"50 ms", 0}, {L"100 ms", MF_CHECKED}, {L"250 ms", 0},
                            {L"500 ms", 0}};
    const Voce immagine[] = {{L"Copia", 0}, {L"Salva", 0}, {L"Invia immagine per posta", 0}};
    const Voce help[] = {{L"Guida in linea", 0}, {L"Informazioni", 0}};

    HMENU m = CreatePopupMenu();
    AppendMenuW(m, MF_POPUP, UINT_PTR(sottomenu(zoom, 9)), L"Zoom");
    AppendMenuW(m, MF_POPUP, UINT_PTR(sottomenu(dimensione, 5)), L"Dimensione finestra");
    AppendMenuW(m, MF_POPUP, UINT_PTR(sottomenu(refresh, 5)), L"Refresh");
    AppendMenuW(m, MF_POPUP | MF_GRAYED, UINT_PTR(sottomenu(immagine, 3)), L"Immagine");
    AppendMenuW(m, MF_STRING, 1, L"Individua colore");
    AppendMenuW(m, MF_STRING, 2, L"Cattura Immagine");
    AppendMenuW(m, MF_STRING, 3, L"Inverti colori");
    AppendMenuW(m, MF_STRING | (z >= 5 ? 0 : MF_GRAYED), 4, L"Griglia");
    AppendMenuW(m, MF_STRING, 5, L"Dimensioni X-Y");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, 6, L"Minimizza");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_POPUP, UINT_PTR(sottomenu(help, 2)), L"Help");
    AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(m, MF_STRING, 7, L"Chiudi");
    SetMenuDefaultItem(m, 6, FALSE);

    HWND h = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"atteso", WS_POPUP, -20, -20, 1, 1, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(h, SW_SHOW);
    SetForegroundWindow(h);
    TrackPopupMenuEx(m, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                     x, y, h, nullptr);
    DestroyMenu(m);
    DestroyWindow(h);
    return 0;
}
