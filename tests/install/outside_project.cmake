# A project outside the Kurvex tree, built against an installed Kurvex: installs the build
# tree into KX_WORK/prefix, configures examples/ as a project of its own with only
# find_package(Kurvex) to find the library, builds every example and runs the headless one.
#
#   cmake -DKX_BUILD_DIR=... -DKX_SOURCE_DIR=... -DKX_WORK=... -DKX_BUILD_TYPE=... -P outside_project.cmake

foreach(var KX_BUILD_DIR KX_SOURCE_DIR KX_WORK KX_BUILD_TYPE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "outside_project.cmake needs -D${var}=...")
  endif()
endforeach()

function(run step)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${step} failed (${result}):\n${out}")
  endif()
  message(STATUS "${step}: ok")
endfunction()

set(prefix "${KX_WORK}/prefix")
set(project_build "${KX_WORK}/examples")
set(pictures "${KX_WORK}/pictures")
file(REMOVE_RECURSE "${prefix}" "${pictures}")
file(MAKE_DIRECTORY "${pictures}")

run("install" "${CMAKE_COMMAND}" --install "${KX_BUILD_DIR}" --prefix "${prefix}")
foreach(installed include/kurvex/kurvex.h include/kurvex/qt.h include/kurvex/chart/model/kurvex.h
                  lib/cmake/Kurvex/KurvexConfig.cmake)
  if(NOT EXISTS "${prefix}/${installed}")
    message(FATAL_ERROR "the installed tree lacks ${installed}")
  endif()
endforeach()

# The outside project sees the installed tree only: no Kurvex source or build folder.
run("configure" "${CMAKE_COMMAND}" -S "${KX_SOURCE_DIR}/examples" -B "${project_build}" -G Ninja
    "-DCMAKE_BUILD_TYPE=${KX_BUILD_TYPE}" "-DCMAKE_PREFIX_PATH=${prefix}" -DCMAKE_FIND_PACKAGE_NO_PACKAGE_REGISTRY=ON)
run("build" "${CMAKE_COMMAND}" --build "${project_build}")
run("run the PNG export" "${project_build}/kurvex-example-png-export" "${pictures}")
foreach(picture damped_wave.png damped_wave_hd.png)
  file(SIZE "${pictures}/${picture}" size)
  if(size LESS 1000)
    message(FATAL_ERROR "${picture} was not written (${size} bytes)")
  endif()
endforeach()
