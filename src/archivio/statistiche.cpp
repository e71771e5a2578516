#include "archivio/statistiche.h"

#include <QDate>
#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <set>
#include <tuple>
#include <unordered_map>

namespace quadrivo {

namespace {

void metti(VoceLibreria& v, const RecordPartita& r, const SchemaIndicizzato* x) {
    v.millisecondi = r.partita.millisecondi;
    v.controlli = r.controlli;
    v.rivelazioni = r.rivelazioni;
    v.iniziata = r.iniziata;
    v.risolta = r.risolta;
    v.ultima = r.ultima;
    // A solve kept before the library measured grids: the file's letters tell the progress.
    const Riassunto a = r.riassunto.bianche > 0 || !x ? r.riassunto : x->riassunto;
    if (r.riassunto.risolto)
        v.stato = r.aiutata ? StatoSchema::risoltoConAiuti : StatoSchema::risolto;
    else if (a.risolto)
        v.stato = r.controlli > 0 || r.rivelazioni > 0 ? StatoSchema::risoltoConAiuti : StatoSchema::risolto;
    else if (a.piene > 0 || r.partita.millisecondi > 0)
        v.stato = StatoSchema::inCorso;
    v.percentuale = a.bianche > 0 ? a.piene * 100 / a.bianche : 0;
}

std::string csv(const std::string& campo) {
    if (campo.find_first_of(",\"\r\n") == std::string::npos) return campo;
    std::string t = "\"";
    for (char c : campo) t += c == '"' ? std::string("\"\"") : std::string(1, c);
    return t + "\"";
}

}  // namespace

std::vector<VoceLibreria> vociLibreria(const std::vector<SchemaIndicizzato>& schemi,
                                       const std::vector<RecordPartita>& partite) {
    std::unordered_map<std::string, const RecordPartita*> perPercorso;
    for (const RecordPartita& r : partite) perPercorso.emplace(r.percorso, &r);
    std::vector<VoceLibreria> voci;
    voci.reserve(schemi.size());
    std::set<std::string> visti;
    for (const SchemaIndicizzato& x : schemi) {
        VoceLibreria v;
        v.percorso = x.percorso;
        v.titolo = x.titolo;
        v.formato = x.formato;
        v.variante = x.variante;
        v.colonne = x.colonne;
        v.righe = x.righe;
        v.miniatura = x.miniatura;
        v.errore = x.errore;
        if (x.riassunto.risolto) v.stato = StatoSchema::risolto;
        else if (x.riassunto.piene > 0) v.stato = StatoSchema::inCorso;
        v.percentuale = x.riassunto.bianche > 0 ? x.riassunto.piene * 100 / x.riassunto.bianche : 0;
        const auto r = perPercorso.find(x.percorso);
        // A solve of another solution (the file was replaced) is not this puzzle's.
        if (r != perPercorso.end() && (x.impronta.empty() || r->second->impronta == x.impronta))
            metti(v, *r->second, &x);
        visti.insert(x.percorso);
        voci.push_back(std::move(v));
    }
    for (const RecordPartita& r : partite) {
        if (visti.count(r.percorso)) continue;
        VoceLibreria v;
        v.percorso = r.percorso;
        v.titolo = QFileInfo(QString::fromStdString(r.percorso)).completeBaseName().toStdString();
        v.formato = QFileInfo(QString::fromStdString(r.percorso)).suffix().toLower().toStdString();
        v.variante = "cruciverba";
        metti(v, r, nullptr);
        voci.push_back(std::move(v));
    }
    return voci;
}

std::string codiceStato(StatoSchema stato) {
    switch (stato) {
        case StatoSchema::nuovo: return "nuovo";
        case StatoSchema::inCorso: return "in_corso";
        case StatoSchema::risolto: return "risolto";
        case StatoSchema::risoltoConAiuti: return "risolto_con_aiuti";
    }
    return "nuovo";
}

std::string testoStato(const VoceLibreria& v) {
    switch (v.stato) {
        case StatoSchema::nuovo: return "Nuovo";
        case StatoSchema::inCorso: return "In corso " + std::to_string(v.percentuale) + "%";
        case StatoSchema::risolto: return "Risolto";
        case StatoSchema::risoltoConAiuti: return "Risolto con aiuti";
    }
    return "Nuovo";
}

std::int64_t giornoDi(std::int64_t secondi) { return QDateTime::fromSecsSinceEpoch(secondi).date().toJulianDay(); }

Statistiche calcolaStatistiche(const std::vector<VoceLibreria>& voci, std::int64_t oggi) {
    Statistiche st;
    std::map<std::tuple<std::string, int, int>, GruppoTempi> gruppi;
    std::map<std::pair<int, int>, MeseTempi> mesi;
    std::set<std::int64_t> giorniSenzaAiuti;
    for (const VoceLibreria& v : voci) {
        ++st.schemi;
        st.controlli += v.controlli;
        st.rivelazioni += v.rivelazioni;
        switch (v.stato) {
            case StatoSchema::nuovo: ++st.nuovi; break;
            case StatoSchema::inCorso: ++st.inCorso; break;
            case StatoSchema::risolto: ++st.risolti; break;
            case StatoSchema::risoltoConAiuti: ++st.risoltiConAiuti; break;
        }
        const bool risolto = v.stato == StatoSchema::risolto || v.stato == StatoSchema::risoltoConAiuti;
        if (!risolto) continue;
        if (v.millisecondi > 0) {
            GruppoTempi& g = gruppi[{v.variante, v.colonne, v.righe}];
            g.variante = v.variante, g.colonne = v.colonne, g.righe = v.righe;
            g.media += v.millisecondi;  // the sum until the end
            g.migliore = g.risolti == 0 ? v.millisecondi : std::min(g.migliore, v.millisecondi);
            ++g.risolti;
        }
        if (v.risolta <= 0) continue;  // solved in the file, not here: no day to show
        const std::int64_t giorno = giornoDi(v.risolta);
        const bool aiutato = v.stato == StatoSchema::risoltoConAiuti;
        if (!aiutato) giorniSenzaAiuti.insert(giorno);
        if (giorno > oggi - 366 && giorno <= oggi) {
            GiornoCalendario& c = st.calendario[giorno];
            if (aiutato) ++c.conAiuti;
            else if (v.iniziata > 0 && giornoDi(v.iniziata) < giorno) ++c.dopo;
            else ++c.stessoGiorno;
        }
        if (v.millisecondi > 0) {
            const QDate d = QDate::fromJulianDay(giorno);
            MeseTempi& m = mesi[{d.year(), d.month()}];
            m.anno = d.year(), m.mese = d.month();
            m.media += v.millisecondi;
            ++m.risolti;
        }
    }
    for (auto& [chiave, g] : gruppi) {
        g.media /= g.risolti;
        st.gruppi.push_back(g);
    }
    for (auto& [chiave, m] : mesi) {
        m.media /= m.risolti;
        st.mesi.push_back(m);
    }
    // Longest run of days; the current one ends today, or yesterday while today is still open.
    std::int64_t precedente = 0;
    int serie = 0;
    for (std::int64_t g : giorniSenzaAiuti) {
        serie = precedente != 0 && g == precedente + 1 ? serie + 1 : 1;
        st.serieMassima = std::max(st.serieMassima, serie);
        precedente = g;
    }
    std::int64_t g = giorniSenzaAiuti.count(oggi) ? oggi : oggi - 1;
    while (giorniSenzaAiuti.count(g)) ++st.serieAttuale, --g;
    return st;
}

std::string testoCsv(const std::vector<VoceLibreria>& voci) {
    std::string t = std::string(intestazioneCsv) + "\r\n";
    for (const VoceLibreria& v : voci) {
        const std::string ultima =
            v.ultima > 0 ? QDateTime::fromSecsSinceEpoch(v.ultima).toString(Qt::ISODate).toStdString() : std::string{};
        t += csv(v.percorso) + ',' + csv(v.titolo) + ',' + csv(v.formato) + ',' + csv(v.variante) + ',' +
             std::to_string(v.colonne) + ',' + std::to_string(v.righe) + ',' + codiceStato(v.stato) + ',' +
             std::to_string(v.millisecondi / 1000) + ',' + std::to_string(v.controlli) + ',' +
             std::to_string(v.rivelazioni) + ',' + ultima + "\r\n";
    }
    return t;
}

}  // namespace quadrivo
