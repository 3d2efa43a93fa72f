# Sources of the installation engine beyond extraction: shortcuts, the
# installation sequence, the settings file.
set(LQ_INSTALL_CORE_SOURCES   # platform-free
    install/legacy_folder_path.cpp
    install/settings_rewrite.cpp
    install/shortcut_names.cpp
    install/installation_steps.cpp
    install/staging_names.cpp)
set(LQ_INSTALL_SHELL_SOURCES  # Win32
    install/install_messages.cpp
    install/stage_payload_files.cpp
    install/commit_payload_files.cpp
    install/wide_path.cpp
    install/shell_folders.cpp
    install/shortcuts.cpp
    install/settings_file.cpp
    install/run_installation.cpp)
