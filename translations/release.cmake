# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles one translation for the build and fails where it is not finished. Run as
#   cmake -DLUPDATE=<lupdate> -DLRELEASE=<lrelease> -DOPTIONS=<lupdate options, |-separated>
#         -DSOURCES=<list file of sources> -DTS=<committed .ts> -DQM=<.qm to write>
#         -P release.cmake
# A copy of the .ts is brought up to date with the sources first, so a text the code has and
# the .ts lacks shows up as unfinished. The .qm is written only when every text has a
# finished translation: a failed build fails again until the translation is done.
cmake_minimum_required(VERSION 3.25)

get_filename_component(name ${TS} NAME)
get_filename_component(work_dir ${QM} DIRECTORY)
# A parallel build may run this twice at once for one .ts (two targets use the .qm): each
# run works on copies of its own, and the last rename wins with the same file.
string(RANDOM LENGTH 8 run)
set(work ${work_dir}/work-${run}-${name})
set(work_qm ${work_dir}/work-${run}-${name}.qm)
file(COPY_FILE ${TS} ${work})

string(REPLACE "|" ";" options "${OPTIONS}")
execute_process(COMMAND ${LUPDATE} -silent ${options} @${SOURCES} -ts ${work}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
# lupdate warns of a tr() it cannot read (a text that is no literal): that text would never
# be translated.
if(NOT status EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "lupdate on ${name} (status ${status}):\n${out}${err}")
endif()

execute_process(COMMAND ${LRELEASE} ${work} -qm ${work_qm}
                RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lrelease on ${name} (status ${status}):\n${report}${err}")
endif()

# "Generated 195 translation(s) (190 finished and 5 unfinished)", and, where texts have no
# translation at all, "Ignored 3 untranslated source text(s)".
set(unfinished 0)
set(untranslated 0)
if(report MATCHES "Generated [0-9]+ translation\\(s\\) \\([0-9]+ finished and ([0-9]+) unfinished\\)")
    set(unfinished ${CMAKE_MATCH_1})
elseif(NOT report MATCHES "Generated 0 translation")
    message(FATAL_ERROR "lrelease on ${name}: an unknown report:\n${report}")
endif()
if(report MATCHES "Ignored ([0-9]+) untranslated source text")
    set(untranslated ${CMAKE_MATCH_1})
endif()

if(unfinished GREATER 0 OR untranslated GREATER 0)
    file(READ ${work} xml)
    string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"unfinished\""
           open "${xml}")
    set(texts "")
    foreach(entry IN LISTS open)
        string(REGEX REPLACE "^<source>([^<]*)</source>.*" "\\1" text "${entry}")
        string(APPEND texts "\n  ${text}")
    endforeach()
    message(FATAL_ERROR
        "${name}: ${unfinished} unfinished and ${untranslated} untranslated text(s):${texts}\n"
        "Run `make translations` (or build update_translations) and finish them in Qt "
        "Linguist (linguist translations/${name}).")
endif()

file(RENAME ${work_qm} ${QM})
file(REMOVE ${work})
