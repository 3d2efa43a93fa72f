# Sources of the installation engine beyond extraction: shortcuts, the
# installation sequence, the settings file.
set(LQ_INSTALL_CORE_SOURCES)   # platform-free
set(LQ_INSTALL_SHELL_SOURCES)  # Win32
