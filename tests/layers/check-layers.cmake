cmake_minimum_required(VERSION 3.25)
# Fails when a file of src/ includes from a folder above its own layer:
#
#   base  <-  settings  <-  game
#   base, settings  <-  widgets
#   base, settings, widgets  <-  settings_page, music, picture, results
#   settings_page, results, widgets, settings, base  <-  access
#   all of them  <-  app
#
# Usage: cmake -DROOT=<src folder> -P check-layers.cmake
set(allowed_base base)
set(allowed_settings settings base)
set(allowed_game game settings base)
set(allowed_widgets widgets settings base)
set(allowed_settings_page settings_page widgets settings base)
set(allowed_music music widgets settings base)
set(allowed_picture picture widgets settings base)
set(allowed_results results widgets settings base)
set(allowed_access access settings_page results widgets settings base)
set(allowed_app app game settings_page music picture results access widgets settings base)
set(folders base settings game widgets settings_page music picture results access app)

set(wrong "")
set(checked 0)
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/*.h ${ROOT}/*.cpp)
foreach(source IN LISTS sources)
    string(REGEX MATCH "^[^/]+" folder "${source}")
    if(NOT folder IN_LIST folders)
        continue() # main.cpp and other top-level files may use every layer
    endif()
    math(EXPR checked "${checked} + 1")
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" target "${line}")
        if(target MATCHES "/")
            string(REGEX MATCH "^[^/]+" used "${target}")
        else()
            # A bare name is a file of the same folder, or a mistake.
            if(NOT EXISTS ${ROOT}/${folder}/${target})
                list(APPEND wrong "${source}: \"${target}\" is not in ${folder}/")
            endif()
            continue()
        endif()
        if(NOT used IN_LIST allowed_${folder})
            string(REPLACE ";" ", " below "${allowed_${folder}}")
            list(APPEND wrong "${source}: includes \"${target}\", but ${folder} builds only on ${below}")
        endif()
    endforeach()
endforeach()

if(checked EQUAL 0)
    message(FATAL_ERROR "No source found below ${ROOT}")
endif()
if(wrong)
    list(JOIN wrong "\n  " text)
    message(FATAL_ERROR "Includes against the direction of the layers:\n  ${text}")
endif()
message(STATUS "${checked} files: every include follows the layers")
