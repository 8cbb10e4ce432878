cmake_minimum_required(VERSION 3.25)

# Folders are layers: a Qt-free library includes nothing from Qt or the window, and only
# the libraries below it. Run as `cmake -DSOURCE_DIR=<root> -P check_layers.cmake`; it
# fails naming every include that crosses a layer.
#
#   lesson                  the lesson: owns the state, applies the rules
#     answer timer wallet   the rules of the sum row, the timed series, the wallet
#       engine              amounts, numbers, random source, exercises, catalogue
#
# The window (app/) stands above them all and may include any of them; nothing below
# includes it. Inside the window the panels (app/panels/) are rooms side by side: a panel
# includes its own headers (its name, and files named after it: sum_row_panel_texts.h is
# the sum row panel's) and the kit they share (kit.h, and the wallet's looks), never
# another panel and never the window (app/form.h) that wires them together.

set(allowed_engine engine)
set(allowed_answer engine answer)
set(allowed_timer engine timer)
set(allowed_wallet engine wallet)
set(allowed_lesson engine answer timer wallet lesson)
# The JPEG coder beside the pictures is Qt-free too; the rest of assets/ is not.
set(allowed_assets assets)

set(violations "")
foreach(folder engine answer timer wallet lesson assets)
    if(folder STREQUAL assets)
        file(GLOB sources ${SOURCE_DIR}/assets/jpeg_*.h ${SOURCE_DIR}/assets/jpeg_*.cpp)
    else()
        file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    endif()
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line ${includes})
            string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" target "${line}")
            set(bad "")
            if(target MATCHES "^<(Q|qt)")
                set(bad "a Qt header")
            elseif(target MATCHES "^\"([^/\"]+)/")
                set(layer ${CMAKE_MATCH_1})
                if(NOT layer IN_LIST allowed_${folder})
                    set(bad "the ${layer} layer")
                endif()
            elseif(target MATCHES "^\"")
                set(bad "a header outside the layer folders")
            endif()
            if(bad)
                file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
                list(APPEND violations "${where} includes ${bad}: ${target}")
            endif()
        endforeach()
    endforeach()
endforeach()

file(GLOB panel_sources ${SOURCE_DIR}/app/panels/*.h ${SOURCE_DIR}/app/panels/*.cpp)
foreach(source ${panel_sources})
    get_filename_component(stem ${source} NAME_WE)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"app/")
    foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*" "" target "${line}")
        set(bad "")
        if(target MATCHES "^\"app/panels/([^\"]+)\\.h\"")
            set(other ${CMAKE_MATCH_1})
            string(FIND "${stem}" "${other}_" other_is_whole)
            string(FIND "${other}" "${stem}_" other_is_part)
            if(NOT other STREQUAL stem AND NOT other_is_whole EQUAL 0 AND NOT other_is_part EQUAL 0
               AND NOT other STREQUAL "kit" AND NOT other STREQUAL "wallet_look")
                set(bad "another panel")
            endif()
        elseif(target STREQUAL "\"app/form.h\"")
            set(bad "the window")
        endif()
        if(bad)
            file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
            list(APPEND violations "${where} includes ${bad}: ${target}")
        endif()
    endforeach()
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Includes that cross the layers:\n  ${text}")
endif()
message(STATUS "Layers respected")
