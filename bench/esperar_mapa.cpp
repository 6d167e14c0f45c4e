// Starts a program and reports how long it took until its first window was
// mapped on the X server, and the peak memory of the program up to then.
//   esperar_mapa <program> [arguments...]
// prints "<milliseconds> <peak resident KB>". Run it on an X server with no
// window manager, so that the program's own window is the first one mapped.
#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "uso: esperar_mapa programa [argumentos...]\n");
        return 2;
    }
    Display* pantalla = XOpenDisplay(nullptr);
    if (!pantalla) {
        std::fprintf(stderr, "esperar_mapa: no X display\n");
        return 2;
    }
    XSelectInput(pantalla, DefaultRootWindow(pantalla), SubstructureNotifyMask);
    XSync(pantalla, False);

    const auto inicio = std::chrono::steady_clock::now();
    const pid_t hijo = fork();
    if (hijo == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    bool mapeada = false;
    pollfd conexion{ConnectionNumber(pantalla), POLLIN, 0};
    while (!mapeada) {
        while (!mapeada && XPending(pantalla)) {
            XEvent evento;
            XNextEvent(pantalla, &evento);
            mapeada = evento.type == MapNotify;
        }
        if (!mapeada && poll(&conexion, 1, 20000) <= 0) break;  // 20 s without a window
    }
    const auto fin = std::chrono::steady_clock::now();

    kill(hijo, SIGTERM);
    int estado = 0;
    rusage uso{};
    wait4(hijo, &estado, 0, &uso);
    if (!mapeada) {
        std::fprintf(stderr, "esperar_mapa: %s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("%.2f %ld\n", std::chrono::duration<double, std::milli>(fin - inicio).count(),
                uso.ru_maxrss);
    return 0;
}
