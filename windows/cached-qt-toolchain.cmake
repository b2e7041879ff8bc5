# The toolchain of the Qt for Windows, and the GoogleTest, that
# windows/deps.sh builds into its cache, SBC_WINDOWS_CACHE or else
# ~/.cache/spring-buffer-calculator-windows, where the links qt and
# googletest name the current builds.
set(sbc_windows_cache "$ENV{HOME}/.cache/spring-buffer-calculator-windows")
if(DEFINED ENV{SBC_WINDOWS_CACHE})
  set(sbc_windows_cache "$ENV{SBC_WINDOWS_CACHE}")
endif()
include("${sbc_windows_cache}/qt/lib/cmake/Qt6/qt.toolchain.cmake")
list(APPEND CMAKE_PREFIX_PATH "${sbc_windows_cache}/googletest")
