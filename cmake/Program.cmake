# The Windows program: a GUI executable that needs no DLL beyond Windows' own.
add_executable(Termoclanky WIN32
    Project1.cpp
)
target_compile_definitions(Termoclanky PRIVATE UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_options(Termoclanky PRIVATE -municode -static -static-libgcc -static-libstdc++)
target_link_libraries(Termoclanky PRIVATE chart thermo)
