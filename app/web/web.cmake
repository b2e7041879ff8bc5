# The calculator as a web page: the window's program built for WebAssembly
# with Qt for WebAssembly, and the page around it (this folder). The page's
# files go to SBC_WEB_SITE, a folder any static web server serves, and into
# a ZIP beside it. Included from app/CMakeLists.txt when building with
# emscripten.
set(SBC_WEB_SITE ${CMAKE_BINARY_DIR}/site CACHE PATH "Folder of the web page's files")
set(SBC_WEB_ZIP ${CMAKE_BINARY_DIR}/spring-buffer-calculator-web.zip CACHE FILEPATH "The web page's files in one ZIP")
# Drawn by the desktop build's icon exporter (packaging/export_icon.cpp):
# <size>x<size>/apps/spring-buffer-calculator.png at 192 and 512 pixels.
set(SBC_WEB_ICONS "" CACHE PATH "Folder of the web page's icons")
# Debian 12 keeps Liberation 2 in liberation2/, Debian 13 in liberation/.
find_path(SBC_WEB_FONTS LiberationMono-Regular.ttf DOC "Folder of the Liberation fonts the page ships"
  PATHS /usr/share/fonts/truetype/liberation /usr/share/fonts/truetype/liberation2
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
# The browser's bars around the installed page take the window's grey.
set(SBC_WEB_THEME_COLOUR "#efefef")
if(NOT EXISTS "${SBC_WEB_ICONS}/512x512/apps/spring-buffer-calculator.png")
  message(FATAL_ERROR "SBC_WEB_ICONS must name the drawn icons (scripts/package-web.sh draws them)")
endif()

# The printer of the page: PDF files shown by the browser.
add_library(sbc_report_web STATIC
  ${PROJECT_SOURCE_DIR}/report/web_printer.cpp ${PROJECT_SOURCE_DIR}/report/web_printer.h)
target_include_directories(sbc_report_web PUBLIC ${PROJECT_SOURCE_DIR}/report)
target_link_libraries(sbc_report_web PUBLIC sbc_report_qt PRIVATE sbc_warnings)

qt_add_executable(spring-buffer-calculator web_main.cpp web_page.cpp web_page.h)
target_link_libraries(spring-buffer-calculator PRIVATE sbc_app sbc_report_web sbc_warnings)
target_compile_definitions(spring-buffer-calculator PRIVATE SBC_PRODUCT_NAME="${SBC_PRODUCT_NAME}")
set(sbc_page_fonts LiberationSans-Regular.ttf LiberationSans-Bold.ttf
                   LiberationMono-Regular.ttf LiberationMono-Bold.ttf)
list(TRANSFORM sbc_page_fonts PREPEND ${SBC_WEB_FONTS}/ OUTPUT_VARIABLE sbc_page_font_files)
qt_add_resources(spring-buffer-calculator sbc_page_fonts PREFIX /fonts/page BASE ${SBC_WEB_FONTS}
  FILES ${sbc_page_font_files})

# The page's folder and ZIP, made again whenever the program is.
add_custom_target(sbc_web_site ALL
  COMMAND ${CMAKE_COMMAND} -DPAGE=${CMAKE_CURRENT_LIST_DIR} -DPROGRAM=$<TARGET_FILE:spring-buffer-calculator>
          -DICONS=${SBC_WEB_ICONS} -DSITE=${SBC_WEB_SITE} -DZIP=${SBC_WEB_ZIP}
          -DSBC_WEB_THEME_COLOUR=${SBC_WEB_THEME_COLOUR} -P ${CMAKE_CURRENT_LIST_DIR}/web_site.cmake
  DEPENDS spring-buffer-calculator ${CMAKE_CURRENT_LIST_DIR}/web_site.cmake
  COMMENT "Making the web page's folder and ZIP"
  VERBATIM)

# The page's checks in headless Chromium.
if(BUILD_TESTING)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/web ${PROJECT_BINARY_DIR}/tests/web)
endif()
