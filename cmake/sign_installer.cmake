# Signs a built executable in place: Authenticode, SHA-256, with osslsigncode.
# Time-stamped only when a server is named. On any failure the unsigned
# executable is removed, so no unsigned file is left where the signed one
# belongs and the next build links and signs again.
# cmake -DOSSLSIGNCODE=... -DEXE=... -DCERT=... -DKEY=... [-DPASSWORD_FILE=...]
#       [-DTIMESTAMP_URL=...] [-DDESCRIPTION=...] -P sign_installer.cmake
cmake_minimum_required(VERSION 3.20)
set(args sign -h sha256 -certs ${CERT} -key ${KEY})
if(PASSWORD_FILE)
    list(APPEND args -readpass ${PASSWORD_FILE})
endif()
if(DESCRIPTION)
    list(APPEND args -n ${DESCRIPTION})
endif()
if(TIMESTAMP_URL)
    list(APPEND args -ts ${TIMESTAMP_URL})
endif()
file(REMOVE ${EXE}.signed)
execute_process(COMMAND ${OSSLSIGNCODE} ${args} -in ${EXE} -out ${EXE}.signed
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    file(REMOVE ${EXE} ${EXE}.signed)
    message(FATAL_ERROR "signing ${EXE} with ${CERT} failed:\n${out}")
endif()
file(RENAME ${EXE}.signed ${EXE})
message(STATUS "signed ${EXE} (Authenticode SHA-256, ${CERT})")
