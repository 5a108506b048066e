# `make package`: a Debian package of the installed tree, its library dependencies computed
# with dpkg-shlibdeps, with the copyright file and changelog Debian expects beside it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvel-planner)
set(CPACK_PACKAGE_VENDOR "Tarvel Software")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Retirement and financial planner")
# Debian shows the long description as it stands: lines of at most 80 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Simulates savings, retirement and tax-free accounts, property, loans,\n"
       "mortgages, taxes and inflation year by year, with schedules, graphs,\n"
       "reports and financial calculators. The command line tarvel runs, draws,\n"
       "prints and analyses scenarios without the desktop.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tarvel developers <dev@tarvel.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Wayland platform of Qt for Wayland desktops; the rest only where a desktop lacks them:
# xdg-open for links, the manual and mail, and a calculator for the Calculators menu.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-utils, gnome-calculator | kcalc | galculator")
set(CPACK_STRIP_FILES ON)

# The changelog's newest entry names the version packaged, as Debian tools check.
set(package_changelog ${CMAKE_SOURCE_DIR}/data/package/changelog)
file(STRINGS ${package_changelog} changelog_head LIMIT_COUNT 1)
set(package_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
if(NOT changelog_head MATCHES "^tarvel-planner \\(${package_version}\\) ")
  message(FATAL_ERROR "data/package/changelog has no entry for ${package_version} at the top")
endif()

set(package_docs ${CMAKE_BINARY_DIR}/package)
add_custom_command(OUTPUT ${package_docs}/changelog.Debian.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${package_docs}
  COMMAND sh -c "gzip -9n -c \"$1\" > \"$2.part\" && mv \"$2.part\" \"$2\"" sh
          ${package_changelog} ${package_docs}/changelog.Debian.gz
  DEPENDS ${package_changelog}
  VERBATIM)
add_custom_target(package_changelog ALL DEPENDS ${package_docs}/changelog.Debian.gz)
install(FILES data/package/copyright ${package_docs}/changelog.Debian.gz
              data/LIFE_TABLES.md data/us-annual-returns.md
        DESTINATION share/doc/tarvel-planner)
install(FILES data/package/lintian-overrides DESTINATION share/lintian/overrides
        RENAME tarvel-planner)
include(CPack)

# The package of the build holds the manual pages and documents, with control fields lintian
# accepts.
add_test(NAME package.deb_holds_manual_pages_and_documents
         COMMAND bash ${CMAKE_SOURCE_DIR}/data/package/check_package.sh ${CMAKE_BINARY_DIR})
