# Windows side: the installer, the sample payload's stand-in programs and the
# end-to-end tests (run through Wine by ctest).
set(HOST_TOOLS_DIR "" CACHE PATH "bin folder of the host build (pack_payload); empty: built here")
set(PAYLOAD_DIR "${CMAKE_SOURCE_DIR}/resources/payload" CACHE PATH
    "folder of the files to install; the default is the sample payload")
if(NOT PAYLOAD_DIR)
    message(FATAL_ERROR "name the folder of the files to install: -DPAYLOAD_DIR=/path/to/files")
endif()
set(LQ_HOST_TOOLS_GIVEN OFF)
if(HOST_TOOLS_DIR)
    set(LQ_HOST_TOOLS_GIVEN ON)
    if(NOT EXISTS "${HOST_TOOLS_DIR}/pack_payload")
        message(FATAL_ERROR "HOST_TOOLS_DIR must hold pack_payload from the host build")
    endif()
else()
    # No host build named: the packer is built natively here, in host-tools/,
    # so a vendor's build is one command.
    include(ExternalProject)
    set(HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools/bin)
    ExternalProject_Add(lq_host_tools
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${CMAKE_BINARY_DIR}/host-tools
        CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target pack_payload
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${HOST_TOOLS_DIR}/pack_payload
        INSTALL_COMMAND "")
endif()

# Reproducible: the same sources give the same bytes in any folder at any
# time. No link time in the PE headers, no build folder in the code.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options("$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.;-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")

# zlib goes into the executable: no zlib1.dll beside the installer. Its
# inflate is built here (lq_inflate); the test drivers' PNG writer takes
# deflate from libz.a.
find_library(LQ_ZLIB_STATIC NAMES libz.a REQUIRED)
find_path(LQ_ZLIB_INCLUDE zlib.h REQUIRED)
include(cmake/zlib_inflate.cmake)
enable_language(RC)

# The payload's section starts on a page boundary of the file, so Wine maps
# it instead of reading it whole at start-up (cmake/resources_on_page.ld.in):
# the script counts the file bytes of the sections laid out before .rsrc.
set(LQ_SECTIONS_BEFORE_RESOURCES .text .data .rdata .pdata .edata .idata .CRT .tls)
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND LQ_SECTIONS_BEFORE_RESOURCES .xdata)
endif()
set(LQ_FILE_SIZES_BEFORE_RESOURCES "")
foreach(section IN LISTS LQ_SECTIONS_BEFORE_RESOURCES)
    string(APPEND LQ_FILE_SIZES_BEFORE_RESOURCES "\n                   + ALIGN(SIZEOF(${section}), __file_alignment__)")
endforeach()
set(LQ_RESOURCES_ON_PAGE ${CMAKE_BINARY_DIR}/resources_on_page.ld)
configure_file(cmake/resources_on_page.ld.in ${LQ_RESOURCES_ON_PAGE} @ONLY)

# Small, self-contained: no exceptions, no RTTI, no unwind tables, unused
# sections dropped, libgcc and libstdc++ linked in so only system DLLs are
# needed. The programs enter at LQ_ENTRY_SOURCE instead of the C runtime's
# start-up code; auto-import stays off, as nothing would apply its
# pseudo-relocations. Dynamic base and NX are security: kept, and named so
# no linker default decides them.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(LQ_SYMBOL_PREFIX _)
else()
    set(LQ_SYMBOL_PREFIX "")
endif()
set(LQ_ENTRY_SOURCE ${CMAKE_SOURCE_DIR}/setup/process_entry.cpp)
set(LQ_SIZE_FLAGS -Os -ffunction-sections -fdata-sections -fno-exceptions -fno-rtti
                  -fno-asynchronous-unwind-tables -fno-unwind-tables -fno-threadsafe-statics)
