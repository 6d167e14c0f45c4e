// Drives Velmora.exe from another process, through window messages only, as
// accessibility and automation tools do: starts it, finds its windows and
// controls by class and id (Identificadores.h), sets and reads texts,
// presses buttons and menu commands, and finds, reads and closes the
// message boxes it opens. Used by the end-to-end test and the abuse run.
#pragma once

#include <windows.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Jugador.h"
#include "Textos.h"
#include "calc/Campos.h"
#include "ui/Diseno.h"
#include "ui/win32/Unicode.h"

namespace velmora::prueba {

// The id of the row named `nombre` of `controles`, and of the menu entry
// named `nombre`, as a tool that drives Velmora from outside finds them
// (ui/win32/Identificadores.h); 0 where there is none.
int IdControl(std::span<const ui::Control> controles, const char* nombre);
int IdMenu(const char* nombre);

// Waits until `condicion` holds, polling; false after `limite`.
bool Esperar(const std::function<bool()>& condicion,
             std::chrono::milliseconds limite = std::chrono::milliseconds(10000));

// The text of any window, however long, also of another process.
std::wstring Texto(HWND ventana);

using win32::Utf16;
using win32::Utf8;

// Puts `texto` on the clipboard, as a copy in another program does.
bool PonerPortapapeles(HWND propietario, const std::wstring& texto);

// A message box of the program, as it stood when it was found.
struct CajaDeMensaje {
    HWND ventana = nullptr;
    std::wstring titulo;
    std::wstring texto;
    std::vector<int> botones;  // the ids of its buttons
    bool icono = false;        // it shows an icon beside the text
};

class Programa {
  public:
    // Starts `ejecutable` and waits for its main window.
    explicit Programa(const std::wstring& ejecutable);
    ~Programa();  // ends the process if it is still running

    bool Arrancado() const { return principal_ != nullptr; }
    HWND Principal() const { return principal_; }
    DWORD Id() const { return proceso_.dwProcessId; }

    HWND Control(const char* nombre) const;  // of the main window
    HWND Campo(IdCampo id) const;

    // WM_SETTEXT, as a tool sets a field.
    void Escribir(IdCampo id, const std::wstring& texto) const;
    // Every field, from a row of UTF-8 texts in the order of kCampos.
    void EscribirTodos(const FilaTextos& textos) const;
    std::vector<std::wstring> TextosDeCampos() const;

    // Clicks "Calcular" without waiting for what it opens.
    void Calcular() const;
    // Chooses a menu command of the main window by its name.
    void Comando(const char* nombre) const;

    // A message box of the program that is open now, or that opens within
    // `limite`; an empty CajaDeMensaje when none does.
    CajaDeMensaje BuscarCaja(std::chrono::milliseconds limite) const;
    // Presses the box's OK button and waits for it to go.
    bool CerrarCaja(const CajaDeMensaje& caja) const;
    // A top-level window of the program of class `clase`, or nullptr.
    HWND Ventana(const wchar_t* clase, std::chrono::milliseconds limite) const;

    // Waits for the program to end; its exit code, or -1 if it does not.
    int EsperarFin(std::chrono::milliseconds limite) const;

  private:
    PROCESS_INFORMATION proceso_{};
    HWND principal_ = nullptr;
};

// The shared scenarios' steps through window messages (Jugador.h), as a
// tool in another process sends them: texts set, typed (a character at a
// time) and pasted, a click on "Calcular" and its menu command.
class ConductorWin32 final : public Conductor {
  public:
    explicit ConductorWin32(const Programa& p) : p_(p) {}

    void Escribir(const FilaTextos& fila) override;
    std::vector<std::string> Campos() override;
    std::string Resultado() override;
    Visto Calcular(Via via, const char* resultado) override;
    std::optional<Visto> Entrar(IdCampo id, const std::string& texto, Modo modo,
                                bool caja) override;

  private:
    Visto Ver(const CajaDeMensaje& caja) const;

    const Programa& p_;
};

// A check in a list of them: prints "ok" or "FAIL" and counts, and prints
// "N passed, N failed" at the end.
class Cuenta {
  public:
    bool operator()(bool bien, const std::string& que);
    int Terminar() const;  // the exit code: 0 when nothing failed

  private:
    int bien_ = 0, mal_ = 0;
};

}  // namespace velmora::prueba
