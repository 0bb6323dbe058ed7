# Installation into a prefix and the Debian package (cpack -G DEB, or ./run package).
include(GNUInstallDirs)
# Installing needs only the program and the batch tool, not every test and benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

install(TARGETS ssq ssq-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The embedded browser, loaded by the program when the first web page is opened.
install(TARGETS ssqwebview LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/ssq)
# The shipped history and the user's guide; an installed program copies the history into
# the user's data folder at its first start and never writes here.
install(FILES ${CMAKE_SOURCE_DIR}/data/ssq.dxt DESTINATION ${CMAKE_INSTALL_DATADIR}/ssq)
if(EXISTS ${CMAKE_SOURCE_DIR}/data/readme.txt)
  install(FILES ${CMAKE_SOURCE_DIR}/data/readme.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/ssq)
endif()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/ssq.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/example.mingchuan.ssq.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${size}x${size}/ssq.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(CPACK_PACKAGE_NAME ssq)
set(CPACK_PACKAGE_VENDOR "明川网")
set(CPACK_PACKAGE_CONTACT "明川网 <support@mingchuan.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "晨帆选号通: 双色球 draw history, charts, recommendations and reduction")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The shared libraries (Qt and its WebEngine) are found by dpkg-shlibdeps; the web view's
# helper process, a CJK font and Qt's Chinese translations are not libraries and are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6webenginecore6-bin, fonts-wqy-microhei | fonts-noto-cjk, qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
