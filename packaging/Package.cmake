# The .deb: `cpack -G DEB`, or `cmake --build . --target package`, in the build
# folder. It installs under /usr like any Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME duvane)
set(CPACK_PACKAGE_VENDOR "Duvane developers")
set(CPACK_PACKAGE_CONTACT "Duvane developers <info@duvane.example>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "impedance calculator for shielded twin-core cable")
# Debian wants the long description in lines of under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Computes the even- and odd-mode impedances Ze and Zo of a shielded twin-core
cable, two identical round inner conductors in one round shield filled with a
dielectric, from the ratios S/D and D/d and the relative permittivity; or
finds S/D and D/d for wanted Ze and Zo.

The window, duvane, is in Japanese; duvane-calc does the same calculations on
the command line, with text or JSON output and a batch mode.]])
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# duvane_1.0.0_amd64.deb rather than CPack's own Duvane-1.0.0-Linux.deb.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)

set(debianDepends "")
# Fonts are found by name at run time, which no library scan sees: the window
# substitutes IPA Gothic for its Japanese text and DejaVu Sans for the rest.
if(DUVANE_BUILD_UI)
  list(APPEND debianDepends fonts-ipafont-gothic fonts-dejavu-core)
endif()
# dpkg-shlibdeps (package dpkg-dev) reads the libraries off the programs;
# without it CPack would quietly leave them out of Depends.
find_program(DUVANE_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DUVANE_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  message(STATUS "dpkg-shlibdeps not found (package dpkg-dev): the .deb names its libraries by hand")
  list(APPEND debianDepends libstdc++6)
  if(DUVANE_BUILD_UI)
    list(APPEND debianDepends libqt6widgets6 libqt6charts6)
  endif()
endif()
list(JOIN debianDepends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)
