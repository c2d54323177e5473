# The program's icon: packaging/plivex.svg, drawn into PNGs at the sizes the
# desktop's icon theme asks for. The same pictures go into the program, for
# its windows, and into the package, for the desktop.
find_program(PLIVEX_RSVG_CONVERT rsvg-convert REQUIRED)

set(PLIVEX_ICON_SVG ${CMAKE_SOURCE_DIR}/packaging/plivex.svg)
set(PLIVEX_ICON_SIZES 16 22 24 32 48 64 128 256)
set(PLIVEX_ICON_DIR ${CMAKE_BINARY_DIR}/icons)

# The drawing rules live in the folder of the target that links the pictures
# in: a build rule for a generated file is only seen there.
function(plivex_add_icon target)
  set(pictures)
  foreach(size ${PLIVEX_ICON_SIZES})
    set(png ${PLIVEX_ICON_DIR}/plivex-${size}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PLIVEX_ICON_DIR}
      COMMAND ${PLIVEX_RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${PLIVEX_ICON_SVG}
      DEPENDS ${PLIVEX_ICON_SVG}
      COMMENT "Drawing the ${size} pixel icon"
      VERBATIM)
    list(APPEND pictures ${png})
  endforeach()
  qt_add_resources(${target} plivex_icon PREFIX /icons BASE ${PLIVEX_ICON_DIR} FILES ${pictures})
endfunction()
