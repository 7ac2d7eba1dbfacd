# Pictures rendered ahead of time, for a Qt without an SVG renderer (the Windows build) and for
# anything else that would rather not parse SVG at run time.
#
#   getalveld_add_rendered_pictures(TARGET)
#   getalveld_add_rendered_pictures_file(TARGET OUTPUT.rcc)
#
# renders every assets/pictures/*.svg into squares of each side of GETALVELD_RENDERED_SIDES (in
# pixels: the sides the screens use most, 32 and 60, at Windows' scales from 100 % to 300 %, and
# steps of at most 1.5 up to about twice the largest picture, 174, for a 4K display; about
# 8 MB in all) with the build machine's Qt SVG, and
# compiles them into TARGET as :/rendered/NAME/SIDE.png; TARGET registers
# them with Q_INIT_RESOURCE(rendered). The renderer is scripts/renderpictures.cpp: built here
# when this Qt has an SVG renderer and runs on this machine, otherwise named by
# GETALVELD_PICTURE_RENDERER (a program built natively, e.g. by scripts/windows.sh).
set(GETALVELD_RENDERED_SIDES 16 20 24 32 40 48 60 75 80 90 96 120 150 180 256 384)
set(GETALVELD_PICTURE_RENDERER "" CACHE FILEPATH
    "getalveld_renderpictures built for the build machine (for cross builds, whose Qt has no SVG renderer)")

# The renderer's command, and the .qrc it writes, once per folder.
function(getalveld_render_pictures_qrc qrc_var)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/rendered)
    set(${qrc_var} ${out}/rendered.qrc PARENT_SCOPE)
    get_property(done DIRECTORY PROPERTY GETALVELD_RENDERED_PICTURES)
    if(done)
        return()
    endif()
    set_property(DIRECTORY PROPERTY GETALVELD_RENDERED_PICTURES ON)
    if(GETALVELD_PICTURE_RENDERER)
        set(renderer ${GETALVELD_PICTURE_RENDERER})
    elseif(TARGET getalveld_renderpictures)
        set(renderer getalveld_renderpictures)
    else()
        message(FATAL_ERROR "This Qt has no SVG renderer: render the pictures with a getalveld_renderpictures "
                            "built for the build machine, -DGETALVELD_PICTURE_RENDERER=/path/to/it")
    endif()
    file(GLOB svgs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/pictures/*.svg)
    add_custom_command(OUTPUT ${out}/rendered.qrc
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${out}
        COMMAND ${renderer} pictures ${PROJECT_SOURCE_DIR}/assets/pictures ${out} ${GETALVELD_RENDERED_SIDES}
        DEPENDS ${svgs} ${renderer}
        COMMENT "Rendering the pictures at ${GETALVELD_RENDERED_SIDES} pixels"
        VERBATIM)
endfunction()

function(getalveld_add_rendered_pictures target)
    getalveld_render_pictures_qrc(qrc)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/qrc_rendered.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND Qt6::rcc --name rendered -o ${source} ${qrc}
        DEPENDS ${qrc} Qt6::rcc
        VERBATIM)
    set_source_files_properties(${source} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${source})
endfunction()

# The same pictures as a resource file of their own, OUTPUT, for QResource::registerResource:
# a test can load them without compiling megabytes of pictures into itself.
function(getalveld_add_rendered_pictures_file target output)
    getalveld_render_pictures_qrc(qrc)
    add_custom_command(OUTPUT ${output}
        COMMAND Qt6::rcc --binary -o ${output} ${qrc}
        DEPENDS ${qrc} Qt6::rcc
        VERBATIM)
    add_custom_target(${target}_rendered_pictures DEPENDS ${output})
    add_dependencies(${target} ${target}_rendered_pictures)
endfunction()

# Pictures rendered ahead of time at the pixel sizes the start screen draws at scale 1 and for
# the window icon, so that the start neither loads the SVG renderer nor parses a picture:
#
#   getalveld_add_exact_pictures(TARGET NAME:WIDTHxHEIGHT...)
#
# compiles them, uncompressed, into TARGET as :/exact/NAME/WIDTHxHEIGHT (raw premultiplied
# pixels, byte for byte what the SVG renderer makes at that size); TARGET registers them with
# Q_INIT_RESOURCE(exact). Every other size, and every scale above 1, is still drawn from the SVG.
function(getalveld_add_exact_pictures target)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/exact)
    file(GLOB svgs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/pictures/*.svg)
    add_custom_command(OUTPUT ${out}/exact.qrc
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${out}
        # In a sanitizer build the renderer is checked too; what the toolkit keeps until exit
        # is not a leak of ours.
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:getalveld_renderpictures> exact ${PROJECT_SOURCE_DIR}/assets/pictures ${out} ${ARGN}
        DEPENDS ${svgs} getalveld_renderpictures
        COMMENT "Rendering the start's pictures at their sizes"
        VERBATIM)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/qrc_exact.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND Qt6::rcc --name exact -o ${source} ${out}/exact.qrc
        DEPENDS ${out}/exact.qrc Qt6::rcc
        VERBATIM)
    set_source_files_properties(${source} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${source})
    target_compile_definitions(${target} PRIVATE GETALVELD_HAVE_EXACT_PICTURES=1)
endfunction()

# Writes the program's icon as a Windows .ico file, every usual size in one file.
function(getalveld_add_windows_icon output svg)
    if(GETALVELD_PICTURE_RENDERER)
        set(renderer ${GETALVELD_PICTURE_RENDERER})
    else()
        set(renderer getalveld_renderpictures)
    endif()
    add_custom_command(OUTPUT ${output}
        COMMAND ${renderer} ico ${svg} ${output} 16 20 24 32 40 48 64 256
        DEPENDS ${svg} ${renderer}
        COMMENT "Making the program's icon"
        VERBATIM)
endfunction()
