#!/usr/bin/env python3
"""Crossword filler: lays black cells on a grid and fills it with Italian words.

Usage: riempi.py COLONNE RIGHE [--neri 0.18] [--seme N] [--max 10] [--escludi FILE] [--schema FILE]
Prints the grid as rows of letters with '#' for black cells.
"""
import argparse
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import parole as P  # noqa: E402

QUI = os.path.dirname(os.path.abspath(__file__))

# Endings of verb forms and enclitic pronouns: words ending so are hard to clue fairly.
DESINENZE_RARE = (
    "ASSIMO ESSIMO ISSIMO ASSERO ESSERO ISSERO ASTE ESTE ISTE ASTI ESTI ISTI "
    "EREMMO IREMMO AREMMO EREBBE IREBBE AREBBE EREBBERO IREBBERO EREBBERO ERESTE IRESTE "
    "ERESTI IRESTI ERANNO IRANNO ARONO ERONO IRONO AVAMO EVAMO IVAMO AVATE EVATE IVATE "
    "AVANO EVANO IVANO IAMO IATE ANDOLO ANDOLA ANDOSI ENDOLO ENDOSI ATELO ARLO ARLA ARLI "
    "ARLE ARNE ARSI ARCI ARVI ERLO ERLA ERLI ERLE ERNE ERSI ERCI IRLO IRLA IRLI IRSI IRNE "
    "GLIELO GLIELA GLIENE ASSE ESSE ISSE EREI IREI EREMO IREMO ERETE IRETE ASSI ISCANO "
    "INO INA INI INE ETTO ETTA ETTI ETTE UCCIO UCCIA ONA ONI ONE UCCE UZZA OTTO OTTA "
    "ISSIMA ISSIMI ISSIME ONCELLO ACCIO ACCIA ERAI IRAI ANDO ENDO"
).split()


# Everyday words that end in a consonant (the others are mostly poetic truncations).
FINALI_CONSONANTE = set("""COL CON PER NON BAR GAS BUS SUD EST NORD OVEST FILM SPORT TRAM CAMION
TANDEM ALCOOL GRAN BEL BEN DEL NEL SUL DAL GOL TUNNEL ROBOT COMPUTER CLUB TENNIS RUGBY
YOGURT ZENIT RUM BOX GIN JAZZ HOTEL""".split())


def punteggio(folded, originali, rnd):
    """Lower is better: everyday base forms first, inflections and oddities last."""
    s = rnd.random() * 2.0
    for d in DESINENZE_RARE:
        if folded.endswith(d) and len(folded) > len(d) + 1:
            s += 6
            break
    if folded[-1] not in "AEIOU" and folded not in FINALI_CONSONANTE:
        s += 8
    if all(o[:1].isupper() for o in originali):
        s += 3
    if any(ch in folded for ch in "JKWXY"):
        s += 5
    if any(not o.isascii() for o in originali):
        s += 2
    if folded[:2] in ("RI", "DI", "IN", "RA", "SO") and len(folded) > 6:
        s += 1
    return s


class Dizionario:
    def __init__(self, escludi, seme, soglia):
        rnd = random.Random(seme)
        parole = P.carica()
        due = P.due_lettere(os.path.join(QUI, "due_lettere.txt"))
        per_lung = {}
        for f, orig in parole.items():
            if f in escludi or len(f) < 3 or len(f) > 15:
                continue
            # acronyms and abbreviations (GPL, CD) are not words
            if all(sum(ch.isupper() for ch in o) > 1 for o in orig):
                continue
            p = punteggio(f, orig, rnd)
            if p < soglia:
                per_lung.setdefault(len(f), []).append((p, f))
        per_lung[2] = [(rnd.random() * 3, w) for w in sorted(due) if w not in escludi]
        self.parole = {}
        self.maschere = {}
        for n, lista in per_lung.items():
            lista.sort()
            ws = [w for _, w in lista]
            self.parole[n] = ws
            m = {}
            for i, w in enumerate(ws):
                bit = 1 << i
                for j, ch in enumerate(w):
                    m[(j, ch)] = m.get((j, ch), 0) | bit
            self.maschere[n] = m
            self.maschere[n]["tutte"] = (1 << len(ws)) - 1

    def candidati(self, schema):
        n = len(schema)
        m = self.maschere.get(n)
        if m is None:
            return 0
        x = m["tutte"]
        for j, ch in enumerate(schema):
            if ch != ".":
                x &= m.get((j, ch), 0)
                if not x:
                    return 0
        return x


