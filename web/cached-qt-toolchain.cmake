# The toolchain of the Qt for WebAssembly that web/deps.sh builds
# into its cache, SBC_WEB_CACHE or else ~/.cache/spring-buffer-calculator-web,
# where the link qt names the current build.
set(sbc_web_cache "$ENV{HOME}/.cache/spring-buffer-calculator-web")
if(DEFINED ENV{SBC_WEB_CACHE})
  set(sbc_web_cache "$ENV{SBC_WEB_CACHE}")
endif()
include("${sbc_web_cache}/qt/lib/cmake/Qt6/qt.toolchain.cmake")

# Emscripten lets a program throw but not catch unless told otherwise: the
# page's own code, its tests and GoogleTest catch what they throw, as on the
# desktop. Qt throws nothing the program catches, so it is built without.
# (CMake reads a toolchain file more than once.)
if(NOT CMAKE_CXX_FLAGS_INIT MATCHES "-fexceptions")
  string(APPEND CMAKE_CXX_FLAGS_INIT " -fexceptions")
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -fexceptions")
endif()

# Asyncify's rewriting spared where it is not needed (asyncify-remove.txt).
if(NOT CMAKE_EXE_LINKER_FLAGS_INIT MATCHES "ASYNCIFY_REMOVE")
  string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -sASYNCIFY_REMOVE=@${CMAKE_CURRENT_LIST_DIR}/asyncify-remove.txt")
endif()
