#pragma once
// Opzioni → Lingua dizionario: the four dictionaries, exactly one marked. A language whose file
// cannot be used says why in its own item; the one chosen is kept for the next start.
#include <QActionGroup>

namespace quadrivo {

class Impostazioni;
class Piattaforma;
struct Lessico;

class Lingue : public QActionGroup {
    Q_OBJECT
public:
    // `voci`: the items in the languages' order (Italiano, Inglese, Latino, Francese).
    Lingue(Lessico& lessico, Piattaforma& piattaforma, Impostazioni& impostazioni, const QList<QAction*>& voci, QObject* genitore);

    // Marks the language in use and names, in each item, why its file cannot be used.
    void segna();

signals:
    // Another dictionary is in use.
    void cambiata();

private:
    void scegli(int lingua);

    Lessico& lessico_;
    Piattaforma& piattaforma_;
    Impostazioni& impostazioni_;
};

}  // namespace quadrivo
