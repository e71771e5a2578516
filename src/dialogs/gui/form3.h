#pragma once
// Form3, the about box: version, the author's mail and web site, and System Info: the versions,
// folders and dictionaries in use.
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <functional>
#include <string>

#include "model/piattaforma.h"

namespace quadrivo {

class Form3 : public QDialog {
    Q_OBJECT
public:
    // `infoSistema`: what System Info shows, asked for when the button is pressed.
    Form3(Piattaforma& piattaforma, std::function<std::string()> infoSistema, QWidget* genitore = nullptr);

    QLabel* Label3;    // version line
    QLabel* Label9;    // "Software italiano"
    QLabel* Label5;    // the system it runs on
    QLabel* Label8;    // the author's mail address
    QLabel* Picture5;  // the web site
    QPushButton* Command1;
    QPushButton* Command3d1;

    void Form_Activate();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    Piattaforma& piattaforma_;
    std::function<std::string()> infoSistema_;
};

}  // namespace quadrivo
