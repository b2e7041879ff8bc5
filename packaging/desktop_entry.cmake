# The menu entry, its icon in the hicolor theme and the AppStream metainfo,
# for Linux and other freedesktop.org desktops.
set(SBC_ICON_NAME spring-buffer-calculator)
set(SBC_ICON_SIZES 16 32 48 64 128 256)

# The icon files are drawn by the program's own icon code at build time, so
# they always match the window icon.
add_executable(sbc_export_icon ${CMAKE_CURRENT_LIST_DIR}/export_icon.cpp)
target_link_libraries(sbc_export_icon PRIVATE sbc_app sbc_warnings)
set_target_properties(sbc_export_icon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)

set(sbc_icon_dir ${CMAKE_BINARY_DIR}/packaging/hicolor)
set(sbc_icon_files)
foreach(size IN LISTS SBC_ICON_SIZES)
  list(APPEND sbc_icon_files ${sbc_icon_dir}/${size}x${size}/apps/${SBC_ICON_NAME}.png)
endforeach()
add_custom_command(
  OUTPUT ${sbc_icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          $<TARGET_FILE:sbc_export_icon> ${sbc_icon_dir} ${SBC_ICON_NAME} ${SBC_ICON_SIZES}
  DEPENDS sbc_export_icon
  COMMENT "Drawing the desktop icons"
  VERBATIM)
add_custom_target(sbc_desktop_icons ALL DEPENDS ${sbc_icon_files})

# The desktop entry's file name is the program's id: the Wayland app id it
# sets, and the AppStream component of the metainfo software centres read.
foreach(file desktop metainfo.xml)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/app.${file}.in ${CMAKE_BINARY_DIR}/packaging/${SBC_APP_ID}.${file} @ONLY)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/${SBC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${SBC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${sbc_icon_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
