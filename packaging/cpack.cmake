# What every package says of the program; the Debian package's own fields
# (`cpack -G DEB` in the build folder makes the .deb).
set(CPACK_PACKAGE_NAME spring-buffer-calculator)
set(CPACK_PACKAGE_VENDOR "Spring Buffer Calculator developers")
set(CPACK_PACKAGE_CONTACT "Spring Buffer Calculator developers <maintainers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "spring buffer reaction calculator for hydraulic elevators")
set(CPACK_PACKAGE_DESCRIPTION
  "A desktop calculator for elevator inspectors. From the crosshead data plate,
the buffer marking plate and the layout drawing of a hydraulic elevator on
spring buffers it computes the buffer reaction and tells whether the
installed buffers' load rating suits it. Every quantity is shown in Imperial
and Metric units side by side, and the entries, results and the form can be
printed.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Spring Buffer Calculator")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt libraries come from dpkg-shlibdeps; the window also needs Qt's
# platform plugins, loaded at run time, and the fonts the design is laid out for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# A PDF printer for users with no printer of their own (the Print dialog
# offers no print-to-file), and Qt's platform plugin for native Wayland
# sessions; without it Qt falls back to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "printer-driver-cups-pdf, qt6-wayland")
