#include <QApplication>
#include <QFont>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "dialogs/libreria.h"
#include "dialogs/periferia.h"
#include "dialogs/scelta_carattere.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/finestra_principale.h"
#include "model/file.h"
#include "model/cartelle.h"
#include "qt/piattaforma_qt.h"
#include "qt/stile_avvio.h"
#include "qt/traduzione_qt.h"

namespace {

constexpr const char* testoUso =
    "Uso: quadrivo [CRUCIVERBA]\n"
    "     quadrivo --statistiche FILE.csv\n"
    "Risolve cruciverba sullo schermo: apre CRUCIVERBA, se indicato.\n\n"
    "  -h, --help                 mostra questo aiuto ed esce\n"
    "  -v, --version              mostra la versione ed esce\n"
    "  --statistiche FILE.csv     scrive in FILE.csv (\"-\": sull'uscita) una riga per ogni\n"
    "                             cruciverba dell'archivio, con stato, tempo e aiuti, ed esce\n\n"
    "I tasti della soluzione sono nell'aiuto del programma (F1).\n";

// Qt's own options, which QApplication takes out of the command line (those with a value first).
bool opzioneQt(const std::string& o) {
    for (const char* n : {"-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry",
                          "-qwindowtitle", "-qwindowicon", "-style", "-stylesheet", "-session", "-display", "-name",
                          "-geometry", "-title", "-reverse", "-widgetcount", "-nograb", "-dograb", "-qmljsdebugger"})
        if (o == n || o.rfind(std::string(n) + "=", 0) == 0) return true;
    return false;
}

// The options are answered before any window exists: they need no display. -1 when the
// window is to be shown; otherwise the exit status.
int rispostaSenzaFinestra(int argc, char** argv) {
    if (argc < 2) return -1;
    const std::string opzione = argv[1];
    if (argc == 2 && (opzione == "--version" || opzione == "-v")) {
        std::printf("%s\n", quadrivo::testoVersione().c_str());
        return 0;
    }
    if (argc == 2 && (opzione == "--help" || opzione == "-h")) {
        std::printf("%s", testoUso);
        return 0;
    }
    if (opzione == "--statistiche" && argc == 3) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("Quadrivo");
        return quadrivo::statisticheDaRigaDiComando(argv[2]);
    }
    if (opzione == "--statistiche") {
        std::fprintf(stderr, "quadrivo: --statistiche vuole il nome del file CSV da scrivere\n\n%s", testoUso);
        return 2;
    }
    // A file whose name begins with "-" still opens; anything else that looks like an option
    // is a mistake the player should hear of.
    std::error_code e;
    if (opzione.size() > 1 && opzione[0] == '-' && !opzioneQt(opzione) && !std::filesystem::exists(opzione, e)) {
        std::fprintf(stderr, "quadrivo: opzione non riconosciuta: %s\n\n%s", opzione.c_str(), testoUso);
        return 2;
    }
    return -1;
}

// The write end of the pipe a signal handler may use: the handler only writes one byte, the
// event loop does the rest.
int segnaleScrittura = -1;

void alSegnale(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(segnaleScrittura, &c, 1);
}

}  // namespace

int main(int argc, char** argv) {
    if (const int esito = rispostaSenzaFinestra(argc, argv); esito >= 0) return esito;
    // Taken before anything else: the window later moves into the program folder.
    std::error_code errore;
    const std::string cartellaAvvio = std::filesystem::current_path(errore).native();

    QApplication app(argc, argv);
    QApplication::setStyle(new quadrivo::StileAvvio(QApplication::style()));
    QApplication::setApplicationName("Quadrivo");
    QApplication::setDesktopFileName("org.example.quadrivo");
    quadrivo::caricaTraduzioneQt(app);
    // The Windows families the puzzles name are drawn with their installed metric twins.
    for (const quadrivo::FamigliaCompatibile& f : quadrivo::famiglieCompatibili())
        QFont::insertSubstitution(f.nome, f.sostituto);

    quadrivo::Cartelle cartelle;
    cartelle.programma = QApplication::applicationDirPath().toStdString() + "/";
    // Where the options go when the program folder is not the player's to write (installed).
    cartelle.utente =
        quadrivo::percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) + "/Quadrivo/";
    quadrivo::PiattaformaQt piattaforma;
    // The whole command line is the puzzle's path, as a shell that split a path with blanks
    // would have given it; its bytes as they are (QApplication has taken its own options out),
    // so a name in any encoding opens.
    std::string rigaComando;
    for (int i = 1; i < argc; ++i) rigaComando += (i > 1 ? " " : "") + std::string(argv[i]);
    quadrivo::FinestraPrincipale finestra(cartelle, piattaforma, quadrivo::percorsoAvvio(rigaComando, cartellaAvvio));
    finestra.show();

    // Logout, shutdown or Ctrl+C: the answers not saved stay in the working copy with their time.
    int coppia[2];
    std::unique_ptr<QSocketNotifier> segnali;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, coppia) == 0) {
        segnaleScrittura = coppia[0];
        segnali = std::make_unique<QSocketNotifier>(coppia[1], QSocketNotifier::Read);
        QObject::connect(segnali.get(), &QSocketNotifier::activated, &finestra, [&finestra, &segnali] {
            segnali->setEnabled(false);
            finestra.terminaPerSegnale();
        });
        struct sigaction sa {};
        sa.sa_handler = alSegnale;
        sigemptyset(&sa.sa_mask);
        sa.sa_flags = SA_RESTART;
        for (int s : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(s, &sa, nullptr);
    }
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &finestra,
                     [&finestra](QSessionManager&) { finestra.mettiAlSicuro(); });
    return app.exec();
}
