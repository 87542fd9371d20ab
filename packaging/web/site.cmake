# Assembles the browser program's folder: FILES copied into SITE (LICENSE as LICENSE.txt), the
# service worker made from WORKER with the list of files and a hash of their contents, and every
# file but the pictures also as FILE.br (Brotli) and FILE.gz (gzip), for servers that send them
# as they are.
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
set(names)
set(hashes)
foreach(file ${FILES})
  get_filename_component(name ${file} NAME)
  if(name STREQUAL "LICENSE")
    set(name LICENSE.txt)
  endif()
  configure_file(${file} ${SITE}/${name} COPYONLY)
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