def genera_neri(C, R, densita, massimo, rnd):
    """Random black cells, point-symmetric, no run longer than `massimo`, no lone white cells."""
    g = [[False] * C for _ in range(R)]
    obiettivo = int(C * R * densita)
    tentativi = 0
    while sum(map(sum, g)) < obiettivo and tentativi < 10000:
        tentativi += 1
        r, c = rnd.randrange(R), rnd.randrange(C)
        if g[r][c]:
            continue
        # avoid clumps: no black neighbour orthogonally
        vicini = [(r + dr, c + dc) for dr, dc in ((0, 1), (1, 0), (0, -1), (-1, 0))]
        if any(0 <= rr < R and 0 <= cc < C and g[rr][cc] for rr, cc in vicini):
            continue
        g[r][c] = g[R - 1 - r][C - 1 - c] = True
    # break runs that are too long
    cambiato = True
    while cambiato:
        cambiato = False
        for trasposto in (False, True):
            A, B = (C, R) if trasposto else (R, C)
            for a in range(A):
                corsa = 0
                for b in range(B + 1):
                    nero = b == B or (g[b][a] if trasposto else g[a][b])
                    if nero:
                        if corsa > massimo:
                            inizio = b - corsa
                            pos = inizio + rnd.randrange(3, corsa - 3)
                            r, c = (pos, a) if trasposto else (a, pos)
                            g[r][c] = g[R - 1 - r][C - 1 - c] = True
                            cambiato = True
                        corsa = 0
                    else:
                        corsa += 1
    return g


def parole_schema(g):
    """Slots: lists of (row, col) cells of every run of two or more white cells."""
    R, C = len(g), len(g[0])
    linee = [[(r, c) for c in range(C)] for r in range(R)] + [[(r, c) for r in range(R)] for c in range(C)]
    slot = []
    for linea in linee:
        corsa = []
        for r, c in linea + [(None, None)]:
            if r is not None and not g[r][c]:
                corsa.append((r, c))
                continue
            if len(corsa) >= 2:
                slot.append(corsa)
            corsa = []
    return slot


def schema_valido(g):
    """Every white cell belongs to at least one word."""
    R, C = len(g), len(g[0])
    coperte = set()
    for s in parole_schema(g):
        coperte.update(s)
    return all(g[r][c] or (r, c) in coperte for r in range(R) for c in range(C))


