# Helpers shared by the folder CMakeLists files.
#
# Paths are taken from Kurvex_SOURCE_DIR / Kurvex_BINARY_DIR, never from CMAKE_SOURCE_DIR,
# so that the project builds the same when it is a subdirectory of another project
# (add_subdirectory, FetchContent).

# The project's own compile and link flags: warnings, and the sanitizers in a KX_SANITIZE
# tree. They are set per target, so nothing reaches the targets of a project that adds
# Kurvex as a subdirectory. A sanitized static library needs the sanitizer runtime where it
# is linked, so that one link option is passed on to whatever links the library.
function(kx_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(KX_SANITIZE)
    target_compile_options(${target} PRIVATE ${KX_SANITIZE_FLAGS})
    target_link_options(${target} PUBLIC ${KX_SANITIZE_LINK_FLAGS})
  endif()
  if(KX_FUZZ)
    # Coverage for the fuzzer in every library it reaches; the fuzzer's own main is linked
    # into the kx-fuzz-* programs only.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link ${KX_SANITIZE_FLAGS})
    target_link_options(${target} PUBLIC ${KX_SANITIZE_LINK_FLAGS})
  endif()
endfunction()

# kx_library(name folder...) builds a static library from every .cpp in the folders.
# Sources include each other by their path below the project root ("chart/model/kurvex.h");
# an installed tree keeps that layout below include/kurvex.
function(kx_library name)
  set(sources)
  foreach(dir ${ARGN})
    file(GLOB dir_sources CONFIGURE_DEPENDS "${Kurvex_SOURCE_DIR}/${dir}/*.cpp")
    list(APPEND sources ${dir_sources})
  endforeach()
  if(NOT sources)
    # A folder whose sources have not been written yet still yields a linkable target.
    set(placeholder "${Kurvex_BINARY_DIR}/empty_${name}.cpp")
    file(WRITE "${placeholder}" "")
    list(APPEND sources "${placeholder}")
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC
    "$<BUILD_INTERFACE:${Kurvex_SOURCE_DIR};${Kurvex_SOURCE_DIR}/include>"
    "$<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/kurvex;${CMAKE_INSTALL_INCLUDEDIR}>")
  target_compile_features(${name} PUBLIC cxx_std_20)
  kx_target_options(${name})
  set_property(GLOBAL APPEND PROPERTY KX_LIBRARIES ${name})
  if(KX_INSTALL)
    foreach(dir ${ARGN})
      file(GLOB headers CONFIGURE_DEPENDS "${Kurvex_SOURCE_DIR}/${dir}/*.h")
      install(FILES ${headers} DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/kurvex/${dir}")
    endforeach()
  endif()
endfunction()

# kx_program(name source...) builds one of the project's executables.
function(kx_program name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE "${Kurvex_SOURCE_DIR}")
  kx_target_options(${name})
endfunction()

# kx_test(name folder libs...) builds one GoogleTest executable from tests/<folder>/*.cpp.
function(kx_test name folder)
  file(GLOB test_sources CONFIGURE_DEPENDS "${Kurvex_SOURCE_DIR}/tests/${folder}/*.cpp")
  if(NOT test_sources)
    return()
  endif()
  add_executable(${name} ${test_sources})
  kx_target_options(${name})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE "${Kurvex_SOURCE_DIR}" "${Kurvex_SOURCE_DIR}/tests")
  target_compile_definitions(${name} PRIVATE
    KX_GOLDEN_DIR="${KX_GOLDEN_DIR}" KX_RESOURCE_DIR="${KX_RESOURCE_DIR}"
    KX_TEST_DATA_DIR="${Kurvex_SOURCE_DIR}/tests/data" KX_SOURCE_DIR="${Kurvex_SOURCE_DIR}")
  # NO_PRETTY_VALUES: parameterized tests are named by their own name generators, so CTest
  # shows those names and not the parameter's bytes.
  gtest_discover_tests(${name}
    NO_PRETTY_VALUES
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C")
endfunction()

# kx_pkg_config(PREFIX module) finds a pkg-config module as the imported target
# PkgConfig::PREFIX and records it in KX_PKG_CONFIG_MODULES, so that the installed
# package's configuration file looks it up in the same way (cmake/KurvexConfig.cmake.in).
macro(kx_pkg_config prefix module)
  pkg_check_modules(${prefix} REQUIRED IMPORTED_TARGET ${module})
  list(APPEND KX_PKG_CONFIG_MODULES "${prefix}=${module}")
endmacro()
