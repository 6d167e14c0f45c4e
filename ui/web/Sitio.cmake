# Writes the site's service worker (sw.js) from its template: the list of
# every file of the site and a fingerprint of their contents, so that a
# build that changes any file is a new version the browser picks up;
# minified by esbuild as the page's scripts are.
#   cmake -DSITIO=<site folder> -DPLANTILLA=<sw.js.in> -DESBUILD=<esbuild> -P Sitio.cmake
file(GLOB _archivos RELATIVE ${SITIO} ${SITIO}/*)
list(REMOVE_ITEM _archivos sw.js)
list(SORT _archivos)
set(_todo "")
set(ARCHIVOS "\"./\"")
foreach(archivo ${_archivos})
  file(SHA256 ${SITIO}/${archivo} _huella)
  string(APPEND _todo "${archivo} ${_huella}\n")
  string(APPEND ARCHIVOS ",\n  \"${archivo}\"")
endforeach()
string(SHA256 HUELLA "${_todo}")
string(SUBSTRING ${HUELLA} 0 16 HUELLA)
get_filename_component(_fuera ${SITIO} DIRECTORY)
configure_file(${PLANTILLA} ${_fuera}/sw.js @ONLY)
execute_process(COMMAND ${ESBUILD} ${_fuera}/sw.js --minify --log-level=warning
                        --outfile=${SITIO}/sw.js COMMAND_ERROR_IS_FATAL ANY)
