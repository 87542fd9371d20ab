# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Assembles the browser program's folder: FILES copied into SITE (LICENSE as LICENSE.txt, the
# page with the name of the source archive filled in), the exact source of SOURCE_DIR and the
# notices made from the program's link map in BUILD_DIR, the service worker made from WORKER with
# the list of files and a hash of their contents, and every file but the pictures and the source
# also as FILE.br (Brotli) and FILE.gz (gzip), for servers that send them as they are.
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
set(SOURCE_ARCHIVE schriftlich-rechnen-${VERSION}-source.tar.gz)
execute_process(COMMAND bash ${SOURCE_DIR}/scripts/source-archive.sh ${SITE}
  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND bash ${SOURCE_DIR}/packaging/notices/notices.sh web
    ${BUILD_DIR}/schriftlich-rechnen.map ${BUILD_DIR} ${SOURCE_ARCHIVE} ${commit}
  OUTPUT_FILE ${SITE}/THIRD-PARTY-NOTICES.txt COMMAND_ERROR_IS_FATAL ANY)
set(names)
set(hashes)
foreach(file ${FILES} ${SITE}/THIRD-PARTY-NOTICES.txt)
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "LICENSE")
    set(name LICENSE.txt)
  endif()
  if(name STREQUAL "index.html")
    configure_file(${file} ${SITE}/${name} @ONLY)
  elseif(NOT file STREQUAL ${SITE}/${name})
    configure_file(${file} ${SITE}/${name} COPYONLY)
  endif()
  file(SHA256 ${SITE}/${name} hash)
  list(APPEND names ${name})
  string(APPEND hashes "${name} ${hash}\n")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
# "./" is the address the page is opened at.
set(SITE_FILES "\"./\"")
foreach(name ${names})
  string(APPEND SITE_FILES ", \"${name}\"")
endforeach()
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
list(APPEND names sw.js)
foreach(name ${names})
  if(NOT name MATCHES "\\.png$")
    execute_process(COMMAND ${BROTLI} --best --force --output=${SITE}/${name}.br ${SITE}/${name}
      COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${GZIP} -9 --no-name --force --keep ${SITE}/${name}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
