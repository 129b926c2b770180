# Embeds the game's catalogs as the resource kestrelon_catalogs: copies each
# .qm file lrelease wrote, checks each copy is a whole catalog, compiles the
# copies with rcc and checks the catalogs still are what was copied. A
# catalog half written, or written again while it was embedded, fails the
# build, so no build embeds a partial one.
#
# Run as cmake -DRCC=... -DQM_DIR=... -DSTAGE_DIR=... -DCODES=a|b|...
#              -DOUTPUT=<file.cpp> -P EmbedCatalogs.cmake
string(REPLACE "|" ";" CODES "${CODES}")
file(REMOVE_RECURSE ${STAGE_DIR})
file(MAKE_DIRECTORY ${STAGE_DIR})

# A catalog is Qt's magic number followed by blocks of a tag byte, a length in
# four bytes (most significant first) and that many bytes, the last one ending
# with the file.
function(check_whole file)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" end)
    string(SUBSTRING "${hex}" 0 32 magic)
    if(NOT magic STREQUAL "3cb86418caef9c95cd211cbf60a1bddd")
        message(FATAL_ERROR "${file} is no whole catalog: it does not start as one")
    endif()
    set(at 32)
    while(at LESS end)
        math(EXPR length_at "${at} + 2")
        string(SUBSTRING "${hex}" ${length_at} 8 length)
        string(LENGTH "${length}" digits)
        if(NOT digits EQUAL 8)
            message(FATAL_ERROR "${file} is no whole catalog: it ends within a block's head")
        endif()
        math(EXPR at "${at} + 10 + 2 * 0x${length}")
    endwhile()
    if(NOT at EQUAL end)
        message(FATAL_ERROR "${file} is no whole catalog: its last block is cut short")
    endif()
endfunction()

set(qrc "<RCC>\n  <qresource prefix=\"/i18n\">\n")
foreach(code ${CODES})
    set(name kestrelon-memory_${code}.qm)
    file(COPY_FILE ${QM_DIR}/${name} ${STAGE_DIR}/${name})
    check_whole(${STAGE_DIR}/${name})
    string(APPEND qrc "    <file>${name}</file>\n")
endforeach()
string(APPEND qrc "  </qresource>\n</RCC>\n")
file(WRITE ${STAGE_DIR}/catalogs.qrc "${qrc}")

execute_process(
    COMMAND ${RCC} --name kestrelon_catalogs --output ${OUTPUT} ${STAGE_DIR}/catalogs.qrc
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "rcc could not embed the catalogs")
endif()

foreach(code ${CODES})
    set(name kestrelon-memory_${code}.qm)
    file(SHA256 ${QM_DIR}/${name} written)
    file(SHA256 ${STAGE_DIR}/${name} embedded)
    if(NOT written STREQUAL embedded)
        message(FATAL_ERROR "The embedded catalog ${name} differs from the file lrelease "
                            "wrote: it changed while it was embedded")
    endif()
endforeach()
