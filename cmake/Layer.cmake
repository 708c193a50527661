# A target sees the headers of its own folder and of the targets it links, no others: its
# include root in the build tree holds one link, to its folder, so "platform/graphics.hpp"
# resolves only for what names platform.
function(vorpel_include_root target folder)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  get_filename_component(parent ${root}/${folder} DIRECTORY)
  file(MAKE_DIRECTORY ${parent})
  if(NOT IS_SYMLINK ${root}/${folder})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  # Installed, every layer's headers sit under include/vorpel (cmake/KitInstall.cmake).
  set(dirs $<BUILD_INTERFACE:${root}> $<INSTALL_INTERFACE:include/vorpel>)
  if(type STREQUAL INTERFACE_LIBRARY)
    target_include_directories(${target} INTERFACE ${dirs})
  elseif(type MATCHES LIBRARY)
    target_include_directories(${target} PUBLIC ${dirs})
  else()
    target_include_directories(${target} PRIVATE ${root})
  endif()
endfunction()

# One library per layer, made of every .cpp in the layer's folder (and, for the kit, its
# sprites folder), using the layers named in DEPS. Globbing keeps the list in one place: add a
# file and re-run the build.
function(vorpel_layer name)
  cmake_parse_arguments(L "" "" "DIRS;DEPS" ${ARGN})
  set(sources)
  foreach(dir ${L_DIRS})
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
  list(GET L_DIRS 0 folder)
  vorpel_include_root(${name} ${folder})
endfunction()

# A test program per folder of tests, registered with CTest one case at a time.
function(vorpel_tests name)
  cmake_parse_arguments(T "" "" "DEPS;ENV" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_DEPS} testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "${T_ENV}" LABELS unit)
endfunction()
