# velorast_layer(NAME <target> DEPS <libs...>)
# A layer is the static library of every .cpp and .h in its folder (sub-folders included).
# Sources are globbed so that new files join their layer without editing this list.
function(velorast_layer)
  cmake_parse_arguments(L "" "NAME" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${L_NAME} STATIC ${sources})
    target_include_directories(${L_NAME} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${L_NAME} PUBLIC ${L_DEPS})
  else()
    # A layer not yet built: headers only.
    add_library(${L_NAME} INTERFACE)
    target_include_directories(${L_NAME} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${L_NAME} INTERFACE ${L_DEPS})
  endif()
endfunction()

# velorast_tests(NAME <executable> DEPS <libs...>)
# One test executable per folder of tests/, from every *_test.cpp in it.
function(velorast_tests)
  cmake_parse_arguments(T "" "NAME" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_executable(${T_NAME} ${sources})
  target_link_libraries(${T_NAME} PRIVATE velorast_test_support ${T_DEPS} GTest::gtest GTest::gmock)
  gtest_discover_tests(${T_NAME}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
