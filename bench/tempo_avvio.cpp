// Start-up seen from outside, as a player sees it: the time from starting a program until the
// X server maps a top-level window whose title begins with the text given. Runs the program N
// times and prints the medians in milliseconds: of the wall time, and of the CPU time the
// program had used by then (read from /proc, so a loaded machine's waits are left out).
//   tempo_avvio N "Quadrivo - Cruciverba" ./quadrivo puzzle.trmo -- "Finestra nuda" ./finestra_nuda
// With several programs (each after "--") their starts alternate, and each is compared with the
// last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool conTitolo(Display* d, Window w, const std::string& inizio) {
    XTextProperty p;
    if (XGetWMName(d, w, &p) && p.value) {
        const std::string titolo(reinterpret_cast<const char*>(p.value), p.nitems);
        XFree(p.value);
        return titolo.rfind(inizio, 0) == 0;
    }
    return false;
}

// Any window below `w` (the program's top level sits under the root or a manager's frame).
bool cerca(Display* d, Window w, const std::string& inizio) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable && conTitolo(d, w, inizio)) return true;
    Window radice, padre, *figli = nullptr;
    unsigned n = 0;
    if (!XQueryTree(d, w, &radice, &padre, &figli, &n)) return false;
    bool trovata = false;
    for (unsigned i = 0; i < n && !trovata; ++i) trovata = cerca(d, figli[i], inizio);
    if (figli) XFree(figli);
    return trovata;
}

// The time all of a process's threads have run so far, in milliseconds (the scheduler's
// nanoseconds: the clock ticks of /proc/PID/stat are 10 ms).
double tempoCpu(pid_t processo) {
    const std::string cartella = "/proc/" + std::to_string(processo) + "/task";
    double totale = 0;
    std::error_code errore;
    for (const auto& filo : std::filesystem::directory_iterator(cartella, errore)) {
        std::ifstream f(filo.path() / "schedstat");
        unsigned long long ns = 0;
        if (f >> ns) totale += static_cast<double>(ns) / 1e6;
    }
    return totale;
}

// The page faults the process has taken so far (minor and major): each costs its page's first
// touch, which a virtual machine makes dear and a loaded machine does not stretch.
double faglie(pid_t processo) {
    std::ifstream f("/proc/" + std::to_string(processo) + "/stat");
    std::string riga;
    std::getline(f, riga);
    // The fields after the command's name in parentheses: minflt is the 10th, majflt the 12th.
    std::istringstream campi(riga.substr(riga.rfind(')') + 2));
    std::string c;
    double totale = 0;
    for (int i = 3; i <= 12 && campi >> c; ++i)
        if (i == 10 || i == 12) totale += std::atof(c.c_str());
    return totale;
}


// One program's starts: its caption, its command line and what each start measured.
struct Prova {
    std::string titolo;
    std::vector<char*> comando;
    std::vector<double> tempi, cpu, pagine;
};

void avvia(Display* d, Prova& p) {
    const auto inizio = std::chrono::steady_clock::now();
    const pid_t figlio = fork();
    if (figlio == 0) {
        execv(p.comando[0], p.comando.data());
        _exit(127);
    }
    // Polling the tree costs well under a millisecond; 200 us between looks.
    while (!cerca(d, DefaultRootWindow(d), p.titolo)) usleep(200);
    p.tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
    kill(figlio, SIGSTOP);
    p.cpu.push_back(tempoCpu(figlio));
    p.pagine.push_back(faglie(figlio));
    // Ended as a desktop session ends it, so the next start finds no killed run's locks and
    // working copies to clear away; killed after two seconds if it does not go.
    kill(figlio, SIGTERM);
    kill(figlio, SIGCONT);
    int attese = 0;
    while (waitpid(figlio, nullptr, WNOHANG) == 0) {
        if (++attese == 2000) kill(figlio, SIGKILL);
        usleep(1000);
    }
    XSync(d, False);
    usleep(100000);
}

double mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    // Each "--" starts another program; their starts take turns, so a machine that slows down
    // for a while slows them alike.
    std::vector<Prova> prove;
    for (int i = 2; i < argc; ++i) {
        if (prove.empty() || std::strcmp(argv[i], "--") == 0) {
            if (std::strcmp(argv[i], "--") == 0 && ++i >= argc) break;
            prove.push_back({argv[i], {}, {}, {}, {}});
        } else {
            prove.back().comando.push_back(argv[i]);
        }
    }
    if (argc < 4 || prove.empty() || std::any_of(prove.begin(), prove.end(), [](const Prova& p) { return p.comando.empty(); })) {
        std::fprintf(stderr, "uso: tempo_avvio N TITOLO PROGRAMMA [ARGOMENTI...] [-- TITOLO PROGRAMMA [ARGOMENTI...]]...\n");
        return 2;
    }
    for (Prova& p : prove) p.comando.push_back(nullptr);
    const int volte = std::atoi(argv[1]);
    Display* d = XOpenDisplay(nullptr);
    if (!d || volte < 1) return 2;
    for (int i = 0; i < volte; ++i)
        for (Prova& p : prove) avvia(d, p);
    for (const Prova& p : prove) {
        std::printf("%s: mediana %.1f ms (min %.1f, max %.1f, %d avvii), CPU %.1f ms (min %.1f, max %.1f), pagine %.0f",
                    p.comando[0], mediana(p.tempi), *std::min_element(p.tempi.begin(), p.tempi.end()),
                    *std::max_element(p.tempi.begin(), p.tempi.end()), volte, mediana(p.cpu),
                    *std::min_element(p.cpu.begin(), p.cpu.end()), *std::max_element(p.cpu.begin(), p.cpu.end()),
                    mediana(p.pagine));
        // Against the last program given, the yardstick.
        if (&p != &prove.back())
            std::printf(", rispetto all'ultimo %.3fx (CPU %.3fx)", mediana(p.tempi) / mediana(prove.back().tempi),
                        mediana(p.cpu) / mediana(prove.back().cpu));
        std::printf("\n");
    }
    XCloseDisplay(d);
    return 0;
}
