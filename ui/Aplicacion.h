// The application shell: the program's title and version, the About
// message, the message box every message of the program uses, and the
// program-wide references to the examples and formula windows.
#pragma once

#include <QString>

class QWidget;

namespace velmora::ui {

class Ejemplos;
class Formula;

inline constexpr const char* kTituloAplicacion = "Velmora";
// The version shown in the main window's caption and in the About message.
inline constexpr const char* kVersion = "1.0";

// Sets the application's name, version and the two-car icon that every
// window of the program carries.
void PrepararAplicacion();

// The About message, lines separated by CR LF; the fourth line is the web
// address indented by 38 blanks.
QString TextoAcercaDe();

// A modal message box: the text as its only content, an OK button only, no
// icon, the title "Velmora". Returns when the user has pressed OK.
void MostrarMensajeVelmora(QWidget* padre, const QString& texto);

// The one window object of each kind, created on first use.
Ejemplos& FormularioEjemplos();
Formula& FormularioFormula();

}  // namespace velmora::ui
