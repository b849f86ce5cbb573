# Installs Trezalia like any desktop program:
#   bin/trezalia                       launcher, starts the game in share/trezalia
#   libexec/trezalia/trezalia          the game
#   share/trezalia/media/              pictures, fonts, sounds, lists, credits
#   share/applications/trezalia.desktop, share/icons/hicolor/*/apps/trezalia.*
#   share/doc/trezalia/                README, credits, font licences
# Remove with `make uninstall` (reads install_manifest.txt).

set(TREZALIA_DATA_DIR ${CMAKE_INSTALL_DATADIR}/trezalia)
set(TREZALIA_GAME_DIR ${CMAKE_INSTALL_LIBEXECDIR}/trezalia)

install(TARGETS trezalia RUNTIME DESTINATION ${TREZALIA_GAME_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/media/ DESTINATION ${TREZALIA_DATA_DIR}/media)

# The launcher names the data folder and the game relative to its own folder
# when the layout allows it, so the installed tree can be moved.
function(trezalia_from_bin out dir)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}" OR IS_ABSOLUTE "${dir}")
    get_filename_component(full "${dir}" ABSOLUTE BASE_DIR "${CMAKE_INSTALL_PREFIX}")
    set(${out} "${full}" PARENT_SCOPE)
  else()
    file(RELATIVE_PATH rel "/prefix/${CMAKE_INSTALL_BINDIR}" "/prefix/${dir}")
    set(${out} "${rel}" PARENT_SCOPE)
  endif()
endfunction()
trezalia_from_bin(TREZALIA_LAUNCH_DATA "${TREZALIA_DATA_DIR}")
trezalia_from_bin(TREZALIA_LAUNCH_GAME "${TREZALIA_GAME_DIR}/trezalia")
configure_file(${CMAKE_SOURCE_DIR}/tools/trezalia.sh.in ${CMAKE_BINARY_DIR}/launcher/trezalia @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/trezalia DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${CMAKE_SOURCE_DIR}/tools/desktop/trezalia.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/tools/desktop/hicolor/${size}x${size}/apps/trezalia.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/tools/desktop/trezalia.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

file(GLOB TREZALIA_LICENCES ${CMAKE_SOURCE_DIR}/media/LICENSE*)
install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/media/CREDITS.md ${TREZALIA_LICENCES}
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
