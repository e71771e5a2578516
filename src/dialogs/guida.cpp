#include "dialogs/guida.h"

namespace quadrivo {

const std::vector<TastoGuida>& tastiGuida() {
    static const std::vector<TastoGuida> t = {
        {"una lettera",
         "la scrive nella casella corrente e passa alla successiva; dall'ultima casella della parola "
         "passa alla parola seguente, senza mai sovrascrivere (è é → E, à → A, ì → I, ò → O, ù → U)"},
        {"Backspace", "cancella la lettera corrente; su una casella vuota torna indietro di una casella e la cancella"},
        {"Canc", "cancella la casella corrente"},
        {"frecce", "una casella in quella direzione, scavalcando le caselle nere"},
        {"Tab", "parola successiva, sulla sua prima casella vuota"},
        {"Maiusc+Tab", "parola precedente, sulla sua prima casella vuota"},
        {"Spazio", "cambia direzione (orizzontale / verticale)"},
        {"Esc", "nessuna parola corrente: la tastiera non scrive; Tab torna alla casella lasciata"},
        {"F2", "la finestra della parola corrente, con la ricerca nel dizionario"},
        {"F7", "Matita: le lettere scritte da ora sono ipotesi, più piccole e grigie, mai stampate"},
        {"Ctrl+Z", "annulla l'ultima modifica, e dice quale"},
        {"Ctrl+Y", "ripete la modifica annullata (anche Ctrl+Maiusc+Z)"},
        {"F8", "controlla la parola: le lettere sbagliate vengono barrate in rosso, e si sente quante sono"},
        {"Maiusc+F8", "controlla la lettera"},
        {"F9", "rivela la parola"},
        {"Maiusc+F9", "rivela la lettera"},
        {"Ctrl+C", "Controlla Soluzioni: quante lettere mancano o sono diverse"},
        {"F6", "Pausa: ferma il cronometro e nasconde le lettere; di nuovo F6 per continuare"},
        {"Ctrl+Maiusc+D", "legge la definizione della parola corrente"},
        {"Ctrl+Maiusc+L", "compita la parola corrente, con un trattino per ogni casella vuota"},
        {"Ctrl+Maiusc+I", "legge la parola che incrocia la casella corrente"},
        {"Ctrl++ / Ctrl+- / Ctrl+0", "ingrandisce, riduce, riporta lo schema alla dimensione normale"},
        {"F12", "porta la tastiera all'elenco delle definizioni e legge quella corrente: frecce, Invio sceglie "
                "la parola, Esc torna allo schema"},
        {"F3 o Ctrl+O", "apre un cruciverba"},
        {"Ctrl+S", "salva"},
        {"Ctrl+A", "anteprima di stampa (Esc la chiude)"},
        {"Ctrl+P", "stampa"},
        {"F1", "questo aiuto"},
        {"F4", "informazioni su Quadrivo"},
        {"Ctrl+F4 o Ctrl+Q", "esce"},
    };
    return t;
}

namespace {

std::string escapeHtml(const std::string& s) {
    std::string r;
    for (const char c : s) {
        if (c == '<') r += "&lt;";
        else if (c == '>') r += "&gt;";
        else if (c == '&') r += "&amp;";
        else r += c;
    }
    return r;
}

// One line a key, "F8: controlla la parola": a screen reader walks them line by line.
std::string tabellaTasti() {
    std::string h = "<h3>Tasti</h3>";
    for (const TastoGuida& t : tastiGuida()) h += "<p><b>" + escapeHtml(t.tasto) + "</b>: " + escapeHtml(t.cosa) + "</p>";
    return h;
}

}  // namespace

std::string guidaHtml(bool soloTasti) {
    if (soloTasti) return tabellaTasti();
    return "<h2>QUADRIVO - Programma per risolvere i cruciverba creati con l'ausilio di TRAMERIO</h2>"
           "<h3>Come si gioca</h3>"
           "<p>Apri un cruciverba con <b>File → Apri</b> (F3 o Ctrl+O). Fai clic su una casella bianca: diventa la casella "
           "corrente e la sua parola si colora di azzurro, con la definizione sopra lo schema ed evidenziata "
           "nell'elenco a destra. Un secondo clic sulla stessa casella cambia direzione. Poi scrivi: ogni lettera va "
           "subito nello schema e si passa alla casella seguente. Non c'è niente da confermare e niente va perso.</p>"
           "<p>Passando con il mouse su una casella che ha il numerello in alto a sinistra compare la sua "
           "definizione; con <b>Opzioni → Visualizza rettangolo parola</b> la parola si colora.</p>"
           "<h3>La finestra della parola</h3>"
           "<p>Il tasto destro del mouse (il centrale sempre, o F2 dalla tastiera) apre la finestra della parola: "
           "la definizione e una casella per lettera. Lascia vuote le lettere che non conosci e premi <b>Cerca</b> "
           "per elencare le parole del dizionario che si adattano; la lingua si sceglie in <b>Lingua "
           "dizionario</b>. Con <b>Opzioni → Usa tasto sinistro per vecchia modalità editing</b> i due tasti del "
           "mouse si scambiano.</p>"
           "<h3>Controllare e farsi aiutare</h3>"
           "<p>Una volta completato il cruciverba premi <b>Controlla</b> (Ctrl+C) per sapere se tutte le parole "
           "inserite sono esatte. Dal menu <b>Utilità</b> puoi controllare una lettera o una parola, segnare gli "
           "errori in tutto lo schema, rivelare una lettera, una parola o lo schema intero. Il cronometro nella "
           "barra di stato misura il tempo di soluzione; <b>Pausa</b> (F6) lo ferma e nasconde lo schema. Un file "
           "Across Lite (.puz) con la soluzione cifrata si controlla dopo <b>Utilità → Sblocca soluzione</b>, "
           "con il suo codice di quattro cifre.</p>"
           "<h3>Annullare, matita, azzerare</h3>"
           "<p><b>Modifica → Annulla</b> (Ctrl+Z) toglie l'ultima modifica, una lettera alla volta; <b>Ripeti</b> "
           "(Ctrl+Y) la rimette. Con <b>Matita</b> (F7) scrivi le lettere di cui non sei sicuro: restano più "
           "piccole e grigie finché non le riscrivi a penna, non vengono mai stampate né scritte nel file del "
           "cruciverba (il programma le ricorda per te e le rimette alla prossima apertura). <b>Azzera Soluzioni</b> "
           "elimina tutte le soluzioni inserite (ad esempio per far giocare qualcun altro): chiede conferma e si "
           "può annullare.</p>"
           "<h3>Le risposte sono al sicuro</h3>"
           "<p>Ogni lettera finisce subito in una copia di lavoro: se il programma si chiude all'improvviso, al "
           "prossimo avvio ti vengono riproposte le risposte, con il tempo di soluzione. <b>Salva</b> (Ctrl+S) le "
           "scrive nel file del cruciverba.</p>" +
           tabellaTasti() +
           "<h3>Menu</h3><ul>"
           "<li><b>File</b>: apri, salva, salva con nome, anteprima di stampa, stampa, esci.</li>"
           "<li><b>Modifica</b>: annulla, ripeti, matita.</li>"
           "<li><b>Utilità</b>: controlli, rivelazioni, sblocco della soluzione, pausa, carattere dello schema.</li>"
           "<li><b>Opzioni</b>: proporzioni dello schema, tasti del mouse, rettangolo della parola, elenco delle "
           "definizioni, lingua del dizionario.</li>"
           "<li><b>?</b>: questo aiuto, i tasti, le letture per la sintesi vocale, il sito dell'autore, le "
           "informazioni su Quadrivo.</li></ul>"
           "<p>Buon divertimento!</p>";
}

}  // namespace quadrivo
