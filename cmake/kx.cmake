# Helpers shared by the folder CMakeLists files.

# kx_library(name folder...) builds a static library from every .cpp in the folders.
function(kx_library name)
  set(sources)
  foreach(dir ${ARGN})
    file(GLOB dir_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND sources ${dir_sources})
  endforeach()
  if(NOT sources)
    # A folder whose sources have not been written yet still yields a linkable target.
    set(placeholder "${CMAKE_BINARY_DIR}/empty_${name}.cpp")
    file(WRITE "${placeholder}" "")
    list(APPEND sources "${placeholder}")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}")
endfunction()

# kx_test(name folder libs...) builds one GoogleTest executable from tests/<folder>/*.cpp.
function(kx_test name folder)
  file(GLOB test_sources CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp")
  if(NOT test_sources)
    return()
  endif()
  add_executable(${name} ${test_sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE "${CMAKE_SOURCE_DIR}" "${CMAKE_SOURCE_DIR}/tests")
  target_compile_definitions(${name} PRIVATE
    KX_GOLDEN_DIR="${KX_GOLDEN_DIR}" KX_RESOURCE_DIR="${KX_RESOURCE_DIR}"
    KX_TEST_DATA_DIR="${CMAKE_SOURCE_DIR}/tests/data")
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C")
endfunction()
