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

constexpr int kIdCalcular = IdControl(kControlesVelmora, "cmdCalcular");

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
    yo->focoGuardado_ = yo->controles_.Buscar(DatosDe(IdCampo::txtPrecioCocheDiesel).nombre);
    return ventana;
}

void VentanaVelmora::CrearMenus() {
    HMENU barra = CreateMenu();
    HMENU menu = nullptr;
    for (const ui::EntradaMenu& entrada : kMenuVelmora) {
        const std::wstring titulo = Utf16(entrada.titulo);
        switch (entrada.tipo) {
            case ui::TipoEntrada::Menu:
                menu = CreatePopupMenu();
                AppendMenuW(barra, MF_POPUP | MF_STRING, UINT_PTR(menu), titulo.c_str());
                break;
            case ui::TipoEntrada::Separador:
                AppendMenuW(menu, MF_SEPARATOR, UINT_PTR(IdMenu(kMenuVelmora, entrada.nombre)),
                            nullptr);
                break;
            case ui::TipoEntrada::Orden:
                AppendMenuW(menu, MF_STRING, UINT_PTR(IdMenu(kMenuVelmora, entrada.nombre)),
                            titulo.c_str());
                break;
        }
    }
    SetMenu(ventana_, barra);
}

ConfiguracionRegional VentanaVelmora::ConfiguracionRegionalDelSistema() {
    return {Separador(LOCALE_SDECIMAL), Separador(LOCALE_STHOUSAND)};
}

ConfiguracionRegional VentanaVelmora::ConfiguracionDelUsuario() const {
    return ConfiguracionRegionalDelSistema();
}

TextosCampos VentanaVelmora::LeerCampos() const {
    TextosCampos textos;
    for (const Campo& campo : kCampos) {
        textos[campo.id] = Utf8(TextoDe(controles_.Buscar(campo.nombre)));
    }
    return textos;
}

std::string VentanaVelmora::TituloVentana() const {
    return Utf8(TextoDe(ventana_));
}

void VentanaVelmora::PonerTituloVentana(std::string_view titulo) {
    SetWindowTextW(ventana_, Utf16(titulo).c_str());
}

void VentanaVelmora::EscribirResultado(std::string_view texto) {
    SetWindowTextW(controles_.Buscar("lblResultado"), Utf16(texto).c_str());
}

void VentanaVelmora::MostrarMensaje(std::string_view texto) {
    win32::MostrarMensaje(ventana_, texto);
}

void VentanaVelmora::MostrarVentanaFija(const ui::DisenoVentana& diseno) {
    VentanaFija::Mostrar(diseno, ventana_);
}

void VentanaVelmora::Despues(std::function<void()> tarea) {
    tareas_.push_back(std::move(tarea));
    PostMessageW(ventana_, kMensajeDespues, 0, 0);
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
    if (id == kIdCalcular && aviso == BN_CLICKED) {
        formulario_.cmdCalcular_Click();
    } else if (id == IDOK) {
        // Return, through the dialog manager: it presses "Calcular" when the
        // button has the focus; in a field it presses nothing, as the
        // button is no default button.
        if (GetFocus() == controles_.Buscar("cmdCalcular")) formulario_.cmdCalcular_Click();
    } else if (aviso == EN_MAXTEXT) {
        // A key press into a full field.
        Procesar(kMensajeTextoDemasiadoLargo, WPARAM(id), 0);
    }
}

LRESULT VentanaVelmora::Procesar(UINT mensaje, WPARAM w, LPARAM l) {
    switch (mensaje) {
        case WM_COMMAND:
            Orden(LOWORD(w), HIWORD(w), HWND(l));
            return 0;
        case kMensajeTextoDemasiadoLargo:
            for (const Campo& campo : kCampos) {
                if (int(w) == IdControl(kControlesVelmora, campo.nombre.data())) {
                    formulario_.TextoDemasiadoLargo(campo.id);
                }
            }
            return 0;
        case kMensajeDespues:
            if (!tareas_.empty()) {
                const std::function<void()> tarea = std::move(tareas_.front());
                tareas_.pop_front();
                tarea();
            }
            return 0;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH fondo = ColorDeEtiqueta(controles_, HWND(l), HDC(w))) return LRESULT(fondo);
            break;
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes
            // back to the same control.
            if (LOWORD(w) == WA_INACTIVE) {
                if (HWND foco = GetFocus(); foco && IsChild(ventana_, foco)) focoGuardado_ = foco;
            } else if (focoGuardado_) {
                SetFocus(focoGuardado_);
            }
            return 0;
        case WM_DPICHANGED: {
            // Moved to a monitor of another DPI: measured and placed anew.
            const auto* sugerido = reinterpret_cast<const RECT*>(l);
            SetWindowPos(ventana_, nullptr, sugerido->left, sugerido->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Recolocar(controles_, ventana_);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
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
