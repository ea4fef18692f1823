# termo_delay_load(TARGET DLL FUNCTION@ARGUMENT_BYTES...): links TARGET to DLL so that the DLL is loaded at
# the first call of one of the functions instead of with the program (the linker's delay-load import
# library, made by dlltool from the list; mingw-w64's runtime holds the loader). A function missing from
# the list fails the link. ARGUMENT_BYTES is the size of the function's arguments on i686, where the
# import is named FUNCTION@ARGUMENT_BYTES; x86_64 names it FUNCTION alone.
#
# Why: under Wine, loading comdlg32, winspool and shell32 with the program lengthened its start-up by
# about 25 ms, a sixth of a bare window's, though only printing and the web link need them.
include_guard(GLOBAL)

function(termo_delay_load target dll)
    string(MAKE_C_IDENTIFIER "${dll}" name)
    set(def "${CMAKE_CURRENT_BINARY_DIR}/delay-load/${name}.def")
    set(library "${CMAKE_CURRENT_BINARY_DIR}/delay-load/lib${name}-delay.a")
    set(exports "")
    foreach(function IN LISTS ARGN)
        if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
            string(REGEX REPLACE "@[0-9]+$" "" function "${function}")
        endif()
        string(APPEND exports "${function}\n")
    endforeach()
    file(GENERATE OUTPUT "${def}" CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}")
    add_custom_command(
        OUTPUT "${library}"
        COMMAND "${CMAKE_DLLTOOL}" --kill-at --input-def "${def}" --output-delaylib "${library}"
        DEPENDS "${def}"
        COMMENT "Delay-load import library of ${dll}")
    add_custom_target(${target}-${name}-delay DEPENDS "${library}")
    add_dependencies(${target} ${target}-${name}-delay)
    target_link_libraries(${target} PUBLIC "${library}")
endfunction()
