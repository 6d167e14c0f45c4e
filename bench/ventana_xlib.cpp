// The floor of start-up cost: one bare Xlib window, nothing else.
#include <X11/Xlib.h>

int main() {
    Display* pantalla = XOpenDisplay(nullptr);
    if (!pantalla) return 1;
    const int s = DefaultScreen(pantalla);
    Window ventana = XCreateSimpleWindow(pantalla, RootWindow(pantalla, s), 0, 0, 216, 270, 1,
                                         BlackPixel(pantalla, s), WhitePixel(pantalla, s));
    XSelectInput(pantalla, ventana, ExposureMask);
    XMapWindow(pantalla, ventana);
    for (XEvent evento;;) XNextEvent(pantalla, &evento);
}
