"""Word list shared by the filler and the checks: the Italian word list folded to A-Z."""
import unicodedata

ELENCO = "/usr/share/dict/italian"


def piega(parola):
    """Upper-case A-Z with accents dropped; None for words with other characters."""
    s = unicodedata.normalize("NFD", parola.strip())
    s = "".join(ch for ch in s if unicodedata.category(ch) != "Mn").upper()
    if len(s) < 1 or not all("A" <= ch <= "Z" for ch in s):
        return None
    return s


def carica(percorso=ELENCO):
    """folded word -> list of the original spellings."""
    parole = {}
    with open(percorso, encoding="utf-8") as f:
        for riga in f:
            p = piega(riga)
            if p:
                parole.setdefault(p, []).append(riga.strip())
    return parole


def due_lettere(percorso):
    """The allowed two-letter entries: first field of each non-comment line."""
    voci = set()
    with open(percorso, encoding="utf-8") as f:
        for riga in f:
            riga = riga.split("#")[0].strip()
            if riga:
                voci.add(riga.split()[0].upper())
    return voci
