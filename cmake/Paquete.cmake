# The Debian package: `cpack` in the release build makes velmora_*.deb with
# the program, its menu entry, icons and AppStream record; its dependencies
# are derived from the shared libraries the program links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "${VELMORA_FABRICANTE}")
set(CPACK_PACKAGE_CONTACT "${VELMORA_FABRICANTE} <${VELMORA_CORREO}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "break-even distance of a diesel car against a petrol one")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora is a small desktop calculator, in Spanish, that tells after how\n\
many kilometres a diesel car pays off its higher purchase price against the\n\
petrol version of the same car, optionally charging the price difference\n\
with interest. It also lists worked examples and shows its formula.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELMORA_DIRECCION_WEB}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own texts in Spanish (a field's context menu, the OK button).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# The copyright and changelog files every Debian package carries, and the
# manual page.
set(_doc ${CMAKE_BINARY_DIR}/doc-paquete)
file(MAKE_DIRECTORY ${_doc})
add_custom_command(
  OUTPUT ${_doc}/changelog.gz
  COMMAND gzip -9nc ${VELMORA_GENERADO}/changelog > ${_doc}/changelog.gz
  DEPENDS ${VELMORA_GENERADO}/changelog
  VERBATIM)
add_custom_command(
  OUTPUT ${_doc}/velmora.1.gz
  COMMAND gzip -9nc ${VELMORA_GENERADO}/velmora.1 > ${_doc}/velmora.1.gz
  DEPENDS ${VELMORA_GENERADO}/velmora.1
  VERBATIM)
add_custom_target(documentos_paquete ALL DEPENDS ${_doc}/changelog.gz ${_doc}/velmora.1.gz)
install(FILES ${_doc}/velmora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${VELMORA_GENERADO}/copyright ${_doc}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)

include(CPack)
