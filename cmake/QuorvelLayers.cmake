# The folders of src/ as libraries, one per folder, from the bottom up. Each
# library links the one below it and compiles against an include root of its
# own that holds links to its own folder and the folders below it, and to
# nothing else: an include from a lower folder to a higher one does not
# compile, and a call into a higher folder does not link. ARCHITECTURE.md says
# what each folder is for.
#
# quorvel_layers(ROOT) defines quorvel_<folder> for each folder, plus, on
# Windows, quorvel_<folder>_win32 for the Win32 adapters of a folder (built
# against the same root) and quorvel_win32, which links them all.
set(QUORVEL_LAYERS text host storage styling roomlink model engine commands tick panel sim scenario dryrun)

function(quorvel_layers root)
  set(visible)
  set(below)
  set(adapters_)
  foreach(layer IN LISTS QUORVEL_LAYERS)
    list(APPEND visible ${layer})
    set(includeRoot ${CMAKE_BINARY_DIR}/layers/${layer})
    file(MAKE_DIRECTORY ${includeRoot})
    foreach(folder IN LISTS visible)
      if(NOT EXISTS ${includeRoot}/${folder})
        file(CREATE_LINK ${root}/src/${folder} ${includeRoot}/${folder} SYMBOLIC)
      endif()
    endforeach()

    file(GLOB sources CONFIGURE_DEPENDS ${root}/src/${layer}/*.cpp)
    # A portable interface whose platform half every build needs (the
    # double-byte conversions, the file system): win32/*Win32.cpp on Windows,
    # posix/*.cpp elsewhere, compiled into the folder's own library.
    if(WIN32)
      file(GLOB platform CONFIGURE_DEPENDS ${root}/src/${layer}/win32/*Win32.cpp)
    else()
      file(GLOB platform CONFIGURE_DEPENDS ${root}/src/${layer}/posix/*.cpp)
    endif()
    list(APPEND sources ${platform})
    add_library(quorvel_${layer} STATIC ${sources})
    target_include_directories(quorvel_${layer} PRIVATE ${includeRoot})
    if(below)
      target_link_libraries(quorvel_${layer} PUBLIC quorvel_${below})
    endif()

    if(WIN32)
      file(GLOB adapters CONFIGURE_DEPENDS ${root}/src/${layer}/win32/*.cpp)
      list(FILTER adapters EXCLUDE REGEX "Win32\\.cpp$")
      if(adapters)
        add_library(quorvel_${layer}_win32 STATIC ${adapters})
        target_include_directories(quorvel_${layer}_win32 PRIVATE ${includeRoot})
        target_link_libraries(quorvel_${layer}_win32 PUBLIC quorvel_${layer})
        # Higher adapters first: a static library is searched once, in order.
        list(PREPEND adapters_ quorvel_${layer}_win32)
      endif()
    endif()
    set(below ${layer})
  endforeach()

  # Whatever stands above every folder (the entry points, the tests, the
  # benchmarks, the fuzz targets) sees the whole tree.
  target_include_directories(quorvel_dryrun INTERFACE ${root}/src)
  if(WIN32)
    add_library(quorvel_win32 INTERFACE)
    target_include_directories(quorvel_win32 INTERFACE ${root}/src)
    target_link_libraries(quorvel_win32 INTERFACE ${adapters_} quorvel_panel
                          comctl32 comdlg32 shell32 advapi32 user32 gdi32)
  endif()
endfunction()
