# The Debian package: `make package` (or cpack -G DEB in the build folder) writes
# tracelle_<version>_amd64.deb, its library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tracelle)
set(CPACK_PACKAGE_VENDOR Tracelle)
set(CPACK_PACKAGE_CONTACT ${TRACELLE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TRACELLE_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "digitizer of scanned maps, plans and graphs")
set(CPACK_PACKAGE_DESCRIPTION
    "Tracelle turns a scanned map, plan or graph into coordinates: load the
picture, click three calibration points and type their real coordinates,
then click the features wanted. Every click becomes a point with pixel and
real coordinates, grouped into lines.

It measures lengths, bearings, perimeters and areas (also of coloured
zones), opens georeferenced pictures, exports and imports coordinates,
converts UTM and latitude/longitude, and converts pictures. Its user
interface is in English and French.

The tracelle-cli command does the same on many projects at once, without
windows.")
# Debian installs under /usr; the program finds its share folder from its own location.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Pictures in formats of Qt's plugins, files opened with the desktop's program, the help's font.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-image-formats-plugins, xdg-utils, fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
