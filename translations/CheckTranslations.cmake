# Fails when a .ts file is not complete or not up to date with the sources:
# an entry still unfinished, vanished or obsolete, or a text of the sources
# the file lacks. Each file is updated as a copy with the same lupdate
# options the update_translations target uses; the copy must come out
# unchanged.
#
# Run as cmake -DLUPDATE=... -DTS_FILES=... -DSOURCES=... -DOPTIONS=...
#              -DWORK_DIR=... -P CheckTranslations.cmake
# with the lists joined by "|".
foreach(list TS_FILES SOURCES OPTIONS)
    string(REPLACE "|" ";" ${list} "${${list}}")
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
list(JOIN SOURCES "\n" source_list)
file(WRITE ${WORK_DIR}/sources.lst "${source_list}\n")

set(problems "")
foreach(ts ${TS_FILES})
    get_filename_component(name ${ts} NAME)
    file(READ ${ts} content)
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

if(problems)
    message(FATAL_ERROR "Translations incomplete:\n${problems}")
endif()
message(STATUS "All translations complete: ${TS_FILES}")
