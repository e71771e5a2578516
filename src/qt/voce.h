#pragma once
// The program's voice: a line of text shown in a window that a screen reader also speaks, each
// time it is given a text (the same one twice included). Results and readings go through it,
// never through a message box.
#include <QLabel>

namespace quadrivo {

class Voce : public QLabel {
    Q_OBJECT
public:
    explicit Voce(QWidget* genitore = nullptr);
    // Shows `testo` and has it spoken, or has `detto` spoken when the shown text is terse.
    void annuncia(const QString& testo, const QString& detto = {});
    // How many times it spoke: a test waits on it.
    int annunci() const { return annunci_; }

signals:
    void annunciato(const QString& testo);

private:
    int annunci_ = 0;
};

// The voice of the window `w` lives in; nullptr when it has none.
Voce* voceDi(const QWidget* w);
// Says `testo` through the voice of `w`'s window; nothing when it has none or `testo` is empty.
void annuncia(const QWidget* w, const QString& testo);
void annuncia(const QWidget* w, const std::string& testo);

}  // namespace quadrivo
