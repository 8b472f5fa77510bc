# The Debian package, built by `cpack` in a configured and built folder (scripts/dev.sh package does it
# all). The package installs under /usr, so /usr/bin/pelinor finds its program folder as
# /usr/share/Norvanta/Pelinor, the share folder beside its own. The version is the project's.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelinor)
set(CPACK_PACKAGE_VENDOR Norvanta)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "input workbench for Russian, Greek, Ukrainian and IPA")
# CPack indents each line for the control file and turns empty lines into " .".
set(CPACK_PACKAGE_DESCRIPTION [=[
Pelinor is a desktop input workbench for Japanese speakers who write
Russian, Greek and Ukrainian text and IPA transcriptions. Foreign letters
and phonetic symbols are typed through romaji character tables or the
script's own keyboard layout, candidate windows, on-screen key panels and
a symbol library.

The finished text goes to the window the user last worked in, as rich
text, as numeric character references or as plain Unicode text, and
vocabulary is kept in word books. The interface is Japanese.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PELINOR_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the binary (dpkg-shlibdeps). Qt loads its window system plugin at run time, so
# the binary does not name it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The free fonts the program puts in place of the Windows font names of its settings and tables, and Qt's
# Japanese texts for its own buttons.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, fonts-sil-charis, fonts-liberation, qt6-translations-l10n")

include(CPack)
