# zlib's inflate for the installer, built from zlib's source with the
# installer's size flags: Debian's libz.a is built for speed, with unwind
# tables and gzip header code that uncompress never uses (about 15 KB more).
# scripts/build.sh fetches the source (scripts/fetch_zlib_source.sh) into
# its build folder, beside the host build whose tools this build takes.
# A build that makes its own host tools (a vendor's preset) keeps the source
# in its own folder and fetches it at configure time.
if(LQ_HOST_TOOLS_GIVEN)
    set(LQ_ZLIB_SOURCE_DEFAULT "${HOST_TOOLS_DIR}/../../zlib")
else()
    set(LQ_ZLIB_SOURCE_DEFAULT "${CMAKE_BINARY_DIR}/zlib")
endif()
set(ZLIB_SOURCE_DIR "${LQ_ZLIB_SOURCE_DEFAULT}" CACHE PATH "zlib's source, from scripts/fetch_zlib_source.sh")
if(NOT EXISTS "${ZLIB_SOURCE_DIR}/inflate.c")
    get_filename_component(LQ_ZLIB_PARENT "${ZLIB_SOURCE_DIR}" DIRECTORY)
    get_filename_component(LQ_ZLIB_NAME "${ZLIB_SOURCE_DIR}" NAME)
    if(LQ_ZLIB_NAME STREQUAL "zlib")
        execute_process(COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/fetch_zlib_source.sh ${LQ_ZLIB_PARENT}
                        RESULT_VARIABLE LQ_ZLIB_FETCHED)
    endif()
endif()
if(NOT EXISTS "${ZLIB_SOURCE_DIR}/inflate.c")
    message(FATAL_ERROR "ZLIB_SOURCE_DIR must hold zlib's source: scripts/fetch_zlib_source.sh puts it there")
endif()
add_library(lq_inflate STATIC
    ${ZLIB_SOURCE_DIR}/uncompr.c
    ${ZLIB_SOURCE_DIR}/inflate.c
    ${ZLIB_SOURCE_DIR}/inffast.c
    ${ZLIB_SOURCE_DIR}/inftrees.c
    ${ZLIB_SOURCE_DIR}/adler32.c
    ${ZLIB_SOURCE_DIR}/zutil.c)
target_include_directories(lq_inflate PUBLIC ${ZLIB_SOURCE_DIR})
# uncompress reads zlib streams only: no gzip header code.
target_compile_definitions(lq_inflate PRIVATE NO_GZIP)
target_compile_options(lq_inflate PRIVATE -Os -ffunction-sections -fdata-sections
                       -fno-asynchronous-unwind-tables -fno-unwind-tables)
# The inner loop that turns codes into bytes: built for speed, the rest for
# size. About 300 bytes more, an eighth off the installation's inflating.
set_source_files_properties(${ZLIB_SOURCE_DIR}/inffast.c PROPERTIES COMPILE_OPTIONS -O2)
