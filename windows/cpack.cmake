# The portable ZIP, the NSIS installer and the MSI (CPack's External
# generator, running msi.cmake on the staged files): `cpack` makes all three.
set(CPACK_GENERATOR ZIP NSIS External)
# Values reach the NSIS script as written, backslashes and dollar signs included.
set(CPACK_VERBATIM_VARIABLES ON)
# The packages' name, which the Windows checks take too (include(CPack)
# leaves CPACK_PACKAGE_FILE_NAME naming the source package).
set(SBC_WINDOWS_PACKAGE spring-buffer-calculator-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${SBC_WINDOWS_PACKAGE})
set(CPACK_PACKAGE_INSTALL_DIRECTORY "${SBC_PRODUCT_NAME}")
# The Start-menu entry, in a folder of the product's name.
set(CPACK_PACKAGE_EXECUTABLES spring-buffer-calculator "${SBC_PRODUCT_NAME}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_PACKAGE_NAME "${SBC_PRODUCT_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${SBC_PRODUCT_NAME}")
set(CPACK_NSIS_INSTALLED_ICON_NAME spring-buffer-calculator.exe)
if(SBC_WINDOWS_ICON)
  set(CPACK_NSIS_MUI_ICON ${SBC_WINDOWS_ICON})
  set(CPACK_NSIS_MUI_UNIICON ${SBC_WINDOWS_ICON})
endif()
# A 64-bit installer into the 64-bit Program Files. makensis makes a 32-bit
# one by default, which a 64-bit-only Windows (or Wine) cannot start.
# makensis signs the installer and its uninstaller as it writes them, when a
# certificate is given (sign.cmake).
set(sbc_sign "'\"${CMAKE_COMMAND}\" -D \"FILE=%1\" -D \"SBC_PRODUCT_NAME=${SBC_PRODUCT_NAME}\" -P \"${CMAKE_CURRENT_LIST_DIR}/sign.cmake\"'")
set(CPACK_NSIS_DEFINES "Target amd64-unicode\n!finalize ${sbc_sign}\n!uninstfinalize ${sbc_sign}")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The uninstaller removes the product's registry key but not its vendor's,
# left empty; take that too.
set(CPACK_NSIS_DELETE_ICONS_EXTRA "DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/msi.cmake)
set(CPACK_EXTERNAL_ENABLE_STAGING ON)
# Fixed for the product's life: Windows Installer finds older versions by it.
set(CPACK_SBC_UPGRADE_CODE 225B5336-02BA-4FF9-B2CE-77E7175CA469)
