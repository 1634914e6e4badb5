# The window program starts without the libraries its modules bring: none of them is among
# those the loader maps before main() (ldd follows every library's own needs too).
# Each row: the library as ldd names it, then the module that opens it on first use.
set(rows
    libgdal tracelle_gis
    libproj tracelle_gis
    libgeotiff tracelle_gis
    libshp tracelle_gis
    libdxflib tracelle_gis
    libpoppler tracelle_pdf
    libwmf tracelle_pdf
    libemf2svg tracelle_pdf
    libQt6Svg tracelle_pdf)

execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE loaded RESULT_VARIABLE failed)
# A report without the program's own windows library would make every row pass.
if(failed OR NOT loaded MATCHES "libQt6Widgets")
    message(FATAL_ERROR "ldd ${PROGRAM}: ${failed}\n${loaded}")
endif()
set(wrong "")
while(rows)
    list(POP_FRONT rows library module)
    if(loaded MATCHES "[\t /]${library}[-.]")
        string(APPEND wrong "\n  ${library}, which ${module} should open when needed")
    endif()
endwhile()
if(wrong)
    message(FATAL_ERROR "${PROGRAM} loads at start:${wrong}")
endif()
