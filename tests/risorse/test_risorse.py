#!/usr/bin/env python3
"""Checks the generated resources against what the program relies on: the sound formats
that sndPlaySound gets, the cursor hotspots (on an opaque pixel of the drawing), the icon
sizes, the logo size, and that vitrelo.rc gives every number of enum Risorsa the right type.

Usage: test_risorse.py SOURCE_ROOT
"""
import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest

RADICE = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
USCITA = tempfile.mkdtemp(prefix="vitrelo-risorse-")
subprocess.run([sys.executable, os.path.join(RADICE, "resources", "genera_risorse.py"), USCITA],
               check=True)


def leggi(nome):
    with open(os.path.join(USCITA, nome), "rb") as f:
        return f.read()


def blocchi_riff(dati):
    """{chunk id: payload} of a RIFF/WAVE file, walking the chunks with their pad bytes."""
    assert dati[:4] == b"RIFF" and dati[8:12] == b"WAVE", "not RIFF/WAVE"
    assert struct.unpack_from("<I", dati, 4)[0] == len(dati) - 8, "RIFF size"
    blocchi, pos = {}, 12
    while pos < len(dati):
        tipo, lunghezza = dati[pos:pos + 4], struct.unpack_from("<I", dati, pos + 4)[0]
        blocchi[tipo] = dati[pos + 8:pos + 8 + lunghezza]
        pos += 8 + lunghezza + (lunghezza & 1)
    assert pos == len(dati), "chunks overrun the file"
    return blocchi


def immagini_icona(dati):
    """[(type, width, height, field1, field2, opaque(x, y))] of an .ico/.cur file."""
    _, tipo, quante = struct.unpack_from("<HHH", dati, 0)
    uscita = []
    for i in range(quante):
        w, h, _, _, c1, c2, lunghezza, pos = struct.unpack_from("<BBBBHHII", dati, 6 + 16 * i)
        w, h = w or 256, h or 256
        (testa, dw, dh, _, bpp) = struct.unpack_from("<IiiHH", dati, pos)
        assert testa == 40 and dw == w and dh == 2 * h and bpp == 32, "DIB header"
        maschera = pos + 40 + w * h * 4
        passo = (w + 31) // 32 * 4

        def opaco(x, y, maschera=maschera, passo=passo, h=h):
            byte = dati[maschera + (h - 1 - y) * passo + x // 8]
            return not (byte & (0x80 >> (x % 8)))

        assert pos + lunghezza <= len(dati)
        uscita.append((tipo, w, h, c1, c2, opaco))
    return uscita


class Suoni(unittest.TestCase):
    CASI = [("clic301.wav", 11025, 1185), ("clic302.wav", 22050, 1524), ("clic303.wav", 11025, 409)]

    def test_formato_e_durata(self):
        for nome, frequenza, campioni in self.CASI:
            with self.subTest(nome):
                b = blocchi_riff(leggi(nome))
                formato, canali, fc, byte_s, blocco, bit = struct.unpack("<HHIIHH", b[b"fmt "][:16])
                self.assertEqual((formato, canali, fc, byte_s, blocco, bit),
                                 (1, 1, frequenza, frequenza, 1, 8))
                self.assertEqual(len(b[b"data"]), campioni)
                # Audible, and fading out so the click ends without a pop.
                self.assertGreater(max(b[b"data"]) - min(b[b"data"]), 60)
                self.assertLessEqual(abs(b[b"data"][-1] - 128), 20)


class Cursori(unittest.TestCase):
    CASI = [("mano.cur", (6, 0)), ("mano_frecce.cur", (14, 0)), ("contagocce.cur", (5, 16))]

    def test_hotspot_su_un_punto_disegnato(self):
        for nome, (hx, hy) in self.CASI:
            with self.subTest(nome):
                (tipo, w, h, c1, c2, opaco), = immagini_icona(leggi(nome))
                self.assertEqual((tipo, w, h), (2, 32, 32))
                self.assertEqual((c1, c2), (hx, hy))
                self.assertTrue(opaco(hx, hy), "hotspot on a transparent pixel")


class Icone(unittest.TestCase):
    CASI = [("vitrelo.ico", [16, 32, 48]), ("lucchetto_aperto.ico", [32]),
            ("lucchetto_chiuso.ico", [32]), ("puntina.ico", [32]), ("colori.ico", [16]),
            ("misura.ico", [16]), ("icona_tray.ico", [16]), ("chiudi.ico", [16])]

    def test_misure(self):
        for nome, lati in self.CASI:
            with self.subTest(nome):
                immagini = immagini_icona(leggi(nome))
                self.assertEqual([(t, w, h) for t, w, h, *_ in immagini], [(1, s, s) for s in lati])

    def test_logo(self):
        dati = leggi("logo.bmp")
        self.assertEqual(dati[:2], b"BM")
        self.assertEqual(struct.unpack_from("<I", dati, 2)[0], len(dati))
        self.assertEqual(struct.unpack_from("<iiHH", dati, 18), (144, 95, 1, 24))


class ScriptRisorse(unittest.TestCase):
    TIPI = {"CUR": "CURSOR", "ICO": "ICON", "SND": "SOUND", "BMP": "BITMAP"}

    def test_ogni_numero_ha_il_suo_tipo_e_file(self):
        with open(os.path.join(RADICE, "src", "core", "elementi.h"), encoding="utf-8") as f:
            enum = re.search(r"enum Risorsa[^{]*\{(.*?)\}", f.read(), re.S).group(1)
        numeri = re.findall(r"\b([A-Z]+)_[A-Z_]+\s*=\s*(\d+)", enum)
        self.assertGreaterEqual(len(numeri), 14)
        with open(os.path.join(RADICE, "resources", "vitrelo.rc"), encoding="utf-8") as f:
            voci = re.findall(r'^(\d+)\s+(\w+)\s+"([^"]+)"', f.read(), re.M)
        dichiarate = {(int(n), t): nome for n, t, nome in voci}
        for prefisso, numero in numeri:
            with self.subTest(numero=numero):
                nome = dichiarate.get((int(numero), self.TIPI[prefisso]))
                self.assertIsNotNone(nome, f"{numero} is not a {self.TIPI[prefisso]} in vitrelo.rc")
        for (_, _), nome in dichiarate.items():
            with self.subTest(file=nome):
                self.assertTrue(os.path.exists(os.path.join(USCITA, nome)) or
                                os.path.exists(os.path.join(RADICE, "resources", nome)), nome)


if __name__ == "__main__":
    unittest.main(verbosity=1)
