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

#include "dialogs/periferia.h"
#include "dialogs/scelta_carattere.h"
#include "mainwindow/finestra.h"
#include "mainwindow/gui/form1.h"
#include "model/file.h"
#include "model/stato.h"
#include "qt/piattaforma_qt.h"
#include "qt/traduzione_qt.h"

namespace {

// --help and --version are answered before any window exists: they need no display.
bool rispostaSenzaFinestra(int argc, char** argv) {
    if (argc != 2) return false;
    const std::string opzione = argv[1];
    if (opzione == "--version" || opzione == "-v") {
        std::printf("%s\n", quadrivo::testoVersione().c_str());
        return true;
    }
    if (opzione != "--help" && opzione != "-h") return false;
    std::printf("Uso: quadrivo [CRUCIVERBA]\n"
                "Risolve cruciverba sullo schermo: apre CRUCIVERBA, se indicato.\n\n"
                "  -h, --help     mostra questo aiuto ed esce\n"
                "  -v, --version  mostra la versione ed esce\n\n"
                "I tasti della soluzione sono nell'aiuto del programma (F1).\n");
    return true;
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
    if (rispostaSenzaFinestra(argc, argv)) return 0;
    // Taken before anything else: the window later moves into the program folder.
    std::error_code errore;
    const std::string cartellaAvvio = std::filesystem::current_path(errore).native();

    QApplication app(argc, argv);
    QApplication::setApplicationName("Quadrivo");
    QApplication::setDesktopFileName("org.example.quadrivo");
    quadrivo::caricaTraduzioneQt(app);
    // The Windows families the puzzles name are drawn with their installed metric twins.
    for (const quadrivo::FamigliaCompatibile& f : quadrivo::famiglieCompatibili())
        QFont::insertSubstitution(f.nome, f.sostituto);

    quadrivo::Stato stato;
    stato.cartellaProgramma = QApplication::applicationDirPath().toStdString() + "/";
    // Where the options go when the program folder is not the player's to write (installed).
    stato.cartellaUtente =
        quadrivo::percorsoDaQt(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)) + "/Quadrivo/";
    quadrivo::PiattaformaQt piattaforma;
    // The whole command line is the puzzle's path, as a shell that split a path with blanks
    // would have given it; its bytes as they are (QApplication has taken its own options out),
    // so a name in any encoding opens.
    std::string rigaComando;
    for (int i = 1; i < argc; ++i) rigaComando += (i > 1 ? " " : "") + std::string(argv[i]);
    quadrivo::Form1 finestra(stato, piattaforma, quadrivo::percorsoAvvio(rigaComando, cartellaAvvio));
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
