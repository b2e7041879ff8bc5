# The MSI, made by CPack's External generator from the files it staged (the
# ZIP's): wixl-heat lists them, wixl builds spring-buffer-calculator.wxs
# around them. The ProductCode is new for each version and the same for every
# build of one version (a name-based UUID of the version under the
# UpgradeCode): a major upgrade replaces an older version, and one version
# cannot be installed twice.
set(msi ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
string(UUID product_code NAMESPACE ${CPACK_SBC_UPGRADE_CODE} NAME ${CPACK_PACKAGE_VERSION} TYPE SHA1 UPPER)
# wixl takes the files' paths relative to the folder it runs in.
file(RELATIVE_PATH stage ${CPACK_TOPLEVEL_DIRECTORY} ${CPACK_TEMPORARY_DIRECTORY})
file(RELATIVE_PATH icon ${CPACK_TOPLEVEL_DIRECTORY} ${CPACK_NSIS_MUI_ICON})
execute_process(COMMAND find ${stage} -type f
  COMMAND wixl-heat -p ${stage}/ --directory-ref INSTALLDIR --component-group Files --var var.Stage --win64
  OUTPUT_FILE files.wxs WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND wixl -a x64 -o ${msi} -D Win64=yes -D Stage=${stage} -D Icon=${icon}
    -D Version=${CPACK_PACKAGE_VERSION} -D ProductCode=${product_code} -D UpgradeCode=${CPACK_SBC_UPGRADE_CODE}
    -D ProductName=${CPACK_NSIS_DISPLAY_NAME} -D Manufacturer=${CPACK_PACKAGE_VENDOR}
    ${CMAKE_CURRENT_LIST_DIR}/spring-buffer-calculator.wxs files.wxs
  WORKING_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY} COMMAND_ERROR_IS_FATAL ANY)
set(SBC_PRODUCT_NAME ${CPACK_NSIS_DISPLAY_NAME})
include(${CMAKE_CURRENT_LIST_DIR}/sign.cmake)
sbc_sign(${msi})
set(CPACK_EXTERNAL_BUILT_PACKAGES ${msi})
