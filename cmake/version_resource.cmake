# vq_version_resource(<target> DESCRIPTION <text> ORIGINAL_FILENAME <installed name>)
# Gives a Windows program the version resource of the project's one version (VERSION),
# from one template, so the two programs can never state different versions.
function(vq_version_resource target)
  cmake_parse_arguments(arg "" "DESCRIPTION;ORIGINAL_FILENAME" "" ${ARGN})
  set(VQ_FILE_DESCRIPTION ${arg_DESCRIPTION})
  set(VQ_INTERNAL_NAME ${target})
  set(VQ_ORIGINAL_FILENAME ${arg_ORIGINAL_FILENAME})
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/version_info.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
