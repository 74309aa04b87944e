# An install is whole or refused: before it copies anything, every file that the build makes for it must be
# there. Included by the top-level file before any folder, so that this check is the first install step.
set(FLUVARA_INSTALL_CHECK ${PROJECT_BINARY_DIR}/install-check.cmake)
install(CODE "include(\"${FLUVARA_INSTALL_CHECK}\")")

# Names files that the build makes and an install copies.
function(fluvara_installs_built)
  set_property(GLOBAL APPEND PROPERTY FLUVARA_BUILT_FILES ${ARGN})
endfunction()

# Called once every install rule is known; the programs' paths are known when the build system is written.
function(fluvara_write_install_check)
  get_property(files GLOBAL PROPERTY FLUVARA_BUILT_FILES)
  file(GENERATE OUTPUT ${FLUVARA_INSTALL_CHECK} CONTENT "\
set(missing)
foreach(file IN ITEMS
    \"$<JOIN:${files},\"\n    \">\")
  if(NOT EXISTS \"\${file}\")
    string(APPEND missing \"\\n  \${file}\")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR \"Nothing was installed: the build lacks files that the install copies:\${missing}\\n\"
                      \"Build them first: cmake --build ${PROJECT_BINARY_DIR}\")
endif()
")
endfunction()
