# zv_icon(<svg> <ico> [GREY]): renders the SVG at the sizes Windows asks for (taskbar, tray,
# Explorer views, the 256-pixel tile) with rsvg-convert and packs them into one .ico with
# icotool; the 256-pixel image is stored as PNG, as Windows does. GREY first exchanges the
# icon's colours for greys: the tray icon of the suspended state.
set(ZV_ICON_SIZES 16 20 24 32 40 48 64 128 256)
# Colour of the program icon, then the grey that stands for it.
set(ZV_ICON_GREYS "#5aa9f0" "#c9c9c9" "#2f78c8" "#909090" "#1b4f8f" "#5c5c5c")

function(zv_icon svg ico)
  cmake_parse_arguments(I "GREY" "" "" ${ARGN})
  find_program(ZV_RSVG_CONVERT rsvg-convert REQUIRED)
  find_program(ZV_ICOTOOL icotool REQUIRED)
  get_filename_component(name ${ico} NAME_WE)
  set(work ${CMAKE_CURRENT_BINARY_DIR}/${name}_images)
  set(source ${svg})
  if(I_GREY)
    file(READ ${svg} text)
    set(greys ${ZV_ICON_GREYS})
    while(greys)
      list(POP_FRONT greys colour grey)
      string(REPLACE "${colour}" "${grey}" text "${text}")
    endwhile()
    set(source ${work}/${name}.svg)
    file(GENERATE OUTPUT ${source} CONTENT "${text}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${svg})
  endif()
  set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${work})
  set(images)
  foreach(size ${ZV_ICON_SIZES})
    set(png ${work}/${size}.png)
    list(APPEND commands COMMAND ${ZV_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${source})
    if(size EQUAL 256)
      list(APPEND images --raw=${png})
    else()
      list(APPEND images ${png})
    endif()
  endforeach()
  add_custom_command(OUTPUT ${ico} ${commands}
    COMMAND ${ZV_ICOTOOL} -c -o ${ico} ${images}
    DEPENDS ${svg} ${source}
    COMMENT "Icon ${name}.ico from ${svg}")
endfunction()
