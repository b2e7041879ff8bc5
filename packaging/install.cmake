# Installation rules and the Debian package (CPack).
include(GNUInstallDirs)

# A windowed program: no console window on Windows, an app bundle on macOS.
set_target_properties(spring-buffer-calculator PROPERTIES WIN32_EXECUTABLE ON MACOSX_BUNDLE ON)
# On Windows the program and its libraries share one folder, as Windows
# programs have them.
install(TARGETS spring-buffer-calculator
  RUNTIME DESTINATION $<IF:$<PLATFORM_ID:Windows>,.,${CMAKE_INSTALL_BINDIR}>
  BUNDLE DESTINATION .)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows/windows.cmake)
elseif(APPLE)
  include(${CMAKE_CURRENT_LIST_DIR}/deploy_qt.cmake)
elseif(UNIX)
  include(${CMAKE_CURRENT_LIST_DIR}/desktop_entry.cmake)
  if(BUILD_TESTING)
    include(${CMAKE_CURRENT_LIST_DIR}/installed_files_test.cmake)
  endif()
endif()

include(${CMAKE_CURRENT_LIST_DIR}/cpack.cmake)
