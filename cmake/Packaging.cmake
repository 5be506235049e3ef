# `cpack -G DEB` in a build tree makes a Debian package that installs quarn into
# /usr with the layout above. The version is the project's (CMakeLists.txt), and
# the dependencies are worked out by dpkg-shlibdeps from the binaries built, so
# they name the library versions this build needs.
set(CPACK_PACKAGE_NAME quarn)
set(CPACK_PACKAGE_VENDOR "the quarn developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUARN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# CPack makes the summary the synopsis line and the description the text below it.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Z80 cross-assembler for TI graphing calculators")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "quarn assembles Z80 source into program files for TI-73, TI-82, TI-83,\nTI-83 Plus, TI-84 Plus, TI-85 and TI-86 calculators, symbol files and hex\nlistings. Its instruction set comes from a table file and its output formats\nfrom plug-ins.")
include(CPack)
