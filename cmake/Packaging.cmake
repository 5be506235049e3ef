# `cpack -G DEB` in a build tree makes a Debian package that installs quarn into
# /usr with the layout above.
set(CPACK_PACKAGE_NAME quarn)
set(CPACK_PACKAGE_VENDOR "the quarn developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Z80 cross-assembler for TI graphing calculators")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "quarn developers <quarn@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Z80 cross-assembler for TI graphing calculators\n quarn assembles Z80 source into TI-82, TI-83 Plus and TI-86 program files,\n symbol files and hex listings. Its instruction set comes from a table file\n and its output formats from plug-ins.")
include(CPack)
