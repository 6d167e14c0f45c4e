#include "Conductor.h"

#include <algorithm>
#include <thread>

#include "ui/DisenoVelmora.h"
#include "ui/win32/Identificadores.h"

namespace velmora::prueba {

using namespace std::chrono_literals;

int IdControl(std::span<const ui::Control> controles, const char* nombre) {
    const std::size_t i = ui::IndiceControl(controles, nombre);
    return i < controles.size() ? win32::IdDeFila(i) : 0;
}

int IdMenu(const char* nombre) {
    for (std::size_t i = 0; i < ui::kMenuVelmora.size(); ++i) {
        if (ui::MismoNombre(ui::kMenuVelmora[i].nombre, nombre)) return win32::IdDeEntrada(i);
    }
    return 0;
}

bool Esperar(const std::function<bool()>& condicion, std::chrono::milliseconds limite) {
    const auto fin = std::chrono::steady_clock::now() + limite;
    while (!condicion()) {
        if (std::chrono::steady_clock::now() > fin) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::wstring Texto(HWND ventana) {
    const auto largo = std::size_t(SendMessageW(ventana, WM_GETTEXTLENGTH, 0, 0));
    std::wstring texto(largo + 1, L'\0');
    texto.resize(
        std::size_t(SendMessageW(ventana, WM_GETTEXT, WPARAM(texto.size()), LPARAM(texto.data()))));
    return texto;
}

bool PonerPortapapeles(HWND propietario, const std::wstring& texto) {
    if (!OpenClipboard(propietario)) return false;
    EmptyClipboard();
    HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, (texto.size() + 1) * sizeof(wchar_t));
    auto* destino = static_cast<wchar_t*>(GlobalLock(memoria));
    std::copy(texto.c_str(), texto.c_str() + texto.size() + 1, destino);
    GlobalUnlock(memoria);
    SetClipboardData(CF_UNICODETEXT, memoria);
    CloseClipboard();
    return true;
}

namespace {

struct Busqueda {
    DWORD proceso;
    const wchar_t* clase;
    HWND propietario;  // nullptr: any
    HWND hallada = nullptr;
};

BOOL CALLBACK Mirar(HWND ventana, LPARAM l) {
    auto* b = reinterpret_cast<Busqueda*>(l);
    DWORD proceso = 0;
    GetWindowThreadProcessId(ventana, &proceso);
    wchar_t clase[64] = {};
    GetClassNameW(ventana, clase, 64);
    if (proceso == b->proceso && std::wstring_view(clase) == b->clase && IsWindowVisible(ventana) &&
        (!b->propietario || GetWindow(ventana, GW_OWNER) == b->propietario)) {
        b->hallada = ventana;
        return FALSE;
    }
    return TRUE;
}

HWND BuscarVentana(DWORD proceso, const wchar_t* clase, HWND propietario) {
    Busqueda b{proceso, clase, propietario};
    EnumWindows(Mirar, LPARAM(&b));
    return b.hallada;
}

}  // namespace

Programa::Programa(const std::wstring& ejecutable) {
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    std::wstring linea = L"\"" + ejecutable + L"\"";
    if (!CreateProcessW(ejecutable.c_str(), linea.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &inicio, &proceso_)) {
        std::printf("cannot start %s (error %lu)\n", Utf8(ejecutable).c_str(), GetLastError());
        return;
    }
    WaitForInputIdle(proceso_.hProcess, 20000);
    Esperar(
        [&] {
            principal_ = BuscarVentana(proceso_.dwProcessId, win32::kClaseVelmora, nullptr);
            return principal_ != nullptr;
        },
        20s);
}

Programa::~Programa() {
    if (!proceso_.hProcess) return;
    if (WaitForSingleObject(proceso_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(proceso_.hProcess, 99);
        WaitForSingleObject(proceso_.hProcess, 5000);
    }
    CloseHandle(proceso_.hThread);
    CloseHandle(proceso_.hProcess);
}

HWND Programa::Control(const char* nombre) const {
    return GetDlgItem(principal_, IdControl(ui::kControlesVelmora, nombre));
}

HWND Programa::Campo(IdCampo id) const {
    return Control(DatosDe(id).nombre.data());
}

void Programa::Escribir(IdCampo id, const std::wstring& texto) const {
    SendMessageW(Campo(id), WM_SETTEXT, 0, LPARAM(texto.c_str()));
}

void Programa::EscribirTodos(const FilaTextos& textos) const {
    for (const velmora::Campo& c : kCampos) Escribir(c.id, Utf16(textos[std::size_t(c.id)]));
}

std::vector<std::wstring> Programa::TextosDeCampos() const {
    std::vector<std::wstring> textos;
    for (const velmora::Campo& c : kCampos) textos.push_back(Texto(Campo(c.id)));
    return textos;
}

void Programa::Calcular() const {
    // Posted: a click that opens a message box returns only once it closes.
    PostMessageW(Control("cmdCalcular"), BM_CLICK, 0, 0);
}

void Programa::Comando(const char* nombre) const {
    PostMessageW(principal_, WM_COMMAND, WPARAM(IdMenu(nombre)), 0);
}

CajaDeMensaje Programa::BuscarCaja(std::chrono::milliseconds limite) const {
    CajaDeMensaje caja;
    Esperar(
        [&] {
            caja.ventana = BuscarVentana(proceso_.dwProcessId, L"#32770", principal_);
            return caja.ventana != nullptr;
        },
        limite);
    if (!caja.ventana) return caja;
    caja.titulo = Texto(caja.ventana);
    caja.texto = Texto(GetDlgItem(caja.ventana, 0xFFFF));
    for (HWND hijo = GetWindow(caja.ventana, GW_CHILD); hijo; hijo = GetWindow(hijo, GW_HWNDNEXT)) {
        wchar_t clase[32] = {};
        GetClassNameW(hijo, clase, 32);
        if (std::wstring_view(clase) == L"Button") caja.botones.push_back(GetDlgCtrlID(hijo));
    }
    // Every box keeps a control for its icon (id 20); it holds none here.
    if (HWND icono = GetDlgItem(caja.ventana, 20)) {
        caja.icono = SendMessageW(icono, STM_GETICON, 0, 0) != 0;
    }
    return caja;
}

bool Programa::CerrarCaja(const CajaDeMensaje& caja) const {
    PostMessageW(caja.ventana, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 LPARAM(GetDlgItem(caja.ventana, IDOK)));
    return Esperar([&] { return !IsWindow(caja.ventana); });
}

HWND Programa::Ventana(const wchar_t* clase, std::chrono::milliseconds limite) const {
    HWND ventana = nullptr;
    Esperar(
        [&] {
            ventana = BuscarVentana(proceso_.dwProcessId, clase, nullptr);
            return ventana != nullptr;
        },
        limite);
    return ventana;
}

int Programa::EsperarFin(std::chrono::milliseconds limite) const {
    if (WaitForSingleObject(proceso_.hProcess, DWORD(limite.count())) != WAIT_OBJECT_0) return -1;
    DWORD codigo = 0;
    GetExitCodeProcess(proceso_.hProcess, &codigo);
    return int(codigo);
}

void ConductorWin32::Escribir(const FilaTextos& fila) {
    p_.EscribirTodos(fila);
}

std::vector<std::string> ConductorWin32::Campos() {
    std::vector<std::string> campos;
    for (const std::wstring& t : p_.TextosDeCampos()) campos.push_back(Utf8(t));
    return campos;
}

std::string ConductorWin32::Resultado() {
    return Utf8(Texto(p_.Control("lblResultado")));
}

Visto ConductorWin32::Calcular(Via via, const char* resultado) {
    // Where a result is awaited the box is emptied first, so that the result
    // read is the new one; a message must leave it as it was.
    if (resultado) SendMessageW(p_.Control("lblResultado"), WM_SETTEXT, 0, LPARAM(L""));
    if (via == Via::Menu) {
        p_.Comando("menuCalcular");
    } else {
        p_.Calcular();
    }
    if (resultado) {
        Esperar([&] { return !Resultado().empty() || p_.BuscarCaja(0ms).ventana; }, 5s);
    }
    return Ver(p_.BuscarCaja(resultado ? 0ms : 5000ms));
}

std::optional<Visto> ConductorWin32::Entrar(IdCampo id, const std::string& texto, Modo modo,
                                            bool caja) {
    HWND campo = p_.Campo(id);
    const std::wstring t = Utf16(texto);
    if (modo == Modo::Soltado) return std::nullopt;  // no tool drops into an edit control
    if (modo == Modo::Fijado) {
        SendMessageW(campo, WM_SETTEXT, 0, LPARAM(t.c_str()));
    } else {
        SendMessageW(campo, EM_SETSEL, 0, -1);
        if (modo == Modo::Pegado) {
            PonerPortapapeles(p_.Principal(), t);
            SendMessageW(campo, WM_PASTE, 0, 0);
        } else {
            SendMessageW(campo, WM_CLEAR, 0, 0);
            for (const wchar_t c : t) SendMessageW(campo, WM_CHAR, c, 0);
        }
    }
    // A refusal's box opens from the message loop, once the edit is done.
    return Ver(p_.BuscarCaja(caja ? 5000ms : 0ms));
}

Visto ConductorWin32::Ver(const CajaDeMensaje& caja) const {
    Visto visto;
    if (caja.ventana) {
        // The OK button in the system's language.
        const Caja c{Utf8(caja.titulo), Utf8(caja.texto), caja.botones == std::vector<int>{IDOK},
                     caja.icono, !IsWindowEnabled(p_.Principal())};
        p_.CerrarCaja(caja);
        visto.caja = c;
    }
    visto.resultado = Utf8(Texto(p_.Control("lblResultado")));
    return visto;
}

bool Cuenta::operator()(bool bien, const std::string& que) {
    std::printf("%s: %s\n", bien ? "ok" : "FAIL", que.c_str());
    std::fflush(stdout);
    (bien ? bien_ : mal_)++;
    return bien;
}

int Cuenta::Terminar() const {
    std::printf("%d passed, %d failed\n", bien_, mal_);
    return mal_ == 0 ? 0 : 1;
}

}  // namespace velmora::prueba
