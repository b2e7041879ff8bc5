# MinGW's run-time DLLs, which every program of this build loads, where the
# compiler says they are (its folder names gcc's version).
include_guard(GLOBAL)
set(SBC_MINGW_RUNTIME_DLLS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE sbc_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${sbc_dll}")
    message(FATAL_ERROR "MinGW's ${dll} not found by ${CMAKE_CXX_COMPILER}")
  endif()
  list(APPEND SBC_MINGW_RUNTIME_DLLS ${sbc_dll})
endforeach()
