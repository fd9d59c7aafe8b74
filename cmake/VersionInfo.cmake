# kv_version_resource(target "description"): gives a DLL or program a version resource
# (VERSIONINFO) with the project's version, its description and its file name.
# The version numbers and product texts are also in kv_version.h for the .rc files.
set(KV_COMPANY "Brelvik")
set(KV_PRODUCT "Kesvaria")
set(KV_COPYRIGHT "Copyright (C) 2026 Brelvik")
set(KV_VERSION_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/kv_version.h.in ${KV_VERSION_DIR}/kv_version.h @ONLY)

function(kv_version_resource target description)
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    set(KV_FILETYPE VFT_APP)
  else()
    set(KV_FILETYPE VFT_DLL)
  endif()
  set(KV_DESCRIPTION "${description}")
  set(KV_TARGET ${target})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  # Two steps: the variables first, then the file name, known only at generation time.
  configure_file(${CMAKE_SOURCE_DIR}/cmake/VersionInfo.rc.in ${rc}.in @ONLY)
  file(GENERATE OUTPUT ${rc} INPUT ${rc}.in)
  target_sources(${target} PRIVATE ${rc})
  target_include_directories(${target} PRIVATE ${KV_VERSION_DIR})
endfunction()
