# Helpers shared by the folders' build files.

# A shared library that lives at the top of the program folder.
function(vd_add_shared_library target)
  add_library(${target} SHARED ${ARGN})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(${target} PROPERTIES
    CXX_VISIBILITY_PRESET default
    INSTALL_RPATH "$ORIGIN")
  install(TARGETS ${target} LIBRARY DESTINATION . RUNTIME DESTINATION .)
endfunction()

# A plug-in library loaded from the program folder's xplugins/.
function(vd_add_plugin target)
  add_library(${target} MODULE ${ARGN})
  set_target_properties(${target} PROPERTIES
    LIBRARY_OUTPUT_DIRECTORY ${VD_PLUGIN_DIR}
    INSTALL_RPATH "$ORIGIN/..")
  install(TARGETS ${target} LIBRARY DESTINATION xplugins)
endfunction()

# A helper program that tests start as a separate process.
function(vd_add_test_helper name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    INSTALL_RPATH "${VD_PROGRAM_DIR}")
endfunction()

# A QtTest executable registered with CTest. Test binaries stay out of the program folder
# but find its libraries through their run path.
function(vd_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt5::Test ${T_LIBS})
  set_target_properties(${name} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    INSTALL_RPATH "${VD_PROGRAM_DIR}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()

# Copies the program's images, local pages and the demo web application (assets/image,
# assets/www, assets/webapp) below dest; a changed file is copied again at the next build.
function(vd_copy_page_assets dest)
  set(assets ${PROJECT_SOURCE_DIR}/assets)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${assets} ${assets}/image/* ${assets}/www/* ${assets}/webapp/*)
  foreach(file ${files})
    configure_file(${assets}/${file} ${dest}/${file} COPYONLY)
  endforeach()
endfunction()