set(LQ_LINK_FLAGS -static -s -Wl,--gc-sections -mwindows -Wl,--dynamicbase -Wl,--nxcompat
                  -nostartfiles -Wl,-e,${LQ_SYMBOL_PREFIX}ProcessEntry -Wl,--disable-auto-import
                  -Wl,--defsym,lq_pointer_size=${CMAKE_SIZEOF_VOID_P}
                  -Wl,-T,${CMAKE_SOURCE_DIR}/cmake/discard_unwind.ld -Wl,-T,${LQ_RESOURCES_ON_PAGE})
set(LQ_SYSTEM_LIBS user32 gdi32 advapi32 kernel32)

add_library(lq_core STATIC ${LQ_CORE_SOURCES})
target_include_directories(lq_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(lq_core PRIVATE ${LQ_CHARSET_FLAGS} ${LQ_SIZE_FLAGS})

add_subdirectory(resources/payload_src)

# Pack the payload: the files checked, zlib streams, resource script and
# PayloadTable, all from the one payload list. The streams are cached in
# payload-cache by content and packer settings, so an unchanged file is not
# packed again. The packer has the terminal (Ninja's console pool) so that a
# long pack shows its progress; in a log it prints one line.
set(LQ_GENERATED ${CMAKE_BINARY_DIR}/generated)
file(GLOB LQ_PAYLOAD_FILES CONFIGURE_DEPENDS "${PAYLOAD_DIR}/*")
# The sample's two programs are stand-ins built here; a vendor's folder holds
# its own, and one it lacks is refused rather than filled in.
get_filename_component(LQ_PAYLOAD_REAL "${PAYLOAD_DIR}" REALPATH)
get_filename_component(LQ_SAMPLE_REAL "${CMAKE_SOURCE_DIR}/resources/payload" REALPATH)
set(LQ_STANDIN_FILES "")
set(LQ_STANDIN_TARGETS "")
if(LQ_PAYLOAD_REAL STREQUAL LQ_SAMPLE_REAL)
    set(LQ_STANDIN_FILES
        --file LectorQuillery.exe=$<TARGET_FILE:lectorquillery_standin>
        --file LectorQuilleryUnInstall.exe=$<TARGET_FILE:uninstall_standin>)
    set(LQ_STANDIN_TARGETS lectorquillery_standin uninstall_standin)
endif()
add_custom_command(
    OUTPUT ${LQ_GENERATED}/payload.rc ${LQ_GENERATED}/payload_table.cpp
    COMMAND ${HOST_TOOLS_DIR}/pack_payload
            --list ${CMAKE_SOURCE_DIR}/resources/payload.list
            --dir ${PAYLOAD_DIR}
            --out ${LQ_GENERATED}
            --cache ${CMAKE_BINARY_DIR}/payload-cache
            ${LQ_STANDIN_FILES}
    DEPENDS ${HOST_TOOLS_DIR}/pack_payload ${CMAKE_SOURCE_DIR}/resources/payload.list
            ${LQ_PAYLOAD_FILES} ${LQ_STANDIN_TARGETS}
    USES_TERMINAL
    COMMENT "Checking and packing the payload")
add_custom_target(lq_payload DEPENDS ${LQ_GENERATED}/payload.rc)

# The Win32 shell over the core.
add_library(lq_shell STATIC
    setup/program_state.cpp
    setup/system_facts.cpp
    setup/safe_dll_search.cpp
    setup/progress_class.cpp
    setup/message_loop.cpp
    setup/main_dialog.cpp
    setup/message_box.cpp
    render/glyph_atlas.cpp
    render/mixed_text.cpp
    render/owner_button.cpp
    render/licence_item.cpp
    render/check_box.cpp
    render/control_text.cpp
    render/focus_frame.cpp
    base/payload_resource.cpp
    base/unpredictable_value.cpp
    base/system_library.cpp
    base/late_calls.cpp
    base/window_subclass.cpp
    install/extract_payload.cpp
    base/zlib_crc32.cpp
    ${LQ_INSTALL_SHELL_SOURCES}
    ${LQ_WIZARD_SHELL_SOURCES}
    ${LQ_GENERATED}/payload_table.cpp)
target_include_directories(lq_shell PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(lq_shell PRIVATE ${LQ_CHARSET_FLAGS} ${LQ_SIZE_FLAGS})
target_include_directories(lq_shell PUBLIC ${LQ_ZLIB_INCLUDE})
target_link_libraries(lq_shell PUBLIC lq_core lq_inflate ${LQ_SYSTEM_LIBS})
# crc32 is asked for before the archives are read, so the linker takes the
# installer's own (base/zlib_crc32.cpp) and never libz.a's crc32.o.
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    target_link_options(lq_shell INTERFACE -Wl,--undefined=_crc32)
else()
    target_link_options(lq_shell INTERFACE -Wl,--undefined=crc32)
endif()

# Resource scripts find the templates, icon and manifest in resources/ and the
# packed payload in the generated folder.
set(LQ_RC_INCLUDES ${CMAKE_SOURCE_DIR}/resources ${LQ_GENERATED})

add_executable(LectorQuillerySetup WIN32 setup/win_main.cpp ${LQ_ENTRY_SOURCE} resources/installer.rc)
target_include_directories(LectorQuillerySetup PRIVATE ${LQ_RC_INCLUDES})
target_compile_options(LectorQuillerySetup PRIVATE ${LQ_CHARSET_FLAGS} ${LQ_SIZE_FLAGS})
target_link_libraries(LectorQuillerySetup PRIVATE lq_shell)
target_link_options(LectorQuillerySetup PRIVATE ${LQ_LINK_FLAGS})
add_dependencies(LectorQuillerySetup lq_payload)
set_source_files_properties(resources/installer.rc PROPERTIES
    OBJECT_DEPENDS "${LQ_GENERATED}/payload.rc;${CMAKE_SOURCE_DIR}/resources/dialogs.rc;${CMAKE_SOURCE_DIR}/resources/setup.rc;${CMAKE_SOURCE_DIR}/resources/setup.manifest")

# Signed after the link when a certificate is named (Authenticode SHA-256 by
# osslsigncode); time-stamped only when a server is named, since the build
# needs no network otherwise. Unsigned builds give the same bytes every time.
set(LQ_SIGN_CERT "" CACHE FILEPATH "PEM certificate (with its chain) to sign the installer with; empty: unsigned")
set(LQ_SIGN_KEY "" CACHE FILEPATH "PEM or DER private key of LQ_SIGN_CERT")
set(LQ_SIGN_PASSWORD_FILE "" CACHE FILEPATH "file holding the key's password, if it has one")
set(LQ_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 time-stamping server; empty: no time stamp")
if(LQ_SIGN_CERT)
    find_program(LQ_OSSLSIGNCODE osslsigncode REQUIRED)
    if(NOT EXISTS "${LQ_SIGN_CERT}" OR NOT EXISTS "${LQ_SIGN_KEY}")
        message(FATAL_ERROR "LQ_SIGN_CERT and LQ_SIGN_KEY must both name existing files")
    endif()
    add_custom_command(TARGET LectorQuillerySetup POST_BUILD
        COMMAND ${CMAKE_COMMAND} -DOSSLSIGNCODE=${LQ_OSSLSIGNCODE} -DEXE=$<TARGET_FILE:LectorQuillerySetup>
                -DCERT=${LQ_SIGN_CERT} -DKEY=${LQ_SIGN_KEY} -DPASSWORD_FILE=${LQ_SIGN_PASSWORD_FILE}
                -DTIMESTAMP_URL=${LQ_SIGN_TIMESTAMP_URL} "-DDESCRIPTION=LectorQuillery Installer"
                -P ${CMAKE_SOURCE_DIR}/cmake/sign_installer.cmake
        COMMENT "Signing the installer")
endif()

# Checked without running it: imports, subsystem, machine, manifest.
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(LQ_MACHINE i386)
else()
    set(LQ_MACHINE x86-64)
endif()
add_test(NAME installer_executable
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:LectorQuillerySetup>
                 -DMACHINE=${LQ_MACHINE} -P ${CMAKE_SOURCE_DIR}/cmake/check_executable.cmake)
set_tests_properties(installer_executable PROPERTIES LABELS static)

add_subdirectory(tests/e2e)
add_subdirectory(bench)
