# The release's date, for the AppStream release and the Debian changelog: that of the last
# commit, so that two builds of one source write the same files (today outside a checkout,
# or SOURCE_DATE_EPOCH when the packager sets it).
set(tracelle_epoch_set_here OFF)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    find_package(Git QUIET)
    if(GIT_FOUND)
        execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                        OUTPUT_VARIABLE tracelle_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                        RESULT_VARIABLE tracelle_git_failed ERROR_QUIET)
        if(NOT tracelle_git_failed AND tracelle_epoch MATCHES "^[0-9]+$")
            set(ENV{SOURCE_DATE_EPOCH} ${tracelle_epoch})
            set(tracelle_epoch_set_here ON)
        endif()
    endif()
endif()
string(TIMESTAMP TRACELLE_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP TRACELLE_RELEASE_TIME "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(tracelle_epoch_set_here)
    unset(ENV{SOURCE_DATE_EPOCH})
endif()
