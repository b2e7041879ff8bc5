# Makes the web page's folder SITE and its ZIP from the built PROGRAM (its
# .js and .wasm, and Qt's qtloader.js beside them), the page's files in PAGE
# and the icons in ICONS; ZOPFLI (gzip's format, smaller than gzip's own)
# and BROTLI compress its large files. Run as a script:
# cmake -DPAGE=… -P site.cmake.
get_filename_component(built ${PROGRAM} DIRECTORY)
get_filename_component(name ${PROGRAM} NAME_WE)
file(REMOVE_RECURSE ${SITE})
file(MAKE_DIRECTORY ${SITE})
file(COPY ${built}/${name}.js ${built}/${name}.wasm ${built}/qtloader.js DESTINATION ${SITE})
foreach(size 192 512)
  file(COPY_FILE ${ICONS}/${size}x${size}/apps/spring-buffer-calculator.png ${SITE}/icon-${size}.png)
endforeach()
configure_file(${PAGE}/index.html ${SITE}/index.html @ONLY)
configure_file(${PAGE}/manifest.webmanifest ${SITE}/manifest.webmanifest @ONLY)

# The service worker keeps every other file, the page's address itself too;
# its cache is named by their contents.
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(SORT files)
set(SBC_WEB_FILES "'./'")
set(digests "")
foreach(file IN LISTS files)
  string(APPEND SBC_WEB_FILES ", '${file}'")
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
endforeach()
string(SHA256 SBC_WEB_VERSION "${digests}")
string(SUBSTRING ${SBC_WEB_VERSION} 0 16 SBC_WEB_VERSION)
configure_file(${PAGE}/service-worker.js ${SITE}/service-worker.js @ONLY)

# For a host that serves files as they are: a .gz and a .br beside each
# large file, which the service worker never asks for.
foreach(file IN LISTS files)
  file(SIZE ${SITE}/${file} size)
  if(size GREATER 16384 AND NOT file MATCHES "\\.png$")
    execute_process(COMMAND ${ZOPFLI} --i5 ${file} COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${SITE})
    execute_process(COMMAND ${BROTLI} -q 11 -k -f ${file} COMMAND_ERROR_IS_FATAL ANY WORKING_DIRECTORY ${SITE})
  endif()
endforeach()

file(REMOVE ${ZIP})
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${files}
  WORKING_DIRECTORY ${SITE} COMMAND_ERROR_IS_FATAL ANY)
