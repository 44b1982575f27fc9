# Windows resources for a program: the icon, version information from the
# project's version, and a manifest (common controls 6, per-monitor DPI
# awareness, never elevated).
function(zarnet_windows_resources target description)
  set(ZARNET_RC_NAME ${target})
  set(ZARNET_RC_DESCRIPTION "${description}")
  set(ZARNET_RC_ICON ${PROJECT_SOURCE_DIR}/data/icons/org.zarnet.Zarnet.ico)
  set(ZARNET_RC_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  configure_file(${PROJECT_SOURCE_DIR}/data/windows/zarnet.manifest.in ${ZARNET_RC_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/data/windows/zarnet.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
               ${ZARNET_RC_ICON} ${ZARNET_RC_MANIFEST})
endfunction()
