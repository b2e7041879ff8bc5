# Installs the build into a staging folder and checks what a desktop would
# see there: the menu entry, the program it starts and the icons.
find_package(Qt6 REQUIRED COMPONENTS Test)
set(sbc_stage_dir ${CMAKE_BINARY_DIR}/packaging/stage)

add_test(NAME packaging_stage_install
  COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DSTAGE=${sbc_stage_dir} -DCONFIG=$<CONFIG>
          -P ${CMAKE_CURRENT_LIST_DIR}/stage_install.cmake)
set_tests_properties(packaging_stage_install PROPERTIES FIXTURES_SETUP sbc_stage)

add_executable(installed_files_test ${CMAKE_CURRENT_LIST_DIR}/installed_files_test.cpp)
target_link_libraries(installed_files_test PRIVATE sbc_app sbc_warnings Qt6::Test)
set_target_properties(installed_files_test PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
target_compile_definitions(installed_files_test PRIVATE
  SBC_STAGE_BINDIR="${sbc_stage_dir}/${CMAKE_INSTALL_BINDIR}"
  SBC_STAGE_DATADIR="${sbc_stage_dir}/${CMAKE_INSTALL_DATADIR}")
add_test(NAME packaging_installed_files COMMAND installed_files_test)
set_tests_properties(packaging_installed_files PROPERTIES
  FIXTURES_REQUIRED sbc_stage
  ENVIRONMENT QT_QPA_PLATFORM=offscreen)
