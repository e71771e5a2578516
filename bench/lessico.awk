# The baseline `lessico` is measured against: the same queries as a plain awk script over the
# same dictionary file, printing the same lines in the same order.
#   awk -v cmd=cerca     -v arg=M....E....       -f bench/lessico.awk LessicoItaliano.dat
#   awk -v cmd=anagrammi -v arg=ROMA             -f bench/lessico.awk LessicoItaliano.dat
#   awk -v cmd=frammenti -v arg=PRG              -f bench/lessico.awk LessicoItaliano.dat
#   awk -v cmd=incroci   -v schema=S.trmo -v colonna=1 -v riga=4 -v verso=o -f bench/lessico.awk D.dat
# Masks here are plain: "." any letter, "@" a vowel, "#" a consonant, letters themselves.
BEGIN { RS = "\001" }  # no such byte in a dictionary: the whole file is one record
{ dati = dati $0 }
END {
    for (L = 3; L <= 15; L++) {
        inizio[L] = substr(dati, 201 + 16 * (L - 3), 8) + 0
        conta[L] = int((substr(dati, 209 + 16 * (L - 3), 8) + 0 - inizio[L]) / L)
    }
    if (cmd == "cerca") stampaMaschera(regola(arg), length(arg), "")
    else if (cmd == "anagrammi") anagrammi(arg)
    else if (cmd == "frammenti") frammenti(arg)
    else if (cmd == "incroci") incroci()
}

function parola(L, k) { return substr(dati, inizio[L] + k * L, L) }

# A mask as an anchored regular expression.
function regola(m,    r, i, c) {
    r = "^"
    for (i = 1; i <= length(m); i++) {
        c = substr(m, i, 1)
        r = r (c == "." ? "." : c == "@" ? "[AEIOU]" : c == "#" ? "[B-DF-HJ-NP-TV-Z]" : c)
    }
    return r "$"
}

function stampaMaschera(r, L, prima,    k, w) {
    for (k = 0; k < conta[L]; k++) {
        w = parola(L, k)
        if (w ~ r) print prima w
    }
}

function anagrammi(lettere,    L, i, c, serve, k, w, ha, ok) {
    L = length(lettere)
    for (i = 1; i <= L; i++) {
        c = substr(lettere, i, 1)
        if (c != ".") serve[c]++
    }
    for (k = 0; k < conta[L]; k++) {
        w = parola(L, k)
        split("", ha)
        for (i = 1; i <= L; i++) ha[substr(w, i, 1)]++
        ok = 1
        for (c in serve) if (ha[c] < serve[c]) { ok = 0; break }
        if (ok) print w
    }
}

function scheletro(f, classe, nome,    L, k, w, s) {
    for (L = 3; L <= 15; L++)
        for (k = 0; k < conta[L]; k++) {
            w = parola(L, k)
            s = w
            gsub(classe, "", s)
            if (s == f) print nome " " w
        }
}

# The fragment's letters at the places given (1-based, in `posti`) of the words of length L.
function aiPosti(f, L, primo, passo, nome,    m, i, r) {
    if (L < 3 || L > 15) return
    r = ""
    for (i = 1; i <= L; i++) m[i] = "."
    for (i = 0; i < length(f); i++) m[primo + i * passo] = substr(f, i + 1, 1)
    for (i = 1; i <= L; i++) r = r m[i]
    stampaMaschera("^" r "$", L, nome " ")
}

function frammenti(f,    m, L) {
    m = length(f)
    if (f !~ /[AEIOU]/) scheletro(f, "[AEIOU]", "consonanti")
    if (f !~ /[^AEIOU]/) scheletro(f, "[^AEIOU]", "vocali")
    for (L = 2 * m - 1; L <= 2 * m; L++) aiPosti(f, L, 1, 2, "dispari")
    for (L = 2 * m; L <= 2 * m + 1; L++) aiPosti(f, L, 2, 2, "pari")
    if (m == 2)
        for (L = 3; L <= 15; L++) stampaMaschera("^" substr(f, 1, 1) ".*" substr(f, 2, 1) "$", L, "estremi ")
    if (m <= 2)
        for (L = 3; L <= 15; L++) {
            if (m == 1 && L % 2 == 1) aiPosti(f, L, (L + 1) / 2, 1, "centro")
            if (m == 2 && L % 2 == 0) aiPosti(f, L, L / 2, 1, "centro")
        }
}

# A cell of the puzzle: "*" black (or outside), else its entry: a letter, "@" or any.
function cella(c, r,    e) {
    if (c < 1 || r < 1 || c > colonne || r > righe) return "*"
    e = substr(griglia[r], 2 * c, 1)
    if (e == "") return "."
    return e ~ /[A-Z@*]/ ? e : "."
}

function incroci(    riga4, n, r, dc, dr, c0, r0, L, i, xc, xr, xc0, xr0, lx, pos, mask, k, w, tot, ok, j, conteggi) {
    n = 0
    RS = "\n"  # the puzzle is read a line at a time
    while ((getline r < schema) > 0) {
        sub(/\r$/, "", r)
        n++
        if (n == 4) riga4 = r
        else if (n > 4) griglia[n - 4] = r
    }
    colonne = substr(riga4, 14, 2) + 0
    righe = substr(riga4, 17) + 0
    dc = verso == "o" ? 1 : 0
    dr = 1 - dc
    c0 = colonna + 0
    r0 = riga + 0
    while (cella(c0 - dc, r0 - dr) != "*") { c0 -= dc; r0 -= dr }
    L = 0
    while (cella(c0 + L * dc, r0 + L * dr) != "*") { lettera[L + 1] = cella(c0 + L * dc, r0 + L * dr); L++ }
    mask = ""
    for (i = 1; i <= L; i++) mask = mask lettera[i]
    # For each letter, the crossing word through it: how many of its words give each letter there.
    for (i = 1; i <= L; i++) {
        xc0 = c0 + (i - 1) * dc
        xr0 = r0 + (i - 1) * dr
        while (cella(xc0 - dr, xr0 - dc) != "*") { xc0 -= dr; xr0 -= dc }
        lx = 0
        pos = 0
        incrocio = ""
        while (cella(xc0 + lx * dr, xr0 + lx * dc) != "*") {
            if (xc0 + lx * dr == c0 + (i - 1) * dc && xr0 + lx * dc == r0 + (i - 1) * dr) { pos = lx + 1; incrocio = incrocio "." }
            else incrocio = incrocio cella(xc0 + lx * dr, xr0 + lx * dc)
            lx++
        }
        vincolo[i] = lx >= 3 && lx <= 15
        if (!vincolo[i]) continue
        r = regola(incrocio)
        for (k = 0; k < conta[lx]; k++) {
            w = parola(lx, k)
            if (w ~ r) conteggi[i, substr(w, pos, 1)]++
        }
    }
    r = regola(mask)
    for (k = 0; k < conta[L]; k++) {
        w = parola(L, k)
        if (w !~ r) continue
        tot = 0
        ok = 1
        for (j = 1; j <= L && ok; j++)
            if (vincolo[j]) {
                if (conteggi[j, substr(w, j, 1)] + 0 == 0) ok = 0
                else tot += conteggi[j, substr(w, j, 1)]
            }
        if (ok) print w " " tot
    }
}
