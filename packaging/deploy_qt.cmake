# macOS has no system Qt: the install step copies Qt's libraries
# and plugins into the app bundle (macdeployqt underneath).
if(Qt6_VERSION VERSION_LESS 6.5)
  qt_generate_deploy_app_script(TARGET spring-buffer-calculator
    FILENAME_VARIABLE sbc_deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
else()
  qt_generate_deploy_app_script(TARGET spring-buffer-calculator
    OUTPUT_SCRIPT sbc_deploy_script NO_UNSUPPORTED_PLATFORM_ERROR)
endif()
install(SCRIPT ${sbc_deploy_script})
