# Copies the page (index.html) into the site without its comments, which
# are for whoever reads the source, not for the browser.
#   cmake -DENTRADA=<index.html> -DSALIDA=<site>/index.html -P SinComentarios.cmake
file(READ ${ENTRADA} _pagina)
string(REGEX REPLACE "<!--([^-]|-[^-]|--[^>])*-->\n?" "" _pagina "${_pagina}")
file(WRITE ${SALIDA} "${_pagina}")
