# The flags Debian builds its packages with, from dpkg-buildflags, with every hardening feature on (as
# DEB_BUILD_MAINT_OPTIONS=hardening=+all asks, unless the environment asks otherwise). The preprocessor's
# flags (_FORTIFY_SOURCE) come apart from the compiler's; file paths are written relative to the sources.
if(FLUVARA_SANITIZE)
  message(FATAL_ERROR "FLUVARA_DEBIAN_BUILDFLAGS is for the package build and does not go with the sanitizers")
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
if(NOT DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
  set(ENV{DEB_BUILD_MAINT_OPTIONS} hardening=+all)
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${DPKG_BUILDFLAGS} --get ${kind}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
string(APPEND CMAKE_CXX_FLAGS " ${debian_CXXFLAGS} ${debian_CPPFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${debian_LDFLAGS}")
message(STATUS "Debian build flags: ${debian_CXXFLAGS} ${debian_CPPFLAGS}; linker: ${debian_LDFLAGS}")

# The package's programs are stripped as Debian strips them.
set(CMAKE_STRIP ${CMAKE_CURRENT_LIST_DIR}/strip-as-debian)
