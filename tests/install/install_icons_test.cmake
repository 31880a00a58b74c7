# Each case configures a tiny project that calls vintorp_install_icons, installs
# it into a staging folder and compares what landed there, file by file and
# with each file's content, against what the case expects. The bitmaps hold
# their own size as text, so a bitmap installed under the wrong size shows.
cmake_minimum_required(VERSION 3.25)

set(failures 0)
set(theme share/icons/hicolor)
set(id io.github.vintorp.Vintorp)

# check_case(<name> CALL <arguments> SOURCES <path=text>... [INSTALLED <path=text>...]
#            [CONFIGURE_ERROR <regex>] [CONFIGURE_WARNING <regex>] [INSTALL_FAILS])
function(check_case name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "INSTALL_FAILS" "CALL;CONFIGURE_ERROR;CONFIGURE_WARNING"
                          "SOURCES;INSTALLED")
    set(dir ${WORK_DIR}/${name})
    file(REMOVE_RECURSE ${dir})
    foreach(entry IN LISTS ARG_SOURCES)
        string(REGEX MATCH "^([^=]*)=(.*)$" _ "${entry}")
        file(WRITE ${dir}/src/${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    endforeach()
    file(WRITE ${dir}/src/CMakeLists.txt
        "cmake_minimum_required(VERSION 3.25)\n"
        "project(icons NONE)\n"
        "include(GNUInstallDirs)\n"
        "set(VINTORP_APP_ID ${id})\n"
        "include(${ICONS_MODULE})\n"
        "vintorp_install_icons(${ARG_CALL})\n")

    execute_process(COMMAND ${CMAKE_COMMAND} -Wno-dev -S ${dir}/src -B ${dir}/build
                    RESULT_VARIABLE configure_result OUTPUT_VARIABLE out ERROR_VARIABLE err)
    set(problem "")
    if(ARG_CONFIGURE_ERROR)
        if(configure_result EQUAL 0)
            set(problem "configuring succeeded, an error was expected")
        elseif(NOT err MATCHES "${ARG_CONFIGURE_ERROR}")
            set(problem "configuring failed without '${ARG_CONFIGURE_ERROR}':\n${err}")
        endif()
    elseif(NOT configure_result EQUAL 0)
        set(problem "configuring failed:\n${err}")
    elseif(ARG_CONFIGURE_WARNING AND NOT err MATCHES "${ARG_CONFIGURE_WARNING}")
        set(problem "no warning '${ARG_CONFIGURE_WARNING}':\n${err}")
    elseif(NOT ARG_CONFIGURE_WARNING AND err MATCHES "Warning")
        set(problem "unexpected warning:\n${err}")
    else()
        execute_process(COMMAND ${CMAKE_COMMAND} --install ${dir}/build --prefix ${dir}/stage
                        RESULT_VARIABLE install_result OUTPUT_VARIABLE out ERROR_VARIABLE err)
        if(ARG_INSTALL_FAILS AND install_result EQUAL 0)
            set(problem "installing succeeded, a failure was expected")
        elseif(NOT ARG_INSTALL_FAILS AND NOT install_result EQUAL 0)
            set(problem "installing failed:\n${err}")
        elseif(NOT ARG_INSTALL_FAILS)
            file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${dir}/stage ${dir}/stage/*)
            set(actual "")
            foreach(path IN LISTS found)
                file(READ ${dir}/stage/${path} text)
                list(APPEND actual "${path}=${text}")
            endforeach()
            set(expected ${ARG_INSTALLED})
            list(SORT actual)
            list(SORT expected)
            if(NOT "${actual}" STREQUAL "${expected}")
                string(REPLACE ";" "\n  " actual "${actual}")
                string(REPLACE ";" "\n  " expected "${expected}")
                set(problem "installed\n  ${actual}\nexpected\n  ${expected}")
            endif()
        endif()
    endif()

    if(problem)
        message("FAIL ${name}: ${problem}")
        math(EXPR n "${failures} + 1")
        set(failures ${n} PARENT_SCOPE)
    else()
        message("ok   ${name}")
    endif()
endfunction()

check_case(hicolor_tree
    CALL "SVG icon.svg PNG_DIR \${CMAKE_SOURCE_DIR}/bitmaps SIZES 16 48"
    SOURCES "icon.svg=svg"
            "bitmaps/16x16/apps/${id}.png=16"
            "bitmaps/48x48/apps/${id}.png=48"
            "bitmaps/32x32/apps/${id}.png=32"
    INSTALLED "${theme}/scalable/apps/${id}.svg=svg"
              "${theme}/16x16/apps/${id}.png=16"
              "${theme}/48x48/apps/${id}.png=48")

check_case(flat_files_other_name
    CALL "SVG icon.svg PNG_DIR \${CMAKE_SOURCE_DIR}/out PNG_NAME icon-@SIZE@.png ICON_NAME org.example.Other SIZES 22 256"
    SOURCES "icon.svg=svg" "out/icon-22.png=22" "out/icon-256.png=256"
    INSTALLED "${theme}/scalable/apps/org.example.Other.svg=svg"
              "${theme}/22x22/apps/org.example.Other.png=22"
              "${theme}/256x256/apps/org.example.Other.png=256")

check_case(missing_svg_installs_nothing
    CALL "SVG missing.svg PNG_DIR \${CMAKE_SOURCE_DIR}/bitmaps SIZES 16"
    SOURCES "bitmaps/16x16/apps/${id}.png=16"
    CONFIGURE_WARNING "missing\\.svg[ \n]+not found")

check_case(missing_bitmap_fails_install
    CALL "SVG icon.svg PNG_DIR \${CMAKE_SOURCE_DIR}/bitmaps SIZES 16 24"
    SOURCES "icon.svg=svg" "bitmaps/16x16/apps/${id}.png=16"
    INSTALL_FAILS)

check_case(size_not_a_number
    CALL "SVG missing.svg PNG_DIR \${CMAKE_SOURCE_DIR}/bitmaps SIZES 16 16x16"
    CONFIGURE_ERROR "bad icon size '16x16'")

check_case(no_sizes
    CALL "SVG icon.svg PNG_DIR \${CMAKE_SOURCE_DIR}/bitmaps"
    SOURCES "icon.svg=svg"
    CONFIGURE_ERROR "SVG, PNG_DIR and SIZES are required")

check_case(unknown_argument
    CALL "SVG icon.svg PNG_DIRS bitmaps SIZES 16"
    SOURCES "icon.svg=svg"
    CONFIGURE_ERROR "unknown arguments")

if(failures GREATER 0)
    message(FATAL_ERROR "${failures} icon install case(s) failed")
endif()
