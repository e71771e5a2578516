#!/usr/bin/env python3
"""Turns a puzzle source (grid + clues, UTF-8) into a .trmo archive, or makes a source skeleton.

  costruisci.py SORGENTE USCITA.trmo     write the archive (Windows-1252, CR LF)
  costruisci.py --scheletro GRIGLIA      print a source with every word and an empty clue

Source layout:
  Autore: ...              three header lines (label, colon, data)
  Titolo: ...
  Tema: ...
  GRIGLIA
  rows of letters, '#' for a black cell
  DEFINIZIONI
  O 12 PAROLA Clue text    O = across, V = down, the number as the grid shows it
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import parole as P  # noqa: E402


def numera(righe):
    """(number, direction, column, row, word) for every word start, numbered row by row."""
    R, C = len(righe), len(righe[0])
    nero = lambda c, r: righe[r][c] == "#"  # noqa: E731
    voci = []
    n = 0
    for r in range(R):
        for c in range(C):
            if nero(c, r):
                continue
            trovate = []
            if (c == 0 or nero(c - 1, r)) and c + 1 < C and not nero(c + 1, r):
                k = c
                while k < C and not nero(k, r):
                    k += 1
                trovate.append((1, righe[r][c:k]))
            if (r == 0 or nero(c, r - 1)) and r + 1 < R and not nero(c, r + 1):
                k = r
                while k < R and not nero(c, k):
                    k += 1
                trovate.append((2, "".join(righe[i][c] for i in range(r, k))))
            if trovate:
                n += 1
                for d, w in trovate:
                    voci.append((n, d, c + 1, r + 1, w))
    return voci


def leggi_sorgente(percorso):
    with open(percorso, encoding="utf-8") as f:
        righe = [x.rstrip("\n") for x in f]
    testa = righe[:3]
    i = righe.index("GRIGLIA")
    j = righe.index("DEFINIZIONI")
    griglia = [x for x in righe[i + 1:j] if x.strip()]
    definizioni = {}
    for x in righe[j + 1:]:
        if not x.strip() or x.startswith("%"):
            continue
        parti = x.split(" ", 3)
        d = {"O": 1, "V": 2}[parti[0]]
        definizioni[(int(parti[1]), d)] = (parti[2], parti[3].strip() if len(parti) > 3 else "")
    return testa, griglia, definizioni


def intestazione(riga):
    etichetta, _, dato = riga.partition(":")
    return (etichetta + ":").ljust(13) + dato.strip()


def scrivi(sorgente, uscita):
    testa, griglia, definizioni = leggi_sorgente(sorgente)
    C, R = len(griglia[0]), len(griglia)
    assert all(len(x) == C for x in griglia), "righe di lunghezza diversa"
    righe = [intestazione(x) for x in testa]
    righe.append("Dimensioni:  " + f"{C:2d}x{R:2d}")
    for x in griglia:
        righe.append("".join(("D*" if ch == "#" else chr(ord(ch) + 26) + ".") for ch in x))
    voci = numera(griglia)
    errori = []
    per_cella = {}
    for n, d, c, r, w in voci:
        if (n, d) not in definizioni:
            errori.append(f"manca la definizione {'OV'[d - 1]} {n} {w}")
            continue
        parola, testo = definizioni.pop((n, d))
        if parola != w:
            errori.append(f"{'OV'[d - 1]} {n}: la griglia dice {w}, la sorgente {parola}")
        if not testo:
            errori.append(f"{'OV'[d - 1]} {n} {w}: definizione vuota")
        per_cella[(c, r, d)] = testo
    for (n, d), (w, _) in definizioni.items():
        errori.append(f"definizione in più: {'OV'[d - 1]} {n} {w}")
    if errori:
        sys.exit("\n".join(errori))
    for c in range(1, C + 1):
        for r in range(1, R + 1):
            for d in (1, 2):
                if (c, r, d) in per_cella:
                    righe.append(f"{c:3d}{r:3d}{d}-{per_cella[(c, r, d)]}")
    with open(uscita, "wb") as f:
        f.write("".join(x + "\r\n" for x in righe).encode("cp1252"))


def scheletro(percorso):
    with open(percorso, encoding="utf-8") as f:
        griglia = [x.strip() for x in f if x.strip()]
    print("Autore: Redazione Quadrivo\nTitolo: \nTema: \nGRIGLIA")
    print("\n".join(griglia))
    print("DEFINIZIONI")
    voci = numera(griglia)
    for d in (1, 2):
        for n, dd, c, r, w in voci:
            if dd == d:
                print(f"{'OV'[d - 1]} {n} {w} ")


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--scheletro":
        scheletro(sys.argv[2])
    elif len(sys.argv) == 3:
        scrivi(sys.argv[1], sys.argv[2])
    else:
        sys.exit(__doc__)
