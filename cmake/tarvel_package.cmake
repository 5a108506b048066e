# `make package`: a Debian package of the installed tree, its library dependencies computed
# with dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvel-planner)
set(CPACK_PACKAGE_VENDOR "Tarvel Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Retirement and financial planner")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Simulates savings, retirement and tax-free accounts, property, loans, mortgages, taxes "
       "and inflation year by year, with schedules, graphs, reports and financial calculators.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvel Software")
set(CPACK_DEBIAN_PACKAGE_SECTION office)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_STRIP_FILES ON)
include(CPack)
