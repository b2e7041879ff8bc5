# Installation rules and the packages (CPack): the settings every package
# shares, then the platform's own, then CPack.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/cpack.cmake)

if(WIN32)
  include(${PROJECT_SOURCE_DIR}/windows/windows.cmake)
else()
  # An app bundle on macOS.
  set_target_properties(spring-buffer-calculator PROPERTIES MACOSX_BUNDLE ON)
  install(TARGETS spring-buffer-calculator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
  if(APPLE)
    include(${CMAKE_CURRENT_LIST_DIR}/deploy_qt.cmake)
  else()
    include(${CMAKE_CURRENT_LIST_DIR}/desktop_entry.cmake)
    set(CPACK_GENERATOR DEB)
    if(BUILD_TESTING)
      include(${CMAKE_CURRENT_LIST_DIR}/installed_files_test.cmake)
    endif()
  endif()
endif()

include(CPack)
