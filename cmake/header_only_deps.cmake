# CLI11 and nlohmann/json, both header-only, for the command-line tool.
#
# A host build finds them through their CMake packages. A cross build for
# Windows cannot put the host's /usr/include on its include path (its C
# headers would shadow MinGW's), so it gets a folder of the build tree that
# holds links to just the two header folders.

function(kwarel_header_only_deps target)
  if(NOT CMAKE_CROSSCOMPILING)
    find_package(CLI11 CONFIG REQUIRED)
    find_package(nlohmann_json CONFIG REQUIRED)
    target_link_libraries(${target} PRIVATE CLI11::CLI11 nlohmann_json::nlohmann_json)
    return()
  endif()
  set(shim ${CMAKE_BINARY_DIR}/host-headers)
  foreach(pair "CLI;CLI/CLI.hpp" "nlohmann;nlohmann/json.hpp")
    list(GET pair 0 folder)
    list(GET pair 1 header)
    find_path(kwarel_${folder}_root ${header} PATHS /usr/include /usr/local/include
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT kwarel_${folder}_root)
      message(FATAL_ERROR "${header} not found on the host (install libcli11-dev and nlohmann-json3-dev)")
    endif()
    file(MAKE_DIRECTORY ${shim})
    file(CREATE_LINK ${kwarel_${folder}_root}/${folder} ${shim}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} SYSTEM PRIVATE ${shim})
endfunction()
