# The hardening a Debian package gets: fortified libc calls, stack
# protector, stack-clash protection, control-flow protection, a
# position-independent executable with full RELRO and immediate binding.
# Checked on the built program by `hardening-check` (scripts/check-deb).
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(
  -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=3
  -fstack-protector-strong
  -fstack-clash-protection
  -fcf-protection
  -Wformat -Werror=format-security
)
add_link_options(-Wl,-z,relro -Wl,-z,now)
