// Temporary placeholder so the program links while the image commands are written.
#include "core/frmzoom.h"

void FrmZoom::mnuC_S_Click(int16_t) {}
