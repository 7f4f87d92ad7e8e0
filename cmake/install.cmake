# What `cmake --install` puts where, and the Debian package `cpack -G DEB` makes of it: the two
# programs, and on Linux a menu entry with the emblem as its icon and the hull file's MIME type.
include(GNUInstallDirs)

install(TARGETS ombrix ombrix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

if(UNIX AND NOT APPLE)
  install(FILES packaging/ombrix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES packaging/ombrix.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

  # The emblem drawn square at the sizes icon themes look for; desktops scale between them.
  set(icons)
  foreach(size 32 64 128 256)
    set(icon ${PROJECT_BINARY_DIR}/icons/ombrix-${size}.png)
    add_custom_command(OUTPUT ${icon} COMMAND make_emblem --icon ${size} ${icon} DEPENDS make_emblem VERBATIM)
    list(APPEND icons ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ombrix.png)
  endforeach()
  add_custom_target(ombrix-icons ALL DEPENDS ${icons})
endif()

set(CPACK_PACKAGE_NAME ombrix)
set(CPACK_PACKAGE_CONTACT "ombrix maintainers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "collision hull files (.hul) for Re-Volt")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "From the game's model files (.prm, .m) ombrix computes convex hulls as face planes,\n"
    "fills them with collision spheres and writes the hull file the game loads for a car\n"
    "or an object. It also reads, checks, prints, scales and draws hull files.\n"
    "It comes as a window (ombrix) and a command line (ombrix-cli).")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The runtime libraries (Qt, Qhull, libpng) are read off the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The external hull program, qconvex, is used only when it lies in the current directory.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qhull-bin)
include(CPack)
