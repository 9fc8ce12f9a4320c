# The two targets a user links, with the same names from a source tree (add_subdirectory,
# FetchContent) and from an installed tree (find_package(Kurvex)):
#   Kurvex::Kurvex  the chart, the scale, the numeric label and PNG export (no Qt)
#   Kurvex::Qt      the Qt widgets KurvexWidget, ScaleWidget, NumLabWidget and the Qt backend
# and the rules that install headers, static libraries and the CMake package.

include(CMakePackageConfigHelpers)

add_library(kurvex INTERFACE)
target_link_libraries(kurvex INTERFACE kx_export)
set_target_properties(kurvex PROPERTIES EXPORT_NAME Kurvex)
add_library(Kurvex::Kurvex ALIAS kurvex)
set(kx_user_targets kurvex)

if(TARGET kx_qtwidgets)
  add_library(kurvex_qt INTERFACE)
  target_link_libraries(kurvex_qt INTERFACE kx_qtwidgets kurvex)
  set_target_properties(kurvex_qt PROPERTIES EXPORT_NAME Qt)
  add_library(Kurvex::Qt ALIAS kurvex_qt)
  list(APPEND kx_user_targets kurvex_qt)
endif()

if(KX_INSTALL)
  set(kx_package_dir "${CMAKE_INSTALL_LIBDIR}/cmake/Kurvex")
  get_property(kx_libraries GLOBAL PROPERTY KX_LIBRARIES)
  install(TARGETS ${kx_libraries} ${kx_user_targets} EXPORT KurvexTargets
          ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}")
  # The headers of each library folder are installed by kx_library; these are the ones a
  # user includes first (<kurvex/kurvex.h>, <kurvex/qt.h>).
  install(DIRECTORY "${Kurvex_SOURCE_DIR}/include/kurvex/" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/kurvex"
          FILES_MATCHING PATTERN "*.h")
  install(EXPORT KurvexTargets NAMESPACE Kurvex:: DESTINATION "${kx_package_dir}")

  set(KX_PACKAGE_HAS_QT FALSE)
  if(TARGET kurvex_qt)
    set(KX_PACKAGE_HAS_QT TRUE)
  endif()
  configure_package_config_file("${Kurvex_SOURCE_DIR}/cmake/KurvexConfig.cmake.in"
                                "${Kurvex_BINARY_DIR}/KurvexConfig.cmake"
                                INSTALL_DESTINATION "${kx_package_dir}")
  write_basic_package_version_file("${Kurvex_BINARY_DIR}/KurvexConfigVersion.cmake"
                                   COMPATIBILITY SameMinorVersion)
  install(FILES "${Kurvex_BINARY_DIR}/KurvexConfig.cmake" "${Kurvex_BINARY_DIR}/KurvexConfigVersion.cmake"
          DESTINATION "${kx_package_dir}")
endif()
