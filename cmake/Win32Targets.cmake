# The Windows programs: quorvel.exe and the two fakepal.exe look-alike clients.
enable_language(RC)
add_executable(quorvel WIN32 src/app/QuorvelMain.cpp src/app/QuietTerminate.cpp src/app/quorvel.rc)
target_link_libraries(quorvel PRIVATE quorvel_win32)
# The release carries no symbols or debug sections; a debugger wants a build of its own.
target_link_options(quorvel PRIVATE -s)
# WinMain runs once: it builds the host, the window and the bot and then pumps
# messages into the panel, which is compiled for size as well (CMakeLists.txt).
target_compile_options(quorvel PRIVATE -Os)

# The simulator once more as the operator's dry run: a transcript dropped onto it is replayed.
add_executable(quorvel-dryrun src/app/SimMain.cpp src/app/quorvel-dryrun.rc)
target_link_libraries(quorvel-dryrun PRIVATE quorvel_dryrun shell32)
# The resources find the icon, the shared version block and the made header.
foreach(program quorvel quorvel-dryrun)
  target_include_directories(${program} PRIVATE ${CMAKE_SOURCE_DIR}/src/app ${CMAKE_BINARY_DIR}/generated)
endforeach()
target_link_libraries(quorvel-sim PRIVATE shell32)

# fakepal64.exe in this build; fakepal32.exe from the i686 cross compiler.
set(FAKEPAL_NAME fakepal64)
add_subdirectory(tools/fakepal ${CMAKE_BINARY_DIR}/fakepal64)
set_target_properties(fakepal64 PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

include(ExternalProject)
ExternalProject_Add(fakepal32
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools/fakepal
  BINARY_DIR ${CMAKE_BINARY_DIR}/fakepal32
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64-i686.cmake
    -DCMAKE_BUILD_TYPE=Release
    -DFAKEPAL_NAME=fakepal32
    -DQUORVEL_SOURCE_DIR=${CMAKE_SOURCE_DIR}
    -DCMAKE_INSTALL_PREFIX=${CMAKE_BINARY_DIR}/bin
  BUILD_ALWAYS ON
  CMAKE_GENERATOR Ninja)

# The release: quorvel.exe with its help page, starter lists, designs and the
# recorder folder, zipped by CPack.
install(TARGETS quorvel quorvel-dryrun RUNTIME DESTINATION .)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/package/ DESTINATION .)
install(DIRECTORY DESTINATION recorder)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME Quorvel)
set(CPACK_PACKAGE_FILE_NAME quorvel-${PROJECT_VERSION}-win64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)

# The Windows benchmark program (run by hand or by scripts/bench, never by the tests).
add_subdirectory(bench/win32 ${CMAKE_BINARY_DIR}/bench-win32)
