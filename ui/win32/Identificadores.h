// The numbers by which Windows knows the program's controls, menu commands,
// window classes, resources and private messages, all derived from the
// window tables of ui/: the front end and the test programs that drive it
// from outside include this one header.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "ui/Diseno.h"

namespace velmora::win32 {

// The classes of the program's windows, for FindWindow.
inline constexpr const wchar_t* kClaseVelmora = L"Velmora";
inline constexpr const wchar_t* kClaseVentanaFija = L"VelmoraVentanaFija";
inline constexpr const wchar_t* kClaseLinea = L"VelmoraLinea";

// The icon in res/velmora.rc.
inline constexpr int kIdIcono = 1;

// A control's id is 100 plus its row in its window's table; a menu entry's
// 1000 plus its row in kMenuVelmora. Neither meets IDOK (1) or IDCANCEL (2),
// which the dialog manager sends for Return and Escape.
inline constexpr int kPrimerIdControl = 100;
inline constexpr int kPrimerIdMenu = 1000;

constexpr int IdDeFila(std::size_t fila) {
    return kPrimerIdControl + int(fila);
}

constexpr int IdDeEntrada(std::size_t fila) {
    return kPrimerIdMenu + int(fila);
}

// Sent to the main window when a field refused a text too long for it;
// wParam is the field's control id. (Its message box opens later, from the
// message loop: kMensajeTurno.)
inline constexpr UINT kMensajeTextoDemasiadoLargo = WM_APP + 1;
// Posted to the main window each time FrenteVelmora::PedirTurno asks.
inline constexpr UINT kMensajeTurno = WM_APP + 2;

}  // namespace velmora::win32
