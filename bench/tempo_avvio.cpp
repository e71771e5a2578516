// Start-up seen from outside, as a player sees it: the time from starting a program until the
// X server maps a top-level window whose title begins with the text given. Runs the program N
// times and prints the median in milliseconds.
//   tempo_avvio N "Quadrivo - Cruciverba" ./quadrivo puzzle.trmo
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "uso: tempo_avvio N TITOLO PROGRAMMA [ARGOMENTI...]\n");
        return 2;
    }
    const int volte = std::atoi(argv[1]);
    const std::string titolo = argv[2];
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 2;
    std::vector<double> tempi;
    for (int i = 0; i < volte; ++i) {
        const auto inizio = std::chrono::steady_clock::now();
        const pid_t figlio = fork();
        if (figlio == 0) {
            execv(argv[3], argv + 3);
            _exit(127);
        }
        // Polling the tree costs well under a millisecond; 200 us between looks.
        while (!cerca(d, DefaultRootWindow(d), titolo)) usleep(200);
        tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
        kill(figlio, SIGKILL);
        waitpid(figlio, nullptr, 0);
        XSync(d, False);
        usleep(100000);
    }
    std::sort(tempi.begin(), tempi.end());
    std::printf("%s: mediana %.1f ms (min %.1f, max %.1f, %d avvii)\n", argv[3], tempi[tempi.size() / 2], tempi.front(),
                tempi.back(), volte);
    XCloseDisplay(d);
    return 0;
}
