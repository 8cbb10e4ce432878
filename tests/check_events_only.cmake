cmake_minimum_required(VERSION 3.25)

# Tests and benchmarks act on the window only as a pupil does: by mouse and key events,
# the timer's ticks, and the scripted draws and clock. Run as
# `cmake -DSOURCE_DIR=<root> -P check_events_only.cmake`; it fails naming the file and
# line of every place in tests/ and bench/ that sets the state of a control directly.
#
# A control is
#   - a member of Controls (app/controls.h, one group per panel) reached by its name, however the test holds
#     the window: f->Tot[1], s->OKKnop1, form->Ui().Komma, ui.MaxArtikels, ui_.Help;
#   - a widget found among the window's children by findChild;
#   - a variable set to a control; a loop variable running over controls (f->Pieces,
#     findChildren, {f->Komma, f->Kasticket}); a helper that returns a control; and a
#     helper's or lambda's parameter of a control's type (QWidget*, QLabel*, EditBox*,
#     ...), as a test hands such a parameter only controls of the window.
# Setting its state is calling a setter on it (set..., Set...) or one of the verbs below
# (show, hide, clear, click, toggle, insert, start, ...), also through a member
# (f->Help->document()->setPlainText), calling or emitting one of its signals, or handing
# it to one of the window's look::Set... functions.
#
# Allowed: creating, showing, activating and closing the window itself; widgets a test
# makes for itself; the clipboard, QMimeData and Qt's own tool tip; lists of controls;
# reading a control; events sent to one (QTest::keyClick(f->Tot[1], ...),
# sendEvent(f->Timer1, &tick)) and a screen reader's actions on it. A state that no event
# can reach may be set on a line that carries "not by events:" and the reason, in a
# comment on the line or directly above it.

set(verbs
    "set[A-Z][A-Za-z0-9_]*|Set[A-Z][A-Za-z0-9_]*|show|hide|close|raise|lower|move|resize"
    "|adjustSize|clear|clearFocus|click|animateClick|toggle|insert|insertPlainText|insertHtml"
    "|append|selectAll|deselect|undo|redo|cut|paste|del|backspace|start|stop|Press"
    "|PressAndRelease|showNormal|showMaximized|showMinimized|showFullScreen|grabKeyboard"
    "|grabMouse"
    # Signals: emitted by hand they run the handlers without the event behind them.
    "|clicked|pressed|released|toggled|textChanged|textEdited|editingFinished|returnPressed"
    "|keyDown|keyPress|focusGained|focusLost|mouseDown|mouseUp|timeout|triggered")
string(JOIN "" verbs ${verbs})

