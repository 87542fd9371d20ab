# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Assembles the browser program's folder SITE from what the file INPUTS names: FILES copied (LICENSE
# as LICENSE.txt), the exact source of SOURCE_DIR and the notices made from the program's link map
# in BUILD_DIR, the PAGE with the name of the source archive filled in, the service worker made
# from WORKER with the list of files and a hash of their contents, and every file but the
# pictures and the source also as FILE.br (Brotli) and FILE.gz (gzip), for servers that send
# them as they are.
include(${INPUTS})
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
set(SOURCE_ARCHIVE schriftlich-rechnen-${VERSION}-source.tar.gz)
execute_process(COMMAND bash ${SOURCE_DIR}/scripts/source-archive.sh ${SITE}
  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND bash ${SOURCE_DIR}/packaging/notices/notices.sh web
    ${BUILD_DIR}/schriftlich-rechnen.map ${BUILD_DIR} ${SOURCE_ARCHIVE} ${commit}
  OUTPUT_FILE ${SITE}/THIRD-PARTY-NOTICES.txt COMMAND_ERROR_IS_FATAL ANY)

set(names)
foreach(file ${FILES} ${SITE}/THIRD-PARTY-NOTICES.txt)
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "LICENSE")
    set(name LICENSE.txt)
  endif()
  if(NOT file STREQUAL ${SITE}/${name})
    configure_file(${file} ${SITE}/${name} COPYONLY)
  endif()
  list(APPEND names ${name})
endforeach()
configure_file(${PAGE} ${SITE}/index.html @ONLY)
list(APPEND names index.html)

set(hashes)
# "./" is the address the page is opened at.
set(SITE_FILES "\"./\"")
foreach(name ${names})
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${name} ${hash}\n")
  string(APPEND SITE_FILES ", \"${name}\"")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
list(APPEND names sw.js)

# Packing the .wasm at Brotli's best takes most of a minute: the packed forms are kept in
# BUILD_DIR/site-packed by the hash of what they pack, so a file that did not change since the
# last assembly is not packed again; forms of files that are gone are dropped.
set(packed ${BUILD_DIR}/site-packed)
file(MAKE_DIRECTORY ${packed})
set(kept)
foreach(name ${names})
  if(NOT name MATCHES "\\.png$")
    file(SHA256 ${SITE}/${name} hash)
    if(NOT EXISTS ${packed}/${hash}.br)
      execute_process(COMMAND ${BROTLI} --best --force --output=${packed}/${hash}.part
          ${SITE}/${name}
        COMMAND_ERROR_IS_FATAL ANY)
      file(RENAME ${packed}/${hash}.part ${packed}/${hash}.br)
    endif()
    if(NOT EXISTS ${packed}/${hash}.gz)
      execute_process(COMMAND ${GZIP} -9 --no-name --stdout ${SITE}/${name}
        OUTPUT_FILE ${packed}/${hash}.part COMMAND_ERROR_IS_FATAL ANY)
      file(RENAME ${packed}/${hash}.part ${packed}/${hash}.gz)
    endif()
    foreach(form br gz)
      file(COPY_FILE ${packed}/${hash}.${form} ${SITE}/${name}.${form})
      list(APPEND kept ${hash}.${form})
    endforeach()
  endif()
endforeach()
file(GLOB stale RELATIVE ${packed} ${packed}/*)
list(REMOVE_ITEM stale ${kept})
foreach(name ${stale})
  file(REMOVE ${packed}/${name})
endforeach()
