# Checks a built installer without running it:
#  - it imports only DLLs that every Windows maps from its system directory,
#    and none of those the first page does not need (loaded at first use);
#  - it embeds a manifest that asks for no elevation and declares the
#    program aware of the screen's DPI (one DPI for the whole run);
#  - it is a Windows GUI program of the expected machine type;
#  - it keeps ASLR and NX, and carries no unwind tables;
#  - its resources (the payload) start on a page boundary of the file, so
#    Wine maps them rather than reading them whole at start-up.
# cmake -DOBJDUMP=... -DEXE=... -DMACHINE=i386|x86-64 -P check_executable.cmake
cmake_minimum_required(VERSION 3.20)
execute_process(COMMAND ${OBJDUMP} -p -h ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cannot read ${EXE}")
endif()

set(allowed kernel32.dll user32.dll gdi32.dll advapi32.dll msvcrt.dll)
set(loaded_at_first_use comdlg32.dll shell32.dll ole32.dll)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
foreach(line IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    if(dll IN_LIST loaded_at_first_use)
        message(FATAL_ERROR "${EXE} imports ${dll}, which the first page does not need: load it at first use")
    endif()
    if(NOT dll IN_LIST allowed)
        message(FATAL_ERROR "${EXE} imports ${dll}, which is not a system DLL of every Windows")
    endif()
    message(STATUS "imports ${dll}")
endforeach()

if(NOT headers MATCHES "Subsystem[ \t]+0+2[ \t]")
    message(FATAL_ERROR "${EXE} is not a Windows GUI program")
endif()
if(NOT headers MATCHES "file format pei-${MACHINE}")
    message(FATAL_ERROR "${EXE} is not a ${MACHINE} executable")
endif()
foreach(flag DYNAMIC_BASE NX_COMPAT)
    if(NOT headers MATCHES "DllCharacteristics[^\n]*\n([ \t]+[A-Z_]+\n)*[ \t]+${flag}\n")
        message(FATAL_ERROR "${EXE} lacks ${flag}")
    endif()
endforeach()
if(headers MATCHES "[ \t]\.eh_fram")
    message(FATAL_ERROR "${EXE} carries unwind tables (.eh_frame)")
endif()

# objdump -h: "Idx Name Size VMA LMA File-off Algn".
if(NOT headers MATCHES "\n[ \t]*[0-9]+ \\.rsrc[ \t]+[0-9a-f]+[ \t]+[0-9a-f]+[ \t]+[0-9a-f]+[ \t]+([0-9a-f]+)[ \t]")
    message(FATAL_ERROR "${EXE} has no resources")
endif()
set(resources_offset ${CMAKE_MATCH_1})
if(NOT resources_offset MATCHES "000$")
    message(FATAL_ERROR "${EXE}'s resources start at file offset 0x${resources_offset}, not on a 4 KB page: "
                        "Wine would read the whole payload into private memory at start-up")
endif()

file(READ ${EXE} bytes HEX)
string(HEX "level=\"asInvoker\"" invoker)
string(TOLOWER "${invoker}" invoker)
if(NOT bytes MATCHES "${invoker}")
    message(FATAL_ERROR "${EXE} carries no asInvoker manifest")
endif()
string(HEX "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>" dpiAware)
string(TOLOWER "${dpiAware}" dpiAware)
if(NOT bytes MATCHES "${dpiAware}")
    message(FATAL_ERROR "${EXE} does not declare itself DPI-aware in its manifest")
endif()
message(STATUS "${EXE}: system DLLs only, GUI, ${MACHINE}, ASLR and NX, resources on a page, asInvoker and DPI-aware manifest")
