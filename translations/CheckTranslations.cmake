# Fails when a .ts file is not complete or not up to date with the sources:
# an entry still unfinished, vanished or obsolete, a text of the sources the
# file lacks, a translation that loses or adds a placeholder (%1, %n, ...),
# or a plural form left empty; and when a catalog of the kestrelon-memory
# command lacks one of its messages, leaves it untranslated or fuzzy. Each file is updated as a copy with the same lupdate
# options the update_translations target uses; the copy must come out
# unchanged.
#
# Run as cmake -DLUPDATE=... -DTS_FILES=... -DSOURCES=... -DOPTIONS=...
#              -DWORK_DIR=... -DPO_FILES=... -DLAUNCHER=... -P CheckTranslations.cmake
# with the lists joined by "|".
foreach(list TS_FILES SOURCES OPTIONS PO_FILES)
    string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
list(JOIN SOURCES "\n" source_list)
file(WRITE ${WORK_DIR}/sources.lst "${source_list}\n")

# The distinct placeholders of a text, sorted; %L1 counts as %1.
function(placeholders text out)
    string(REGEX MATCHALL "%L?[0-9n]" found "${text}")
    list(TRANSFORM found REPLACE "^%L" "%")
    list(REMOVE_DUPLICATES found)
    list(SORT found)
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

# Appends to problems what a translation gets wrong about its source's
# placeholders and plural forms.
function(check_placeholders name content)
    # ";" and brackets would split the list of messages or bind its items.
    string(REPLACE ";" "{semicolon}" content "${content}")
    string(REPLACE "[" "{open}" content "${content}")
    string(REPLACE "]" "{close}" content "${content}")
    string(REPLACE "</message>" ";" messages "${content}")
    set(found "")
    foreach(message ${messages})
        if(NOT message MATCHES "<source>([^<]*)</source>")
            continue()
        endif()
        set(source "${CMAKE_MATCH_1}")
        placeholders("${source}" expected)
        if(message MATCHES "<numerusform")
            string(REGEX MATCHALL "<numerusform[^>]*>[^<]*</numerusform>|<numerusform */>"
                   texts "${message}")
        elseif(message MATCHES "<translation[^>]*>([^<]*)</translation>")
            set(texts "${CMAKE_MATCH_1}")
        else()
            continue()
        endif()
        foreach(text ${texts})
            string(REGEX REPLACE "<[^>]*>" "" text "${text}")
            placeholders("${text}" got)
            if(text STREQUAL "")
                string(APPEND found "${name}: an empty plural form of \"${source}\"\n")
            elseif(NOT got STREQUAL expected)
                string(APPEND found "${name}: \"${text}\" has the placeholders \"${got}\" "
                                    "where \"${source}\" has \"${expected}\"\n")
            endif()
        endforeach()
    endforeach()
    string(REPLACE "{semicolon}" ";" found "${found}")
    string(REPLACE "{open}" "[" found "${found}")
    string(REPLACE "{close}" "]" found "${found}")
    set(problems "${problems}${found}" PARENT_SCOPE)
endfunction()

set(problems "")
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    file(READ ${ts} content)
    check_placeholders(${name} "${content}")
    foreach(kind unfinished vanished obsolete)
        string(REGEX MATCHALL "type=\"${kind}\"" found "${content}")
        list(LENGTH found count)
        if(count GREATER 0)
            string(APPEND problems "${name}: ${count} ${kind} entries\n")
        endif()
    endforeach()

    set(copy ${WORK_DIR}/${name})
    file(COPY_FILE ${ts} ${copy})
    execute_process(COMMAND ${LUPDATE} ${OPTIONS} @${WORK_DIR}/sources.lst -ts ${copy}
                    RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
        string(APPEND problems "${name}: lupdate failed (${status})\n")
    else()
        file(READ ${copy} updated)
        if(NOT updated STREQUAL content)
            string(APPEND problems "${name}: out of date with the sources; build the "
                                   "target update_translations and translate what it adds\n")
        endif()
    endif()
endforeach()

# The command's messages are the texts it hands to say in single quotes.
file(READ ${LAUNCHER} launcher)
string(REPLACE ";" "{semicolon}" launcher "${launcher}")
string(REGEX MATCHALL "say '[^']*'" launcher_texts "${launcher}")
foreach(po ${PO_FILES})
    get_filename_component(name ${po} NAME)
    file(READ ${po} content)
    if(content MATCHES "#, fuzzy")
        string(APPEND problems "${name}: a fuzzy message\n")
    endif()
    foreach(text ${launcher_texts})
        string(REGEX REPLACE "^say '(.*)'$" "\\1" text "${text}")
        string(REPLACE "{semicolon}" ";" text "${text}")
        string(FIND "${content}" "msgid \"${text}\"\nmsgstr \"" at)
        if(at LESS 0)
            string(APPEND problems "${name}: lacks \"${text}\"\n")
            continue()
        endif()
        string(LENGTH "msgid \"${text}\"\nmsgstr \"" length)
        math(EXPR at "${at} + ${length}")
        string(SUBSTRING "${content}" ${at} 1 next)
        if(next STREQUAL "\"")
            string(APPEND problems "${name}: \"${text}\" is not translated\n")
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Translations incomplete:\n${problems}")
endif()
message(STATUS "All translations complete: ${TS_FILES}")
