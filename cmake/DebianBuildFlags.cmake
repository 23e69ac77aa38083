# Debian's hardening flags for everything the project compiles and links, as a Debian
# package build takes them: dpkg-buildflags with every hardening feature on (stack
# protector, _FORTIFY_SOURCE, read-only relocations and immediate binding; the compiler
# makes position-independent executables by default). The optimisation and debug
# information stay the build type's. VELORAST_HARDENING=OFF builds without them (the
# fuzz build does: the sanitizers want the unfortified functions).

option(VELORAST_HARDENING "Compile and link with Debian's hardening flags (dpkg-buildflags)" ON)

function(velorast_use_debian_build_flags)
  find_program(VELORAST_DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT VELORAST_DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (package dpkg-dev) is missing: install it "
                        "(scripts/install-deps.sh) or configure with -DVELORAST_HARDENING=OFF")
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # Run in the source folder: the file-prefix map it gives names the folder it runs in.
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${VELORAST_DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    set(${kind} ${flags})
  endforeach()
  list(REMOVE_ITEM CXXFLAGS -g -O2)
  # The build folder, wherever it is, named alike in what the compiler writes down (the
  # debug information, which the linker's build id sums up), so that two build folders
  # of one tree make the same programs.
  list(APPEND CXXFLAGS -ffile-prefix-map=${CMAKE_BINARY_DIR}=build)
  set(compile_options)
  foreach(flag ${CPPFLAGS} ${CXXFLAGS})
    if(flag MATCHES "^-D_FORTIFY_SOURCE")
      # The fortified functions need an optimised build; an unoptimised one would warn
      # in every file.
      list(APPEND compile_options "$<$<NOT:$<CONFIG:Debug>>:${flag}>")
    else()
      list(APPEND compile_options ${flag})
    endif()
  endforeach()
  add_compile_options(${compile_options})
  add_link_options(${LDFLAGS})
  message(STATUS "Hardening flags: ${CPPFLAGS} ${CXXFLAGS} ${LDFLAGS}")
endfunction()

if(VELORAST_HARDENING)
  velorast_use_debian_build_flags()
endif()
