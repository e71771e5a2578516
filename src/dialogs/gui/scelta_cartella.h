#pragma once
// The volume list, folder list and puzzle-file list shared by the open and save dialogs.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QObject>
#include <QString>
#include <string>

#include "model/impostazioni.h"
#include "model/piattaforma.h"
#include "model/cartelle.h"

namespace quadrivo {

class SceltaCartella : public QObject {
    Q_OBJECT
public:
    // The three lists are created as children of `genitore`; the caller lays them out.
    SceltaCartella(QWidget* genitore, Piattaforma& piattaforma);

    QComboBox* volumi;
    QListWidget* listaCartelle;
    QListWidget* elencoFile;
    QLabel* percorso;  // the folder listed, in full

    // The folder the lists show, without a trailing "/" except for the root.
    const QString& cartella() const { return cartella_; }
    // Moves the lists to a folder; false (and nothing changes) when it cannot be listed.
    bool vaiA(const QString& cartella);
    // The lists on the process's current folder, or on its "Archivio cruciverba" below it.
    void vaiAllaCartellaIniziale(const Impostazioni& impostazioni);
    // A volume chosen in volumi, by its root: an unreadable one gives its message and the list
    // goes back to the volume of the folder shown.
    void scegliVolume(const QString& radice);
    // The selected file's name as the file system's bytes ("" for none).
    std::string nomeSelezionato() const;
    // The file list read again from the disk, without a selection.
    void aggiornaFile();

signals:
    void cartellaCambiata(const QString& cartella);
    void fileSelezionato(const QString& nome);  // "" when the selection goes
    void fileScelto();                          // double click on a file

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    void riempiVolumi();
    void mostraVolumeCorrente();

    Piattaforma& piattaforma_;
    QString cartella_;
};

// What the open and save dialogs share: the window's set-up, the folder chooser, the name box
// and the labels of both. `principale` is the window enabled again when the dialog closes.
class DialogoFile : public QDialog {
public:
    QComboBox* volumi;
    QListWidget* listaCartelle;
    QListWidget* elencoFile;
    QLineEdit* campoNome;
    QLabel* etichettaNome;  // "Nome File"
    QLabel* etichettaCartella;  // "Cartella"

    SceltaCartella& scelta() { return *scelta_; }
    // The places row: the home, the player's puzzle folder, the program's archive, recent folders.
    QWidget* luoghi;

protected:
    DialogoFile(const QString& nome, const QString& titolo, bool modale, const Cartelle& cartelle, Impostazioni& impostazioni,
                Piattaforma& piattaforma, QWidget* principale);

    // A name typed in the name box that means a folder: the lists go there and true comes back.
    bool vaiACartellaDigitata();

    Impostazioni& impostazioni_;
    Piattaforma& piattaforma_;
    QPointer<QWidget> principale_;
    SceltaCartella* scelta_;
};

}  // namespace quadrivo
