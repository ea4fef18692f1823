# The Windows program: a GUI executable that needs no DLL beyond Windows' own.
enable_language(RC)
add_library(program_objects OBJECT
    Project1.cpp
    Project1.rc
    Unit1.cpp
)
target_link_libraries(program_objects PUBLIC win32_layer unit1_form)
# Only the web link needs the shell: loaded when it first does.
include(${PROJECT_SOURCE_DIR}/cmake/DelayLoad.cmake)
termo_delay_load(program_objects shell32.dll ShellExecuteW@24)

# termo_add_program(NAME VARIANT_SOURCES...): the program linked with the given test variant points.
function(termo_add_program name)
    add_executable(${name} WIN32 ${ARGN})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_link_options(${name} PRIVATE -municode -static -static-libgcc -static-libstdc++)
    target_link_libraries(${name} PRIVATE program_objects)
endfunction()

termo_add_program(Termoclanky ShippedVariant.cpp)

# Test-only builds (the win64 preset only; never shipped): the program with a fault or a report compiled
# in, the probe that the end-to-end tests ask about windows, and the bare window the start-up benchmark
# compares against.
if(TERMO_TEST_PROGRAMS)
    foreach(variant IN ITEMS FaultConstruction FaultStartup FaultButton FirstPaint PaintBenchmark)
        termo_add_program(Termoclanky-${variant} tests/variants/${variant}.cpp)
    endforeach()
    termo_add_program(Termoclanky-ResourceReport tests/variants/ResourceReport.cpp
                      tests/variants/ProcessResources.cpp)
    target_link_libraries(Termoclanky-ResourceReport PRIVATE ntdll)
    add_subdirectory(tests/e2e/probe)
    add_subdirectory(bench/bare-window)
endif()
