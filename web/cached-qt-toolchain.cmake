# The toolchain of the Qt for WebAssembly that web/deps.sh builds
# into its cache, SBC_WEB_CACHE or else ~/.cache/spring-buffer-calculator-web,
# where the link qt names the current build.
set(sbc_web_cache "$ENV{HOME}/.cache/spring-buffer-calculator-web")
if(DEFINED ENV{SBC_WEB_CACHE})
  set(sbc_web_cache "$ENV{SBC_WEB_CACHE}")
endif()
include("${sbc_web_cache}/qt/lib/cmake/Qt6/qt.toolchain.cmake")
