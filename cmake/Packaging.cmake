# The Debian package: `cpack -G DEB` in a build folder. Its run-time dependencies are found by
# dpkg-shlibdeps from the installed programs, never typed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kavdrift)
set(CPACK_PACKAGE_VERSION ${KAVDRIFT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kavdrift")
set(CPACK_PACKAGE_CONTACT ${KAVDRIFT_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "compare two directories on a binary basis")
# Debian shows the description as written: lines are kept under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
       "Kavdrift compares a New and an Old directory on a binary basis. Files are"
       "paired by name without regard to letter case, and each pair is judged equal"
       "or different; a file only in the New directory is inserted, one only in the"
       "Old directory is deleted."
       ""
       "The package holds the Qt desktop program kavdrift, with report viewers that"
       "search, print and save, and the command kavdrift-cli, which runs the same"
       "compares headless for scripts and says through its exit status whether"
       "anything differs.")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KAVDRIFT_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KAVDRIFT_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
