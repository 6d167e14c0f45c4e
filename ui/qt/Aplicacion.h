// The application shell: the program's name and icon, and the message box
// every message of the program uses. The texts themselves are ui/Textos.h's.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace velmora::qt {

// Sets the application's name, version and the two-car icon that every
// window of the program carries.
void PrepararAplicacion();

// A modal message box: the text as its only content, each of its lines
// whole on a line of its own, an OK button only, no icon, the title
// "Velmora". Returns when the user has pressed OK.
void MostrarMensajeVelmora(QWidget* padre, const std::vector<std::string>& lineas);

}  // namespace velmora::qt
