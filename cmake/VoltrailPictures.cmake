# The program's pictures, drawn from our SVG sources at build time with
# rsvg-convert (librsvg2-bin) and unpacked to plain pixels (python3), so that
# neither an SVG renderer nor a PNG decoder, with its search of the image
# plugin folders, runs in the program, and the Windows build, which has no Qt
# Svg, shows the same pictures.
#
# voltrail_add_pictures(<target> SIZES <px...> PICTURES <name...>)
#   compiles :/pictures/<name>/<px>.rgba into <target> for every size.
# voltrail_windows_icon(<file.ico> SIZES <px...>)
#   writes a Windows icon of the "app" picture.
find_program(VOLTRAIL_RSVG_CONVERT rsvg-convert)
if(NOT VOLTRAIL_RSVG_CONVERT)
  message(FATAL_ERROR "rsvg-convert draws the pictures (Debian: apt-get install librsvg2-bin)")
endif()
find_package(Python3 COMPONENTS Interpreter)
if(NOT Python3_Interpreter_FOUND)
  message(FATAL_ERROR "python3 unpacks the pictures (Debian: apt-get install python3)")
endif()
set(VOLTRAIL_UNPACK_PNG ${CMAKE_CURRENT_LIST_DIR}/unpack-png.py)

function(voltrail_render_svg svg size png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${VOLTRAIL_RSVG_CONVERT} --width=${size} --height=${size} --keep-aspect-ratio
            --output=${png} ${svg}
    DEPENDS ${svg} VERBATIM)
endfunction()

function(voltrail_add_pictures target)
  cmake_parse_arguments(P "" "" "SIZES;PICTURES" ${ARGN})
  set(out ${CMAKE_CURRENT_BINARY_DIR}/pictures)
  set(unpacked)
  foreach(name IN LISTS P_PICTURES)
    file(MAKE_DIRECTORY ${out}/${name})
    foreach(size IN LISTS P_SIZES)
      set(png ${out}/${name}/${size}.png)
      set(rgba ${out}/${name}/${size}.rgba)
      voltrail_render_svg(${PROJECT_SOURCE_DIR}/resources/icons/${name}.svg ${size} ${png})
      add_custom_command(OUTPUT ${rgba}
        COMMAND ${Python3_EXECUTABLE} ${VOLTRAIL_UNPACK_PNG} ${png} ${rgba}
        DEPENDS ${png} ${VOLTRAIL_UNPACK_PNG} VERBATIM)
      list(APPEND unpacked ${rgba})
    endforeach()
  endforeach()
  # zlib, which every Qt build reads (the Windows one has no zstd).
  qt_add_resources(${target} "voltrail_pictures" PREFIX "/pictures" BASE ${out} FILES ${unpacked}
                   OPTIONS --compress-algo zlib)
endfunction()

function(voltrail_windows_icon ico)
  cmake_parse_arguments(P "" "" "SIZES" ${ARGN})
  find_program(VOLTRAIL_ICOTOOL icotool)
  if(NOT VOLTRAIL_ICOTOOL)
    message(FATAL_ERROR "icotool makes the Windows icon (Debian: apt-get install icoutils)")
  endif()
  get_filename_component(name ${ico} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}-icon)
  file(MAKE_DIRECTORY ${out})
  set(pngs)
  set(args)
  foreach(size IN LISTS P_SIZES)
    voltrail_render_svg(${PROJECT_SOURCE_DIR}/resources/icons/app.svg ${size} ${out}/${size}.png)
    list(APPEND pngs ${out}/${size}.png)
    # The large size stays PNG inside the icon, as Windows expects it.
    if(size GREATER_EQUAL 256)
      list(APPEND args --raw=${out}/${size}.png)
    else()
      list(APPEND args ${out}/${size}.png)
    endif()
  endforeach()
  add_custom_command(OUTPUT ${ico}
    COMMAND ${VOLTRAIL_ICOTOOL} --create --output=${ico} ${args}
    DEPENDS ${pngs} VERBATIM)
endfunction()
