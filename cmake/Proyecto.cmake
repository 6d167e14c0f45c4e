# Who makes Velmora and which version it is, written here once. Everything
# that shows them is generated from these values into build/generado: the
# version record and the manifest of Velmora.exe, the AppStream record, the
# Debian changelog, copyright and manual page, the maker's name in the About
# message (Proyecto.h), and proyecto.env for the scripts that check them.
# The installer and the package take the same values in
# ui/win32/CMakeLists.txt and cmake/Paquete.cmake.
#
# The version record is the executable's, 0.00.0002 for 0.0.0.2: major,
# minor in two digits and revision in four. The "1.0" of the main window's
# caption and of the About message is another thing (ui/Textos.h).
set(VELMORA_FABRICANTE "Equipo Velmora")
set(VELMORA_CORREO "velmora@example.org")
set(VELMORA_DIRECCION_WEB "https://velmora.example.org")
set(VELMORA_FECHA "2026-12-08")  # of this version

set(VELMORA_VERSION_COMAS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},${PROJECT_VERSION_TWEAK}")
string(LENGTH "${PROJECT_VERSION_MINOR}" _largo)
if(_largo LESS 2)
  set(_menor "0${PROJECT_VERSION_MINOR}")
else()
  set(_menor "${PROJECT_VERSION_MINOR}")
endif()
math(EXPR _revision "10000 + ${PROJECT_VERSION_TWEAK}")
string(SUBSTRING "${_revision}" 1 4 _revision)
set(VELMORA_VERSION_REGISTRO "${PROJECT_VERSION_MAJOR}.${_menor}.${_revision}")
# A version the Windows installer takes as newer (it compares the first
# three fields), for the test that one package replaces another.
math(EXPR _siguiente "${PROJECT_VERSION_PATCH} + 1")
set(VELMORA_VERSION_SIGUIENTE "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${_siguiente}.0")

set(VELMORA_GENERADO ${PROJECT_BINARY_DIR}/generado)
foreach(archivo velmora.rc velmora.manifest org.velmora.Velmora.metainfo.xml changelog copyright
                velmora.1)
  configure_file(${PROJECT_SOURCE_DIR}/res/${archivo}.in ${VELMORA_GENERADO}/${archivo} @ONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/cmake/Proyecto.h.in ${VELMORA_GENERADO}/Proyecto.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/proyecto.env.in ${VELMORA_GENERADO}/proyecto.env @ONLY)
