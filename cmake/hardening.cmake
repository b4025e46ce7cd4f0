# Debian's hardening flags, as dpkg-buildflags gives them for a package with every hardening
# feature on: _FORTIFY_SOURCE, the stack protector, format checks, control-flow protection,
# and a read-only relocation table bound at start (relro, bindnow). The optimisation and
# debug flags stay those of the build type.
find_program(KORA_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          ${KORA_DPKG_BUILDFLAGS} --get ${kind}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O|g)")
  if(kind STREQUAL LDFLAGS)
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
  message(STATUS "Hardening ${kind}: ${flags}")
endforeach()
