# The layers as a library other programs build against: `cmake --install <build> --component
# kit` puts their headers under include/vorpel, their static libraries, a CMake package
# (find_package(Vorpel): Vorpel::platform, ::ini, ::framework, ::kit and ::assets, the pictures
# the kit opens by "incbin::" names) and vorpel-kit.pc. A plain `cmake --install` leaves all
# of it out: it installs the saver alone.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(vorpel_layers platform ini framework kit assets)
foreach(layer ${vorpel_layers})
  # Installed side by side with other libraries, "libkit.a" would say nothing.
  set_target_properties(${layer} PROPERTIES OUTPUT_NAME vorpel-${layer} EXPORT_NAME ${layer})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/${layer} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vorpel
          COMPONENT kit EXCLUDE_FROM_ALL FILES_MATCHING PATTERN "*.hpp")
endforeach()
install(TARGETS ${vorpel_layers} EXPORT VorpelTargets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT kit EXCLUDE_FROM_ALL)

set(vorpel_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Vorpel)
install(EXPORT VorpelTargets NAMESPACE Vorpel:: DESTINATION ${vorpel_cmake_dir}
        COMPONENT kit EXCLUDE_FROM_ALL)
if(PROJECT_VERSION)
  set(vorpel_version ${PROJECT_VERSION})
else()
  set(vorpel_version 0)
endif()
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/VorpelConfig.cmake.in
  ${CMAKE_BINARY_DIR}/VorpelConfig.cmake INSTALL_DESTINATION ${vorpel_cmake_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/VorpelConfigVersion.cmake
  VERSION ${vorpel_version} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/VorpelConfig.cmake ${CMAKE_BINARY_DIR}/VorpelConfigVersion.cmake
        DESTINATION ${vorpel_cmake_dir} COMPONENT kit EXCLUDE_FROM_ALL)

# The .pc file finds its prefix from where it lies, so the installed tree can be moved.
file(RELATIVE_PATH pc_to_prefix /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" pc_to_prefix "${pc_to_prefix}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/vorpel-kit.pc.in ${CMAKE_BINARY_DIR}/vorpel-kit.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/vorpel-kit.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig
        COMPONENT kit EXCLUDE_FROM_ALL)
