# vintorp_install_icons(SVG <file> PNG_DIR <dir> SIZES <n>... [PNG_NAME <pattern>] [ICON_NAME <name>])
#
# Installs the application icon into the hicolor theme:
#   <SVG>                                  -> share/icons/hicolor/scalable/apps/<ICON_NAME>.svg
#   <PNG_DIR>/<PNG_NAME with @SIZE@ -> N>  -> share/icons/hicolor/NxN/apps/<ICON_NAME>.png
# for every N in SIZES. PNG_NAME defaults to "@SIZE@x@SIZE@/apps/<ICON_NAME>.png", the hicolor
# layout itself; "icon-@SIZE@.png" would take flat files. ICON_NAME defaults to VINTORP_APP_ID.
# The bitmaps may be made at build time: they need to exist only when installing.
# A missing SVG is reported and the icons are left out, so a tree without its artwork
# still configures; the package check then fails on the missing files.
function(vintorp_install_icons)
    cmake_parse_arguments(PARSE_ARGV 0 ARG "" "SVG;PNG_DIR;PNG_NAME;ICON_NAME" "SIZES")
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vintorp_install_icons: unknown arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT ARG_ICON_NAME)
        set(ARG_ICON_NAME ${VINTORP_APP_ID})
    endif()
    if(NOT ARG_PNG_NAME)
        set(ARG_PNG_NAME "@SIZE@x@SIZE@/apps/${ARG_ICON_NAME}.png")
    endif()
    if(NOT ARG_SVG OR NOT ARG_PNG_DIR OR NOT ARG_SIZES)
        message(FATAL_ERROR "vintorp_install_icons: SVG, PNG_DIR and SIZES are required")
    endif()
    foreach(size IN LISTS ARG_SIZES)
        if(NOT size MATCHES "^[1-9][0-9]*$")
            message(FATAL_ERROR "vintorp_install_icons: bad icon size '${size}'")
        endif()
    endforeach()
    # Relative paths are taken from the calling folder, as install() does.
    cmake_path(ABSOLUTE_PATH ARG_SVG NORMALIZE)
    cmake_path(ABSOLUTE_PATH ARG_PNG_DIR NORMALIZE)
    if(NOT EXISTS "${ARG_SVG}")
        message(WARNING "Application icon ${ARG_SVG} not found; no icons will be installed")
        return()
    endif()

    set(theme ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES "${ARG_SVG}" DESTINATION ${theme}/scalable/apps RENAME ${ARG_ICON_NAME}.svg)
    foreach(size IN LISTS ARG_SIZES)
        string(REPLACE "@SIZE@" "${size}" png "${ARG_PNG_NAME}")
        install(FILES "${ARG_PNG_DIR}/${png}"
                DESTINATION ${theme}/${size}x${size}/apps RENAME ${ARG_ICON_NAME}.png)
    endforeach()
endfunction()
