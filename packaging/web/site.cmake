# SPDX-FileCopyrightText: 2026 Schriftlich-rechnen-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Assembles the browser program's folder SITE from what the file INPUTS names: FILES copied (LICENSE
# as LICENSE.txt), the exact source of SOURCE_DIR and the notices made from the program's link map
# in BUILD_DIR, the PAGE with the name of the source archive and the hashes of the program's two
# files filled in, the service worker made from WORKER with every file's hash, the web servers'
# SERVER_FILES, and every file but the pictures, the source and the servers' files also as FILE.br
# (Brotli) and FILE.gz (gzip), for servers that send them as they are.
include(${INPUTS})
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
set(SOURCE_ARCHIVE schriftlich-rechnen-${VERSION}-source.tar.gz)
execute_process(COMMAND bash ${SOURCE_DIR}/scripts/source-archive.sh ${SITE}
  OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND bash ${SOURCE_DIR}/packaging/notices/notices.sh web
    ${BUILD_DIR}/schriftlich-rechnen.map ${BUILD_DIR} ${SOURCE_ARCHIVE} ${commit}
  OUTPUT_FILE ${SITE}/THIRD-PARTY-NOTICES.txt COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${SERVER_FILES} DESTINATION ${SITE})

# The base64 form of the bytes that HEX spells, as the browser reads a hash in an integrity
# attribute: three bytes (six hex digits) give four characters, "=" stands for each byte the
# last three lack.
function(base64_of_hex hex out)
  set(alphabet ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/)
  string(LENGTH ${hex} length)
  math(EXPR missing "(3 - ${length} / 2 % 3) % 3")
  string(REPEAT 00 ${missing} zeros)
  string(APPEND hex "${zeros}")
  string(LENGTH ${hex} length)
  math(EXPR last "${length} - 6")
  set(text)
  foreach(start RANGE 0 ${last} 6)
    string(SUBSTRING ${hex} ${start} 6 group)
    foreach(shift 18 12 6 0)
      math(EXPR index "(0x${group} >> ${shift}) & 63")
      string(SUBSTRING ${alphabet} ${index} 1 digit)
      string(APPEND text ${digit})
    endforeach()
  endforeach()
  string(LENGTH ${text} length)
  math(EXPR length "${length} - ${missing}")
  string(SUBSTRING ${text} 0 ${length} text)
  string(REPEAT = ${missing} padding)
  set(${out} "${text}${padding}" PARENT_SCOPE)
endfunction()

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
# The page starts the program only with the .js and .wasm of its own build: a folder that is
# still being copied to the server holds files of two builds.
foreach(part js wasm)
  file(SHA256 ${SITE}/schriftlich-rechnen.${part} hash)
  base64_of_hex(${hash} hash)
  string(TOUPPER ${part} PART)
  set(${PART}_INTEGRITY sha256-${hash})
endforeach()
configure_file(${PAGE} ${SITE}/index.html @ONLY)
list(APPEND names index.html)

# The worker's list: each file the browser keeps, with its SHA-256. Its cache is named by a hash
# of that list and of the worker itself, so that every other worker keeps another cache.
file(SHA256 ${WORKER} hash)
set(hashes "sw.js ${hash}\n")
set(SITE_FILES)
foreach(name ${names})
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${name} ${hash}\n")
  if(SITE_FILES)
    string(APPEND SITE_FILES ",\n  ")
  endif()
  string(APPEND SITE_FILES "\"${name}\": \"${hash}\"")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
list(APPEND names sw.js)

# Packing the .wasm at Brotli's best takes most of a minute: the packed forms are kept in
# PACKED (BUILD_DIR/site-packed unless INPUTS names another) by the hash of what they pack, so a
# file that did not change since the last assembly is not packed again; forms of files that are
# gone are dropped.
if(DEFINED PACKED)
  set(packed ${PACKED})
else()
  set(packed ${BUILD_DIR}/site-packed)
endif()
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
