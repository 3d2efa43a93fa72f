# Sources of the wizard's pages, folder chooser and installation run.
set(LQ_WIZARD_CORE_SOURCES    # platform-free
    setup/wizard_flow.cpp
    setup/page_table.cpp
    setup/licence_lines.cpp
    setup/folder_path_rule.cpp
    setup/pointer_rule.cpp
    setup/wait_floor.cpp
    setup/messages.cpp
    setup/control_names.cpp)
set(LQ_WIZARD_SHELL_SOURCES   # Win32
    setup/show_page.cpp
    setup/licence_loader.cpp
    setup/folder_chooser.cpp
    setup/busy_pump.cpp
    setup/installation_report.cpp
    setup/enter_presses_button.cpp
    setup/installation_run.cpp
    setup/owner_only_folder.cpp
    setup/speech_package.cpp
    setup/accessible_names.cpp
    setup/named_accessible.cpp)