def riempi(g, diz, rnd, limite=20000, fisse=None):
    R, C = len(g), len(g[0])
    lettere = [["." if not g[r][c] else "#" for c in range(C)] for r in range(R)]
    for (r, c), ch in (fisse or {}).items():
        lettere[r][c] = ch
    slot = parole_schema(g)
    per_cella = {}
    for i, s in enumerate(slot):
        for cell in s:
            per_cella.setdefault(cell, []).append(i)
    incroci = [sorted({j for cell in s for j in per_cella[cell] if j != i}) for i, s in enumerate(slot)]
    usate = set()
    pieni = [False] * len(slot)
    passi = [0]

    def schema(i):
        return "".join(lettere[r][c] for r, c in slot[i])

    # candidate set and its size for every slot, updated only where letters change
    cand = [diz.candidati(schema(i)) for i in range(len(slot))]
    conto = [x.bit_count() for x in cand]
    # words already complete (a repair of a filled grid) stay as they are
    for i in range(len(slot)):
        if "." not in schema(i):
            pieni[i] = True
            usate.add(schema(i))

    def ricorri():
        passi[0] += 1
        if passi[0] > limite:
            return False
        migliore, mconto = None, None
        for i in range(len(slot)):
            if not pieni[i] and (mconto is None or conto[i] < mconto):
                migliore, mconto = i, conto[i]
                if mconto <= 1:
                    break
        if migliore is None:
            return True
        if mconto == 0:
            return False
        ws = diz.parole[len(slot[migliore])]
        # best-ranked candidates first, a little shuffled among the top few
        scelte = []
        x = cand[migliore]
        while x and len(scelte) < 24:
            b = x & -x
            scelte.append(ws[b.bit_length() - 1])
            x ^= b
        # look ahead: try first the words that leave the crossing words most room
        valutate = []
        vecchio = schema(migliore)
        for k, w in enumerate(scelte):
            if w in usate:
                continue
            for (r, c), ch in zip(slot[migliore], w):
                lettere[r][c] = ch
            spazio = 0.0
            for j in incroci[migliore]:
                if not pieni[j]:
                    n = diz.candidati(schema(j)).bit_count()
                    if n == 0:
                        spazio = None
                        break
                    spazio += math.log(n)
            if spazio is not None:
                valutate.append((-spazio + 0.3 * k + rnd.random(), w))
        for (r, c), ch in zip(slot[migliore], vecchio):
            lettere[r][c] = ch
        valutate.sort()
        for _, w in valutate:
            for (r, c), ch in zip(slot[migliore], w):
                lettere[r][c] = ch
            salvati = []
            for j in incroci[migliore]:
                if pieni[j]:
                    continue
                salvati.append((j, cand[j], conto[j]))
                cand[j] = diz.candidati(schema(j))
                conto[j] = cand[j].bit_count()
            pieni[migliore] = True
            usate.add(w)
            if ricorri():
                return True
            usate.discard(w)
            pieni[migliore] = False
            for j, x, n in salvati:
                cand[j], conto[j] = x, n
            for (r, c), ch in zip(slot[migliore], vecchio):
                lettere[r][c] = ch
            if passi[0] > limite:
                return False
        return False

    if ricorri():
        return ["".join(riga) for riga in lettere]
    return None


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("colonne", type=int)
    ap.add_argument("righe", type=int)
    ap.add_argument("--neri", type=float, default=0.18)
    ap.add_argument("--seme", type=int, default=1)
    ap.add_argument("--max", type=int, default=10, help="longest word")
    ap.add_argument("--escludi", help="file of words the filler must not use")
    ap.add_argument("--schema", help="file with the black cells ('#') to use as they are")
    ap.add_argument("--tentativi", type=int, default=50)
    ap.add_argument("--ripartenze", type=int, default=1, help="fresh searches on each layout")
    ap.add_argument("--soglia", type=float, default=5, help="leave out words ranked worse than this")
    ap.add_argument("--passi", type=int, default=20000, help="search steps before a new layout")
    a = ap.parse_args()
    escludi = set()
    if a.escludi:
        with open(a.escludi, encoding="utf-8") as f:
            escludi = {w.strip().upper() for w in f if w.strip() and not w.startswith("#")}
    diz = Dizionario(escludi, a.seme, a.soglia)
    rnd = random.Random(a.seme)
    fisse = None
    for t in range(a.tentativi):
        if a.schema:
            with open(a.schema, encoding="utf-8") as f:
                righe = [riga.rstrip("\n") for riga in f if riga.strip()]
            g = [[ch == "#" for ch in riga] for riga in righe]
            # letters in the layout are kept: only the '.' cells get filled
            fisse = {(r, c): ch for r, riga in enumerate(righe) for c, ch in enumerate(riga) if ch.isalpha()}
        else:
            g = genera_neri(a.colonne, a.righe, a.neri, a.max, rnd)
            if not schema_valido(g):
                continue
        esito = None
        for _ in range(a.ripartenze):
            esito = riempi(g, diz, rnd, a.passi, fisse)
            if esito:
                break
        neri = sum(map(sum, g))
        print(f"tentativo {t}: neri {neri} ({100 * neri / (len(g) * len(g[0])):.0f}%)"
              f" {'riempito' if esito else 'fallito'}", file=sys.stderr)
        if esito:
            print("\n".join(esito))
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
