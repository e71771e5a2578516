#pragma once
// The file commands: Apri, Recenti, Archivio, Salva, Salva con nome and Esci's item. This part
// owns their actions and shortcuts, asks about unsaved answers before a puzzle is left, and
// follows the session by itself (the items that need a puzzle, the recent list, a save the
// session asks for).
#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <string>

#include "dialogs/gui/finestra_archivio.h"

class QAction;
class QMenu;
class QWidget;

namespace quadrivo {

class AreaDisegno;
class MenuRecenti;
class Piattaforma;
class Sessione;
class Sfondo;

class ComandiFile : public QObject {
    Q_OBJECT
public:
    // Dialogs belong to `finestra`, which is disabled while they are up; readings are said on
    // `area`; `sfondo` is the picture shown while no puzzle is open.
    ComandiFile(Sessione& sessione, Piattaforma& piattaforma, AreaDisegno* area, Sfondo* sfondo,
                QWidget* finestra);

    // Its actions by name: azioneApri, azioneSalva, azioneSalvaConNome, azioneArchivio, azioneEsci;
    // nullptr for any other name.
    QAction* azione(const std::string& nome) const;
    MenuRecenti* recenti() const { return recenti_; }
    // Recenti and Archivio go into `file` before Salva (whose action must be in it already).
    void creaVoci(QMenu* file);

    void apri();
    void salva();
    // With a line saying why the dialog came up ("" for none).
    void salvaConNome(const QString& avviso = {});
    // The library window, made at its first use and kept.
    void mostraArchivio();
    FinestraArchivio* archivio() const { return archivio_; }
    // Before the open puzzle is left: asks about unsaved answers and saves if told to; false to stay.
    bool lasciaSchema();
    // The puzzle the command line names (`rigaComando`), at the first activation; one that cannot be
    // opened is said, and the program goes on without a puzzle.
    void apriRigaComando(const std::string& rigaComando);

signals:
    // Before a dialog: the window hides its hover marks and a print preview.
    void primaDiAgire();
    // Apri was given up before its dialog: the grid as it was.
    void grigliaDaRidisegnare();
    void dialogoAperto();
    // A dialog has gone: the keyboard back on the grid, the caption as the file is named now.
    void dialogoChiuso();
    // Esci was chosen; the window asks its closing questions.
    void uscitaChiesta();

private:
    // A puzzle chosen from Recenti or the library.
    void apriScelto(const std::string& percorso);
    void seguiSchema();

    Sessione& sessione_;
    Piattaforma& piattaforma_;
    AreaDisegno* area_;
    Sfondo* sfondo_;
    QWidget* finestra_;
    std::map<std::string, QAction*> azioni_;
    MenuRecenti* recenti_;
    QPointer<FinestraArchivio> archivio_;
};

}  // namespace quadrivo
