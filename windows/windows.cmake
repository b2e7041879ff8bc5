# The Windows program: its icon, version and manifest, and beside it the Qt
# and MinGW libraries it loads; its ZIP, installer and MSI (cpack.cmake);
# its checks under Wine (checks/, added with the tests).

# A windowed program, with no console window; it and its libraries share
# one folder, as Windows programs have them.
set_target_properties(spring-buffer-calculator PROPERTIES WIN32_EXECUTABLE ON)
install(TARGETS spring-buffer-calculator RUNTIME DESTINATION .)

set(SBC_WINDOWS_ICON "" CACHE FILEPATH
  "The program's icon as an .ico file, drawn by the Linux build's icon tool (windows/package.sh makes it)")
if(SBC_WINDOWS_ICON)
  set(SBC_RC_ICON "IDI_ICON1 ICON \"${SBC_WINDOWS_ICON}\"")
else()
  message(WARNING "SBC_WINDOWS_ICON is not set: the program has no icon in Explorer and the Start menu")
  set(SBC_RC_ICON "")
endif()
set(SBC_RC_MANIFEST ${CMAKE_CURRENT_LIST_DIR}/app.manifest)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.rc.in ${CMAKE_BINARY_DIR}/packaging/version.rc @ONLY)
target_sources(spring-buffer-calculator PRIVATE ${CMAKE_BINARY_DIR}/packaging/version.rc)

# A Qt built from source has no windeployqt, so the libraries beside the
# program are named here: the four Qt modules, the windows platform plugin
# and the native style (windowsvista; modernwindows from Qt 6.7 on).
set(sbc_beside_program)
foreach(module Core Gui Widgets PrintSupport)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION .)
  list(APPEND sbc_beside_program $<TARGET_FILE_NAME:Qt6::${module}>)
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
set(sbc_style $<IF:$<TARGET_EXISTS:Qt6::QModernWindowsStylePlugin>,Qt6::QModernWindowsStylePlugin,Qt6::QWindowsVistaStylePlugin>)
install(FILES $<TARGET_FILE:${sbc_style}> DESTINATION styles)
list(APPEND sbc_beside_program platforms/$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>
  styles/$<TARGET_FILE_NAME:${sbc_style}>)
# MinGW's run-time DLLs, which deps.sh sets beside Qt's.
if(MINGW)
  file(GLOB sbc_mingw_runtime ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}/lib*.dll)
  install(FILES ${sbc_mingw_runtime} DESTINATION .)
  list(TRANSFORM sbc_mingw_runtime REPLACE ".*/" "")
  list(APPEND sbc_beside_program ${sbc_mingw_runtime})
endif()
# `cmake --install --strip` (and CPack) strip the program only; the libraries
# beside it are stripped too, to less than half their size. Then, when a
# certificate is given (sign.cmake), each program and library is signed, so
# the ZIP, the installer and the MSI all carry signed files.
install(CODE "set(SBC_PRODUCT_NAME \"${SBC_PRODUCT_NAME}\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/sign.cmake\")
  foreach(file $<TARGET_FILE_NAME:spring-buffer-calculator> ${sbc_beside_program})
    set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\")
    if(CMAKE_INSTALL_DO_STRIP AND EXISTS \"${CMAKE_STRIP}\")
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${file}\" COMMAND_ERROR_IS_FATAL ANY)
    endif()
    sbc_sign(\"\${file}\")
  endforeach()")

include(${CMAKE_CURRENT_LIST_DIR}/cpack.cmake)
set(SBC_PLATFORM_CHECKS ${CMAKE_CURRENT_LIST_DIR}/checks)
