// The tray icon record as the platform takes it.
#pragma once

#include "core/frmzoom.h"

plat::DatiNotifica dati_notifica(const DatiIcona& dati);
