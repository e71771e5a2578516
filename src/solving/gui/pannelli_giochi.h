#pragma once
// The panels of the games without clues: a codeword's key (each code with the letter chosen for
// it, and the alphabet with the letters used struck out) and a grid to fill's word bank (by
// length, the words standing in the grid struck out). Views only: they show what they are given.
#include <QWidget>
#include <string>
#include <vector>

#include "solving/varianti.h"

class QListWidget;

namespace quadrivo {

// The keyboard comes to a panel's list only when asked (F12); Esc gives it back to the grid.
class PannelloGioco : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    void prendiTastiera();

signals:
    void tastieraResa();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    // The list the keyboard comes to.
    QListWidget* principale_ = nullptr;
};

class PannelloChiave : public PannelloGioco {
    Q_OBJECT
public:
    explicit PannelloChiave(QWidget* genitore = nullptr);
    // The key as the grid stands; a letter chosen for two codes gets a red "!".
    void mostra(const TabellaChiave& chiave);
    // A paused solve shows no letter.
    void mostraPausa();

private:
    QListWidget* codici_ = nullptr;  // the list the keyboard comes to
    QListWidget* alfabeto_ = nullptr;
    std::vector<VoceChiave> mostrati_;
    std::vector<LetteraAlfabeto> alfabetoMostrato_;
};

class PannelloBanca : public PannelloGioco {
    Q_OBJECT
public:
    explicit PannelloBanca(QWidget* genitore = nullptr);
    void mostra(const std::vector<RigaBanca>& righe);
    void mostraPausa();

private:
    QListWidget* parole_ = nullptr;
    std::vector<RigaBanca> mostrate_;
};

}  // namespace quadrivo
