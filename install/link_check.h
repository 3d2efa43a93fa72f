// Telling a link (junction, symbolic link, mount point) from the file or
// folder it stands in for, before the installation replaces something it
// did not make: by the attributes, read by path and through a handle that
// does not follow the link, and where the system can resolve paths, by
// whether the path resolves to itself. Relies on file_calls. Shows nothing.
#ifndef LQ_INSTALL_LINK_CHECK_H
#define LQ_INSTALL_LINK_CHECK_H

#include <windows.h>

// 1 when something lies at path (wide, full) and it is a link or resolves
// to another place than path names; 0 for a plain file or folder, or when
// nothing lies there. Only NT systems have links.
int IsLink(const WCHAR* path);

#endif
