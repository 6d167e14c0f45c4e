// The application shell on Windows: the window classes and the icon, the
// message box every message of the program uses, where a window goes on the
// screen, and the message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace velmora::win32 {

// Registers the classes of the program's windows.
void RegistrarClases(HINSTANCE instancia);

// Gives a window the two-car icon, large and small, for its title bar, the
// task bar and tools that ask the window for it.
void PonerIcono(HWND ventana);

// A modal message box over `propietario`: the text as its only content, its
// lines broken as Windows breaks them (CR LF), an OK button only, no icon,
// the title "Velmora". Returns once it is closed.
void MostrarMensaje(HWND propietario, const std::vector<std::string>& lineas);

// Centres a window in the work area of its monitor, or puts it at the
// area's edge on an axis where it is larger (ui/Colocacion.h).
void ColocarEnPantalla(HWND ventana);

// Runs the message loop, Tab, Shift+Tab, access keys, Return and Escape
// through the dialog manager, until `seguir` says no or the program ends.
// Gives the exit code when the program ends, -1 otherwise.
int BucleDeMensajes(const std::function<bool()>& seguir);

}  // namespace velmora::win32
