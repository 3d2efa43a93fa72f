#!/usr/bin/env bash
# Prints the Wine architecture the tests can use on this machine: "win32"
# where the kernel runs 32-bit Linux programs (Wine's 32-bit part is one),
# else "win64", where the same sources are built for 64-bit Windows and run
# under 64-bit Wine. Some virtual machines' kernels lack 32-bit support.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    echo win32
else
    echo win64
fi