# Brackets, semicolons and backslashes would split or join CMake list items: they stand
# in as control characters while the sources are read line by line.
string(ASCII 1 LB)
string(ASCII 2 RB)
string(ASCII 3 SEMI)
string(ASCII 4 BACKSLASH)
function(read_lines path out)
    file(READ ${path} text)
    string(REPLACE "\\" "${BACKSLASH}" text "${text}")
    string(REPLACE ";" "${SEMI}" text "${text}")
    string(REPLACE "[" "${LB}" text "${text}")
    string(REPLACE "]" "${RB}" text "${text}")
    string(REPLACE "\n" ";" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(id "[A-Za-z_][A-Za-z0-9_]*")

# The controls' names and types.
read_lines(${SOURCE_DIR}/app/controls.h header)
set(names "")
set(types QWidget QLineEdit QAbstractButton QFrame)
# A member: its type, its name, and its initialiser.
set(member "^ +([A-Za-z_:<>, *0-9]+[ *>])(${id})( = [^${SEMI}]*|{})?${SEMI}$")
set(inside FALSE)
foreach(line IN LISTS header)
    # Every struct of the header holds controls: one per panel, and Controls over them.
    if(line MATCHES "^struct ${id}")
        set(inside TRUE)
    elseif(inside AND line MATCHES "^}")
        set(inside FALSE)
    elseif(inside AND line MATCHES "${member}")
        set(type "${CMAKE_MATCH_1}")
        list(APPEND names ${CMAKE_MATCH_2})
        string(REGEX MATCHALL "${id}\\*" pointers "${type}")
        foreach(p ${pointers})
            string(REPLACE "*" "" p "${p}")
            list(APPEND types ${p})
        endforeach()
    endif()
endforeach()
list(LENGTH names count)
if(count LESS 20)
    message(FATAL_ERROR "No controls found in app/controls.h: teach this check where they are")
endif()
list(REMOVE_DUPLICATES types)
list(JOIN names "|" names_re)
list(JOIN types "|" types_re)

# A call's arguments, one level of parentheses deep inside them.
set(args "\\(([^()]|\\([^()]*\\))*\\)")

# Replaces every control in `line` by "@C", every list of them by "@L".
function(mark_controls line tracked lists helpers out)
    set(l " ${line}")
    string(REGEX REPLACE "findChildren(<[^>]*>)?${args}" "@L" l "${l}")
    string(REGEX REPLACE "findChild(<[^>]*>)?${args}" "@C" l "${l}")
    string(REGEX REPLACE "(->|\\.)(${names_re})([^A-Za-z0-9_]|$)" "@C\\3" l "${l}")
    if(helpers)
        list(JOIN helpers "|" h)
        string(REGEX REPLACE "([^A-Za-z0-9_.>:])(${h})(<[^>]*>)?${args}" "\\1@C" l "${l}")
    endif()
    if(tracked)
        list(JOIN tracked "|" t)
        # Twice: a match takes the character before the next name with it.
        foreach(_ 1 2)
            string(REGEX REPLACE "([^A-Za-z0-9_.>])(${t})([^A-Za-z0-9_(]|$)" "\\1@C\\3"
                   l "${l}")
        endforeach()
    endif()
    if(lists)
        list(JOIN lists "|" t)
        string(REGEX REPLACE "([^A-Za-z0-9_.>])(${t})([^A-Za-z0-9_(]|$)" "\\1@L\\3" l "${l}")
    endif()
    string(REGEX REPLACE "(qobject_cast|static_cast|const_cast)<[^>]*>\\(@C\\)" "@C" l "${l}")
    set(${out} "${l}" PARENT_SCOPE)
endfunction()

# The parameter names of a declaration's parameter list that have a control's type.
function(control_parameters list out)
    set(found "")
    string(REGEX MATCHALL "(${types_re})[ ]*[*&][ ]*(${id})" params "${list}")
    foreach(p ${params})
        string(REGEX REPLACE ".*[*&][ ]*" "" p "${p}")
        list(APPEND found ${p})
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources
     ${SOURCE_DIR}/tests/*.cpp ${SOURCE_DIR}/tests/*.h
     ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
list(SORT sources)

# An expression that is a control (not merely one that reads it): the control, reached
# through the window or the fixture, ending the statement.
set(held "[A-Za-z0-9_.>()-]*@C(${LB}[^${RB}]*${RB})*${SEMI}")

# Two rounds: the first learns which helpers return a control, the second reports.
set(helpers "")
set(violations "")
foreach(round learn report)
    foreach(source ${sources})
        file(RELATIVE_PATH where ${SOURCE_DIR} ${source})
        read_lines(${source} lines)
        # Physical lines are joined into statements where clang-format breaks them:
        # after "(", ",", "=" or ":", and before "->" or ".".
        set(statement "")
        set(first 0)
        set(excused FALSE)
        set(comment_excuses FALSE)
        set(number 0)
        set(file_tracked "")
        set(tracked "")
        set(lists "")
        set(in_function FALSE)
        list(LENGTH lines total)
        foreach(raw IN LISTS lines)
            math(EXPR number "${number} + 1")
            string(REGEX REPLACE "^[ \t]+" "" trimmed "${raw}")
            if(trimmed MATCHES "^//")
                if(trimmed MATCHES "not by events:")
                    set(comment_excuses TRUE)
                endif()
                continue()
            endif()
            string(REGEX REPLACE "[ \t]*//.*$" "" code "${raw}")
            if(statement STREQUAL "")
                set(first ${number})
                set(excused ${comment_excuses})
                set(column0 FALSE)
                if(code MATCHES "^[A-Za-z_]")
                    set(column0 TRUE)
                endif()
                set(statement "${code}")
            else()
                string(REGEX REPLACE "^[ \t]+" "" code "${code}")
                if(code MATCHES "^(->|\\.)")
                    string(APPEND statement "${code}")
                else()
                    string(APPEND statement " ${code}")
                endif()
            endif()
            if(raw MATCHES "not by events:")
                set(excused TRUE)
            endif()
            set(comment_excuses FALSE)
            if(statement MATCHES "[(,=:]$")
                continue()
            endif()
            # Looks one line ahead for a member chain broken onto it.
            if(number LESS total)
                list(GET lines ${number} next)
                if(next MATCHES "^[ \t]*(->|\\.)[A-Za-z_]")
                    continue()
                endif()
            endif()
            set(s "${statement}")
            set(statement "")

            # A helper at the top level: its widget parameters are controls until it ends.
            if(column0 AND s MATCHES "{$" AND s MATCHES "(${id})(<[^>]*>)?\\(" AND
               NOT s MATCHES "^(class|struct|namespace|enum|union) ")
                string(REGEX MATCH "(${id})\\(" call "${s}")
                set(function "${CMAKE_MATCH_1}")
                set(in_function TRUE)
                control_parameters("${s}" tracked)
                continue()
            endif()
            if(s MATCHES "^}")
                set(in_function FALSE)
                set(tracked "")
                continue()
            endif()
            set(names_here ${file_tracked} ${tracked})
            # Lambdas' widget parameters.
            string(REGEX MATCHALL "${RB}\\([^)]*\\)" lambdas "${s}")
            foreach(lambda ${lambdas})
                control_parameters("${lambda}" params)
                list(APPEND tracked ${params})
                list(APPEND names_here ${params})
            endforeach()
            mark_controls("${s}" "${names_here}" "${lists}" "${helpers}" m)

            # Names given a control, or a list of them.
            set(given "")
            if(m MATCHES "(${id})(${LB}${RB})? = ([^=].*)$")
                set(name "${CMAKE_MATCH_1}")
                set(value "${CMAKE_MATCH_3}")
                if(value MATCHES "^ *${held}$")
                    set(given ${name})
                elseif(value MATCHES "@L" OR value MATCHES "^ *{.*@C")
                    list(APPEND lists ${name})
                endif()
            elseif(m MATCHES "for \\(.*[^A-Za-z0-9_](${id}) : (.*)$")
                set(name "${CMAKE_MATCH_1}")
                set(value "${CMAKE_MATCH_2}")
                if(value MATCHES "@[CL]")
                    set(given ${name})
                endif()
            endif()
            if(given)
                if(in_function)
                    list(APPEND tracked ${given})
                else()
                    list(APPEND file_tracked ${given})
                endif()
            endif()
            if(round STREQUAL learn)
                if(in_function AND m MATCHES "return ${held}$")
                    list(APPEND helpers ${function})
                endif()
                continue()
            endif()

            set(chain "@C(${LB}[^${RB}]*${RB})*((->|\\.)${id}\\(\\))*(->|\\.)(${verbs})\\(")
            if(m MATCHES "${chain}" OR m MATCHES "[^A-Za-z0-9_]emit [^${SEMI}]*@C" OR
               m MATCHES "look::Set${id}\\([^${SEMI}]*@C" OR m MATCHES "invokeMethod\\([ ]*@C")
                if(NOT excused)
                    string(STRIP "${s}" shown)
                    string(REPLACE "${LB}" "[" shown "${shown}")
                    string(REPLACE "${RB}" "]" shown "${shown}")
                    string(REPLACE "${SEMI}" "" shown "${shown}")
                    string(REPLACE "${BACKSLASH}" "\\" shown "${shown}")
                    list(APPEND violations "${where}:${first}: ${shown}")
                endif()
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES helpers)
endforeach()

if(violations)
    list(JOIN violations "\n  " text)
    message(FATAL_ERROR "Controls set directly instead of by events:\n  ${text}")
endif()
message(STATUS "Tests and benchmarks act by events only")
