// Embind names a type it finds no binding for ("has unknown type 0x1a2b")
// by the type's address, written with sprintf("%p"), which the compiler
// turns into siprintf, printf for integers. That one call brings the whole
// of printf into the module: 2,3 KB of the site's 80 KB gzipped, for a
// message that only a build missing a binding ever shows. The link sends
// siprintf here (-Wl,--wrap=siprintf, ui/web/CMakeLists.txt), which writes
// that one form, and stops the module on any other, so that no other use
// of printf goes unnoticed.
#include <cstdarg>
#include <cstdint>

extern "C" int __wrap_siprintf(char* destino, const char* formato, ...) {
    if (formato[0] != '%' || formato[1] != 'p' || formato[2] != '\0') __builtin_trap();
    va_list argumentos;
    va_start(argumentos, formato);
    auto valor = reinterpret_cast<std::uintptr_t>(va_arg(argumentos, void*));
    va_end(argumentos);
    char cifras[2 * sizeof valor];
    int n = 0;
    do {
        cifras[n++] = "0123456789abcdef"[valor & 15];
        valor >>= 4;
    } while (valor != 0);
    destino[0] = '0';
    destino[1] = 'x';
    for (int i = 0; i < n; ++i) destino[2 + i] = cifras[n - 1 - i];
    destino[n + 2] = '\0';
    return n + 2;
}
