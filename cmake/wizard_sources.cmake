# Sources of the wizard's pages, folder chooser and installation run.
set(LQ_WIZARD_CORE_SOURCES)   # platform-free
set(LQ_WIZARD_SHELL_SOURCES)  # Win32
