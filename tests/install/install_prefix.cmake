# Installs the build into a fresh prefix, as a user's `cmake --install` does, then puts the
# probe of the installed tree into its bin folder, beside the programs.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install ${BUILD} --prefix ${PREFIX}: ${failed}")
endif()
file(COPY ${PROBE} DESTINATION ${PREFIX}/bin)
