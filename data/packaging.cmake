# What a player installs: the launcher and the headless tool, the desktop entry, icons and the
# AppStream metainfo, as a Debian package (cmake --build build --target package). The stand-in
# servers and the demo stay out of it.
set(VANTOREL_APP_ID "com.vantorel.Launcher")
set(VANTOREL_RELEASE_DATE "2026-12-09" CACHE STRING "Date of this release, for the AppStream metainfo")

configure_file(${CMAKE_CURRENT_LIST_DIR}/${VANTOREL_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${VANTOREL_APP_ID}.metainfo.xml @ONLY)
# Both carry each language's finished translations of their texts, taken from the .ts files.
file(GLOB package_ts CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/*.ts)
set(packaged_desktop ${CMAKE_BINARY_DIR}/package/${VANTOREL_APP_ID}.desktop)
set(packaged_metainfo ${CMAKE_BINARY_DIR}/package/${VANTOREL_APP_ID}.metainfo.xml)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_custom_command(OUTPUT ${packaged_desktop} ${packaged_metainfo}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
  COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/scripts/translate-package-texts ${PROJECT_SOURCE_DIR}/translations
          ${CMAKE_CURRENT_LIST_DIR}/${VANTOREL_APP_ID}.desktop ${packaged_desktop}
          ${CMAKE_BINARY_DIR}/${VANTOREL_APP_ID}.metainfo.xml ${packaged_metainfo}
  DEPENDS ${package_ts} ${PROJECT_SOURCE_DIR}/scripts/translate-package-texts
          ${CMAKE_CURRENT_LIST_DIR}/${VANTOREL_APP_ID}.desktop ${CMAKE_BINARY_DIR}/${VANTOREL_APP_ID}.metainfo.xml
  VERBATIM)
add_custom_target(vantorel_package_texts ALL DEPENDS ${packaged_desktop} ${packaged_metainfo})
install(FILES ${packaged_desktop} DESTINATION share/applications)
install(FILES ${packaged_metainfo} DESTINATION share/metainfo)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${VANTOREL_APP_ID}.png)
endforeach()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/icons/${VANTOREL_APP_ID}.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION share/doc/vantorel-launcher)
# Debian wants a compressed changelog beside the copyright.
file(WRITE ${CMAKE_BINARY_DIR}/changelog
     "vantorel-launcher (${PROJECT_VERSION}) stable; urgency=medium\n\n  * Release ${PROJECT_VERSION}.\n\n"
     " -- Vantorel <launcher@vantorel.com>  Wed, 09 Dec 2026 00:00:00 +0000\n")
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
                   COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
                   DEPENDS ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(vantorel_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/changelog.gz DESTINATION share/doc/vantorel-launcher)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantorel-launcher)
set(CPACK_PACKAGE_VENDOR Vantorel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vantorel <launcher@vantorel.com>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps that section for packages that ship a game in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VANTOREL_WEB_ORIGIN})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "launcher of the Vantorel online game")
set(CPACK_PACKAGE_DESCRIPTION "Sign in to a Vantorel account, keep the game files up to date from the
patch server (checked by SHA-256, resumed when cut off, only the changed parts
of large files fetched, optionally speed limited, from signed patch lists) and
read the news of the home feed. Every action works from the keyboard and with a
screen reader.")
# Linked libraries come from dpkg-shlibdeps; the QML modules, the Wayland platform plugin, the
# secret-service library QtKeychain opens at run time and the font are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtquick-controls, \
qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtqml-workerscript, \
qml6-module-qt5compat-graphicaleffects, qt6-wayland, libsecret-1-0, fonts-inter, qt6-translations-l10n")
# The launcher asks libproxy for the proxy; without these plugins libproxy knows only the environment's
# https_proxy/http_proxy/no_proxy, not what the player set in GNOME or KDE.
# Glyphs for Japanese, Korean and Chinese, and for Arabic, where the system has none yet.
# Avahi finds the other computers that share game files on the local network.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libproxy1-plugin-gsettings | libproxy1-plugin-kconfig, fonts-noto-cjk, fonts-dejavu-core, avahi-daemon")
include(CPack)
