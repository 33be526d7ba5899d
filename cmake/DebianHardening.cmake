# The optimised Linux builds (release, ci), from which the Debian package is made, get the
# distribution's hardening flags as dpkg-buildflags gives them with every feature on: fortify,
# the stack protector, format checks, full RELRO and bind now. The build type keeps its own
# optimisation and debug information. Debug builds go without: fortify needs optimisation, and
# the sanitizer build brings its own checks. The Windows programs are PE files, which have no
# RELRO to make read-only, and their stack protector would need a runtime that XP lacks.
option(PLEVO_HARDENING "Build with Debian's hardening flags (optimised Linux builds)" ON)

function(plevo_debian_hardening target)
  if(WIN32 OR NOT PLEVO_HARDENING OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
    return()
  endif()
  find_program(PLEVO_DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT PLEVO_DPKG_BUILDFLAGS)
    message(STATUS "dpkg-buildflags not found: built without Debian's hardening flags")
    return()
  endif()
  set(flags)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${PLEVO_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE value OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(value UNIX_COMMAND "${value}")
    # Optimisation, debug information and the source path's mapping stay the build type's.
    list(FILTER value EXCLUDE REGEX "^-(O.*|g.*|ffile-prefix-map=.*)$")
    set(${kind} ${value})
  endforeach()
  message(STATUS "Debian hardening: ${CPPFLAGS} ${CXXFLAGS} ${LDFLAGS}")
  target_compile_options(${target} INTERFACE ${CPPFLAGS} ${CXXFLAGS})
  target_link_options(${target} INTERFACE ${LDFLAGS})
endfunction()
