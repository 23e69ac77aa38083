# velorast_install_program(TARGET DESTINATION): installs an executable the package ships.
# Installed stripped (as the package is), it also loses the sections that only name the
# compiler, as Debian's packages do: strip --remove-section=.comment --remove-section=.note.
function(velorast_install_program target destination)
  install(TARGETS ${target} RUNTIME DESTINATION ${destination})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(
        COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${destination}/$<TARGET_FILE_NAME:${target}>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endfunction()
