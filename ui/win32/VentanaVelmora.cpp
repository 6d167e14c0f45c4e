#include "VentanaVelmora.h"

#include <string>
#include <string_view>
#include <utility>

#include "Aplicacion.h"
#include "Identificadores.h"
#include "Unicode.h"
#include "VentanaFija.h"
#include "ui/DisenoVelmora.h"

namespace velmora::win32 {

using ui::kControlesVelmora;
using ui::kDisenoVelmora;
using ui::kMenuVelmora;

namespace {

// The row of the main window's control `id`, or the table's size.
std::size_t FilaDe(int id) {
    const auto fila = std::size_t(id - kPrimerIdControl);
    return id >= kPrimerIdControl && fila < kControlesVelmora.size() ? fila
                                                                     : kControlesVelmora.size();
}

std::wstring TextoDe(HWND control) {
    std::wstring texto(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
    texto.resize(std::size_t(GetWindowTextW(control, texto.data(), int(texto.size()))));
    return texto;
}

std::string Separador(LCTYPE que) {
    wchar_t texto[8] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, que, texto, int(std::size(texto)));
    return Utf8(texto);
}

}  // namespace

HWND VentanaVelmora::Crear(HINSTANCE instancia) {
    // Fixed single border, the minimise button, no maximise button.
    HWND ventana =
        CreateWindowExW(0, kClaseVelmora, Utf16(kDisenoVelmora.titulo).c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                        CW_USEDEFAULT, 100, 100, nullptr, nullptr, instancia, nullptr);
    if (!ventana) return nullptr;
    auto* yo = new VentanaVelmora(ventana);
    SetWindowLongPtrW(ventana, GWLP_USERDATA, LONG_PTR(yo));
    PonerIcono(ventana);
    yo->CrearMenus();
    Construir(kDisenoVelmora, ventana, yo->controles_);
    yo->formulario_.Form_Load();
    ColocarEnPantalla(ventana);
    // The first control that takes the focus has it once the window is
    // active.
    yo->focoGuardado_ = yo->controles_.controles[ui::PrimerFoco(kControlesVelmora)];
    return ventana;
}

void VentanaVelmora::CrearMenus() {
    HMENU barra = CreateMenu();
    HMENU menu = nullptr;
    for (std::size_t i = 0; i < kMenuVelmora.size(); ++i) {
        const ui::EntradaMenu& entrada = kMenuVelmora[i];
        const std::wstring titulo = Utf16(entrada.titulo);
        switch (entrada.tipo) {
            case ui::TipoEntrada::Menu:
                menu = CreatePopupMenu();
                AppendMenuW(barra, MF_POPUP | MF_STRING, UINT_PTR(menu), titulo.c_str());
                break;
            case ui::TipoEntrada::Separador:
                AppendMenuW(menu, MF_SEPARATOR, UINT_PTR(IdDeEntrada(i)), nullptr);
                break;
            case ui::TipoEntrada::Orden:
                AppendMenuW(menu, MF_STRING, UINT_PTR(IdDeEntrada(i)), titulo.c_str());
                break;
        }
    }
    SetMenu(ventana_, barra);
}

// The user's separators, asked for at every calculation (the user may
// change them while the program runs).
ConfiguracionRegional VentanaVelmora::ConfiguracionDelUsuario() const {
    return {Separador(LOCALE_SDECIMAL), Separador(LOCALE_STHOUSAND)};
}

std::string VentanaVelmora::LeerCampo(IdCampo campo) const {
    return Utf8(TextoDe(controles_.controles[ui::FilaDelCampo(kControlesVelmora, campo)]));
}

std::string VentanaVelmora::TituloVentana() const {
    return Utf8(TextoDe(ventana_));
}

void VentanaVelmora::PonerTituloVentana(std::string_view titulo) {
    SetWindowTextW(ventana_, Utf16(titulo).c_str());
}

void VentanaVelmora::EscribirResultado(std::string_view texto) {
    SetWindowTextW(controles_.controles[ui::FilaDelResultado(kControlesVelmora)],
                   Utf16(texto).c_str());
}

void VentanaVelmora::MostrarMensaje(const std::vector<std::string>& lineas,
                                    std::function<void()> cerrada) {
    win32::MostrarMensaje(ventana_, lineas);
    cerrada();
}

void VentanaVelmora::MostrarVentanaFija(const ui::DisenoVentana& diseno,
                                        std::function<void()> cerrada) {
    VentanaFija::Mostrar(diseno, ventana_);
    cerrada();
}

void VentanaVelmora::PedirTurno() {
    PostMessageW(ventana_, kMensajeTurno, 0, 0);
}

void VentanaVelmora::Terminar() {
    DestroyWindow(ventana_);
}

void VentanaVelmora::Orden(int id, int aviso, HWND control) {
    if (!control && aviso == 0) {  // a menu command
        const auto indice = std::size_t(id - kPrimerIdMenu);
        if (id < kPrimerIdMenu || indice >= kMenuVelmora.size()) return;
        formulario_.Ejecutar(kMenuVelmora[indice].orden);
        return;
    }
    // Return, through the dialog manager, presses the focused button (none
    // is the default, so in a field it presses nothing); a click, the
    // button under it.
    const std::size_t fila = FilaDe(id == IDOK ? GetDlgCtrlID(GetFocus()) : id);
    if (fila >= kControlesVelmora.size()) return;
    const ui::Control& c = kControlesVelmora[fila];
    if (c.orden != ui::Orden::Ninguna && (id == IDOK || aviso == BN_CLICKED)) {
        formulario_.Ejecutar(c.orden);
    }
}

LRESULT VentanaVelmora::Procesar(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
        case WM_COMMAND:
            Orden(LOWORD(w), HIWORD(w), HWND(l));
            return 0;
        case kMensajeTextoDemasiadoLargo:
            if (const std::size_t fila = FilaDe(int(w)); fila < kControlesVelmora.size()) {
                if (const auto campo = kControlesVelmora[fila].campo) {
                    formulario_.TextoDemasiadoLargo(*campo);
                }
            }
            return 0;
        case kMensajeTurno:
            formulario_.Turno();
            return 0;
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes
            // back to the same control.
            if (LOWORD(w) == WA_INACTIVE) {
                if (HWND foco = GetFocus(); foco && IsChild(ventana_, foco)) focoGuardado_ = foco;
            } else if (focoGuardado_) {
                SetFocus(focoGuardado_);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    LRESULT respuesta = 0;
    if (MensajeDeConstruidos(controles_, ventana_, mensaje, w, l, respuesta)) return respuesta;
    return DefWindowProcW(ventana_, mensaje, w, l);
}

LRESULT CALLBACK VentanaVelmora::Procedimiento(HWND ventana, UINT mensaje, WPARAM w, LPARAM l) {
    auto* yo = reinterpret_cast<VentanaVelmora*>(GetWindowLongPtrW(ventana, GWLP_USERDATA));
    if (!yo) return DefWindowProcW(ventana, mensaje, w, l);
    if (mensaje == WM_NCDESTROY) {
        SetWindowLongPtrW(ventana, GWLP_USERDATA, 0);
        delete yo;
        return DefWindowProcW(ventana, mensaje, w, l);
    }
    return yo->Procesar(mensaje, w, l);
}

}  // namespace velmora::win32
