#include "solving/gui/pannello_suggerimenti.h"

#include <QVBoxLayout>

#include "model/numeri.h"
#include "solving/gui/pannello_definizioni.h"
#include "model/testo.h"
#include "solving/gui/modello_parole.h"

namespace quadrivo {

PannelloSuggerimenti::PannelloSuggerimenti(QWidget* genitore) : QWidget(genitore) {
    setObjectName("PannelloSuggerimenti");
    setAutoFillBackground(true);
    auto* titolo = new QLabel("Suggerimenti", this);
    titolo->setFont(carattereTitolo(titolo->font()));
    stato_ = new QLabel(this);
    stato_->setObjectName("StatoSuggerimenti");
    stato_->setWordWrap(true);
    lista_ = new QListView(this);
    lista_->setObjectName("ListaSuggerimenti");
    lista_->setAccessibleName("Suggerimenti");
    lista_->setUniformItemSizes(true);
    lista_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lista_->setFocusPolicy(Qt::NoFocus);
    lista_->setToolTip("Le parole che lasciano possibile ogni incrocio; tra parentesi le candidate che restano agli "
                       "incroci. Doppio clic per scriverla.");
    modello_ = new ModelloParole(lista_);
    lista_->setModel(modello_);
    auto* colonna = new QVBoxLayout(this);
    colonna->setContentsMargins(4, 4, 4, 4);
    colonna->addWidget(titolo);
    colonna->addWidget(stato_);
    colonna->addWidget(lista_, 1);
    connect(lista_, &QListView::activated, this, [this](const QModelIndex& i) {
        const QString p = parola(i.row());
        if (!p.isEmpty()) emit parolaScelta(p);
    });
}

void PannelloSuggerimenti::mostra(const std::vector<Suggerimento>& suggerimenti) {
    std::vector<VoceRicerca> voci;
    voci.reserve(suggerimenti.size());
    for (const Suggerimento& s : suggerimenti) voci.push_back({s.parola, "(" + std::to_string(s.rimaste) + ")"});
    modello_->imposta(std::move(voci));
    lista_->scrollToTop();
    stato_->setText(QString::fromStdString("Trov.:" + conSegno(static_cast<long long>(suggerimenti.size()))));
}

void PannelloSuggerimenti::mostraParole(const std::vector<std::string>& parole) {
    std::vector<VoceRicerca> voci;
    voci.reserve(parole.size());
    for (const std::string& p : parole) voci.push_back({aWindows1252(p), ""});
    modello_->imposta(std::move(voci));
    lista_->scrollToTop();
    stato_->setText(QString::fromStdString("Trov.:" + conSegno(static_cast<long long>(parole.size()))));
}

void PannelloSuggerimenti::mostraNessuna(const QString& motivo) {
    modello_->svuota();
    stato_->setText(motivo);
}

int PannelloSuggerimenti::quante() const { return modello_->rowCount(); }

QString PannelloSuggerimenti::parola(int riga) const {
    return modello_->data(modello_->index(riga), Qt::UserRole).toString();
}

}  // namespace quadrivo
