#!/usr/bin/env bash
# Puts zlib's source, the upstream release of the installed zlib1g-dev as
# Debian's source package carries it, into DEST/zlib: the installer builds
# its inflate from it (for size). apt's own archives are asked through a
# private list of source entries made from the machine's binary ones, so the
# machine's apt setup is left as it is. Any Debian revision of that release
# will do (an archive may not serve the sources of every one): the upstream
# tarball is the same. Does nothing when DEST/zlib already holds it.
#   scripts/fetch_zlib_source.sh DEST
set -euo pipefail
dest=$(mkdir -p "$1" && cd "$1" && pwd)
# 1:1.2.13.dfsg-1+deb12u1 -> 1.2.13.dfsg
upstream=$(dpkg-query -W -f='${Version}' zlib1g-dev | sed 's/^[0-9]*://; s/-[^-]*$//')
if [ "$(cat "$dest/zlib/.upstream-version" 2>/dev/null)" = "$upstream" ]; then exit 0; fi

work="$dest/zlib-fetch"
rm -rf "$work"
mkdir -p "$work/parts" "$work/lists/partial"
: > "$work/empty.list"
# Source entries for the Debian archives that the packages came from.
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && grep -q debian-archive-keyring "$f" &&
        sed 's/^Types:.*/Types: deb-src/' "$f" > "$work/parts/${f##*/}"
done
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list > "$work/parts/one-line.list"
fi
private=(-o Dir::Etc::SourceList="$work/empty.list" -o Dir::Etc::SourceParts="$work/parts"
         -o Dir::State::Lists="$work/lists" -o APT::Sandbox::User=root -q)
apt-get "${private[@]}" update >/dev/null
fetched=no
for version in $(apt-cache "${private[@]}" showsrc zlib | sed -n 's/^Version: //p' | sort -u); do
    case "$version" in *:"$upstream"-*|"$upstream"-*) ;; *) continue ;; esac
    if (cd "$work" && apt-get "${private[@]}" source --download-only "zlib=$version" >/dev/null 2>&1); then
        fetched=yes
        break
    fi
done
if [ $fetched != yes ]; then
    echo "fetch_zlib_source: no archive serves zlib $upstream's source" >&2
    exit 1
fi
mkdir "$work/unpacked"
tar -xf "$work"/zlib_*.orig.tar.* -C "$work/unpacked"
rm -rf "$dest/zlib"
mv "$work"/unpacked/zlib-* "$dest/zlib"
echo "$upstream" > "$dest/zlib/.upstream-version"
rm -rf "$work"
