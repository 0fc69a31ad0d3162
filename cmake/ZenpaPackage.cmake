# The Debian package: `cpack -G DEB` in the build directory makes
# zenpa_<version>_<arch>.deb from the install rules. The libraries come
# from dpkg-shlibdeps; the Japanese fonts the print engine substitutes for
# the faces named in format files are named here, and so are Qt's Japanese
# translations (without them the file dialogs and message-box buttons are
# English).
set(CPACK_PACKAGE_NAME zenpa)
set(CPACK_PACKAGE_VENDOR "ZENPA project")
set(CPACK_PACKAGE_CONTACT "ZENPA project <zenpa@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Japanese text printing, number-place puzzles and arithmetic drills")
set(CPACK_PACKAGE_DESCRIPTION
    "Prints Japanese Shift-JIS text with a page layout of its own (margins in mm,\n\
line and character spacing, headers, page numbers, marks, frames, preview,\n\
PDF); generates, solves, grades and plays 9x9 number-place puzzles; makes\n\
arithmetic drill worksheets. Around it is a small text editor.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
