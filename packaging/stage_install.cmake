# cmake -DBUILD_DIR=... -DSTAGE=... [-DCONFIG=...] -P stage_install.cmake
# Installs the build afresh into STAGE: no file left from an earlier run may
# stand in for one the install rules no longer make.
file(REMOVE_RECURSE "${STAGE}")
set(config_args)
if(CONFIG)
  set(config_args --config "${CONFIG}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}" ${config_args}
  COMMAND_ERROR_IS_FATAL ANY)
