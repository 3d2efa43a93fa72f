# zlib's inflate for the installer, built from zlib's source with the
# installer's size flags: Debian's libz.a is built for speed, with unwind
# tables and gzip header code that uncompress never uses (about 15 KB more).
# scripts/build.sh fetches the source (scripts/fetch_zlib_source.sh) into
# its build folder, beside the host build whose tools this build takes.
set(ZLIB_SOURCE_DIR "${HOST_TOOLS_DIR}/../../zlib" CACHE PATH "zlib's source, from scripts/fetch_zlib_source.sh")
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
