# Sources of the installation engine beyond extraction: the held folder, the
# staged files and their journal, recovery, shortcuts, the installation
# sequence.
set(LQ_INSTALL_CORE_SOURCES   # platform-free
    install/legacy_folder_path.cpp
    install/settings_rewrite.cpp
    install/shortcut_names.cpp
    install/installation_steps.cpp
    install/staging_names.cpp
    install/journal_format.cpp
    install/install_messages.cpp)
set(LQ_INSTALL_SHELL_SOURCES  # Win32
    install/file_calls.cpp
    install/install_folder.cpp
    install/folder_file.cpp
    install/link_check.cpp
    install/journal.cpp
    install/retry_briefly.cpp
    install/recover_installation.cpp
    install/stage_payload_files.cpp
    install/commit_payload_files.cpp
    install/wide_path.cpp
    install/shell_folders.cpp
    install/shortcut_files.cpp
    install/shortcuts.cpp
    install/run_installation.cpp)
