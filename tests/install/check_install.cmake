# Installs the build into an empty folder and checks what lands there: exactly the two programs,
# the menu entry, the MIME type and the icons; the installed command line runs; the menu entry
# and the MIME type agree with each other and with the installed files, and the desktop's own
# tools accept them when they are present.
#   cmake -DBUILD_DIR=build -DPREFIX=DIR -P check_install.cmake

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  fail("cmake --install failed: " ${errors})
endif()

set(icon_sizes 32 64 128 256)
set(expected bin/ombrix bin/ombrix-cli share/applications/ombrix.desktop share/mime/packages/ombrix.xml)
foreach(size ${icon_sizes})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/ombrix.png)
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  fail("installed:\n  " "${installed}" "\nexpected:\n  " "${expected}")
endif()

# The icon theme trusts the folder name: each icon must be the size its folder says.
foreach(size ${icon_sizes})
  file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/ombrix.png header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width)  # the IHDR chunk's width and height, big-endian
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    fail("the icon of the ${size}x${size} folder is ${width}x${height}")
  endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/ombrix-cli --help RESULT_VARIABLE status OUTPUT_VARIABLE help)
if(NOT status EQUAL 0 OR NOT help MATCHES "Usage: ombrix-cli")
  fail("the installed ombrix-cli --help gave " ${status} ":\n" ${help})
endif()

set(desktop_file ${PREFIX}/share/applications/ombrix.desktop)
file(STRINGS ${desktop_file} exec REGEX "^Exec=")
file(STRINGS ${desktop_file} icon REGEX "^Icon=")
file(STRINGS ${desktop_file} mime_types REGEX "^MimeType=")
if(NOT exec STREQUAL "Exec=ombrix %f")
  fail("the menu entry starts '" ${exec} "', not the installed window with the file")
endif()
if(NOT icon STREQUAL "Icon=ombrix")
  fail("the menu entry's icon is '" ${icon} "', not the installed ombrix.png")
endif()
file(READ ${PREFIX}/share/mime/packages/ombrix.xml mime_xml)
string(REGEX MATCH "<mime-type type=\"([^\"]+)\">" type_element "${mime_xml}")
set(mime_type "${CMAKE_MATCH_1}")
if(NOT mime_types STREQUAL "MimeType=${mime_type}\;")
  fail("the menu entry opens '" ${mime_types} "' but the MIME file defines '" ${mime_type} "'")
endif()

find_program(desktop_file_validate desktop-file-validate)
if(desktop_file_validate)
  execute_process(COMMAND ${desktop_file_validate} ${desktop_file} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(NOT status EQUAL 0 OR out MATCHES "error")
    fail("desktop-file-validate: " ${out})
  endif()
endif()

# The desktop's MIME database, built from the installed file alone, must map *.hul to the type.
find_program(update_mime_database update-mime-database)
if(update_mime_database)
  execute_process(COMMAND ${update_mime_database} ${PREFIX}/share/mime RESULT_VARIABLE status
                  OUTPUT_VARIABLE out ERROR_VARIABLE out)
  file(STRINGS ${PREFIX}/share/mime/globs2 globs REGEX ":\\*\\.hul$")
  if(NOT status EQUAL 0 OR NOT globs MATCHES ":${mime_type}:\\*\\.hul$")
    fail("update-mime-database (" ${status} ") gave no *.hul glob for ${mime_type}: " ${out})
  endif()
endif()
