# Windows side: the installer, the sample payload's stand-in programs and the
# end-to-end tests (run through Wine by ctest).
set(HOST_TOOLS_DIR "" CACHE PATH "bin folder of the host build (pack_payload)")
set(PAYLOAD_DIR "${CMAKE_SOURCE_DIR}/resources/payload" CACHE PATH
    "folder of the files to install; the default is the sample payload")
if(NOT EXISTS "${HOST_TOOLS_DIR}/pack_payload")
    message(FATAL_ERROR "HOST_TOOLS_DIR must hold pack_payload from the host build")
endif()

# zlib goes into the executable: no zlib1.dll beside the installer. Its
# inflate is built here (lq_inflate); the test drivers' PNG writer takes
# deflate from libz.a.
find_library(LQ_ZLIB_STATIC NAMES libz.a REQUIRED)
find_path(LQ_ZLIB_INCLUDE zlib.h REQUIRED)
include(cmake/zlib_inflate.cmake)
enable_language(RC)

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
                  -Wl,-T,${CMAKE_SOURCE_DIR}/cmake/discard_unwind.ld)
set(LQ_SYSTEM_LIBS user32 gdi32 advapi32 kernel32)

add_library(lq_core STATIC ${LQ_CORE_SOURCES})
target_include_directories(lq_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(lq_core PRIVATE ${LQ_CHARSET_FLAGS} ${LQ_SIZE_FLAGS})

add_subdirectory(resources/payload_src)

# Pack the payload: zlib streams, resource script and PayloadTable, all from
# the one payload list.
set(LQ_GENERATED ${CMAKE_BINARY_DIR}/generated)
file(GLOB LQ_PAYLOAD_FILES CONFIGURE_DEPENDS "${PAYLOAD_DIR}/*")
add_custom_command(
    OUTPUT ${LQ_GENERATED}/payload.rc ${LQ_GENERATED}/payload_table.cpp
    COMMAND ${HOST_TOOLS_DIR}/pack_payload
            --list ${CMAKE_SOURCE_DIR}/resources/payload.list
            --dir ${PAYLOAD_DIR}
            --out ${LQ_GENERATED}
            --file LectorQuillery.exe=$<TARGET_FILE:lectorquillery_standin>
            --file LectorQuilleryUnInstall.exe=$<TARGET_FILE:uninstall_standin>
    DEPENDS ${HOST_TOOLS_DIR}/pack_payload ${CMAKE_SOURCE_DIR}/resources/payload.list
            ${LQ_PAYLOAD_FILES} lectorquillery_standin uninstall_standin
    COMMENT "Packing the payload")
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
    setup/messages.cpp
    render/glyph_atlas.cpp
    render/mixed_text.cpp
    render/owner_button.cpp
    render/licence_item.cpp
    render/check_box.cpp
    base/payload_resource.cpp
    base/system_library.cpp
    base/late_calls.cpp
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
    OBJECT_DEPENDS "${LQ_GENERATED}/payload.rc;${CMAKE_SOURCE_DIR}/resources/dialogs.rc;${CMAKE_SOURCE_DIR}/resources/setup.rc")

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
