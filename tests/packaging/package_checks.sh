#!/usr/bin/env bash
# Checks of the Debian packages, each a CTest test of its own. "build" makes
# the .debs with cpack from the build tree and unpacks each with dpkg -x into
# SCRATCH_DIR/unpacked/<package>; every other check looks at those packages
# or their unpacked files, as a user's system would get them. CPACK names the
# cpack of the CMake that configured the build tree (default: cpack).
#   package_checks.sh CHECK BUILD_DIR SCRATCH_DIR APP_ID
set -euo pipefail
check=$1 build=$2 scratch=$3 app_id=$4
editor=tgx-editor library=libzifrol1 development=libzifrol-dev
root=$scratch/unpacked/$editor
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
libdir=/usr/lib/$multiarch

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

deb() {
  local found=("$scratch"/out/"$1"_*.deb)
  [ -f "${found[0]}" ] || fail "no package $1 in $scratch/out; the packaging_deb_build test makes it"
  echo "${found[0]}"
}

build_package() {
  rm -rf "$scratch"
  mkdir -p "$scratch/out" "$scratch/unpacked"
  "${CPACK:-cpack}" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
  local package name
  for name in $editor $library $development; do
    package=$(deb $name)
    dpkg-deb --info "$package"
    dpkg -x "$package" "$scratch/unpacked/$name"
    echo "$(basename "$package"): $(stat -c %s "$package") bytes"
  done
}

# Files and links of one unpacked package, one a line.
files_of() {
  (cd "$scratch/unpacked/$1" && find . \( -type f -o -type l \) -printf '/%P\n' | sort)
}

# Each package holds exactly its files, with its terms and changelog; all
# owned by root. The editor's package has nothing of zifrol.
check_contents() {
  local icons=/usr/share/icons/hicolor expected name owners
  for name in $editor $library $development; do
    case $name in
      "$editor")
        expected=$(
          printf '%s\n' /usr/bin/tgxeditor "/usr/share/applications/$app_id.desktop" \
            "/usr/share/metainfo/$app_id.metainfo.xml" "/usr/share/mime/packages/$app_id.xml" \
            "$icons/scalable/apps/$app_id.svg" /usr/share/man/man1/tgxeditor.1.gz
          printf "$icons/%sx%s/apps/$app_id.png\n" 16 16 22 22 24 24 32 32 48 48 64 64 128 128 256 256
        ) ;;
      "$library") expected=$(printf '%s\n' "$libdir/libzifrol.so.1" "$libdir/libzifrol.so.1.0.0") ;;
      "$development")
        expected=$(printf '%s\n' /usr/include/zifrol.h "$libdir/libzifrol.so" "$libdir/pkgconfig/zifrol.pc") ;;
    esac
    expected=$(printf '%s\n' "$expected" "/usr/share/doc/$name/copyright" "/usr/share/doc/$name/changelog.gz" | sort)
    diff <(echo "$expected") <(files_of $name) || fail "$name: its files differ from the list above (< expected, > found)"
    owners=$(dpkg-deb --contents "$(deb $name)" | awk '$2 != "root/root"')
    [ -z "$owners" ] || fail "$name: files not owned by root: $owners"
    echo "$name: $(wc -l <<<"$expected") files, as expected"
  done
  if files_of $editor | grep -i zifrol; then fail "$editor holds zifrol's files above"; fi
}

# The control fields, and the libraries dpkg-shlibdeps found the program needs.
check_control() {
  local package field value
  package=$(deb $editor)
  for field in Package:tgx-editor Section:editors "Maintainer:Ukázkový Autor <tgx-editor@example.org>" \
               Recommends:qt6-translations-l10n; do
    value=$(dpkg-deb --field "$package" "${field%%:*}")
    [ "$value" = "${field#*:}" ] || fail "${field%%:*} is \"$value\", expected \"${field#*:}\""
  done
  local depends
  depends=$(dpkg-deb --field "$package" Depends)
  echo "Depends: $depends"
  for library in libc6 libstdc++6 libgcc-s1 libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo; do
    [[ ", $depends" == *", $library (>= "* ]] || fail "Depends lacks a versioned $library"
  done
  if [[ "$depends" == *zifrol* ]]; then fail "$editor depends on zifrol"; fi
}

# The library's package: the SONAME, the ldconfig trigger in place of
# maintainer scripts, and the shlibs entry other packages' dependencies on it
# come from. The development package needs the library of its own version.
check_zifrol_split() {
  local version control=$scratch/control soname
  version=$(dpkg-deb --field "$(deb $library)" Version)
  soname=$(readelf -d "$scratch/unpacked/$library$libdir/libzifrol.so.1" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  [ "$soname" = libzifrol.so.1 ] || fail "the library's SONAME is \"$soname\""
  [ "$(readlink "$scratch/unpacked/$development$libdir/libzifrol.so")" = libzifrol.so.1 ] ||
    fail "libzifrol.so is not a link to libzifrol.so.1"
  rm -rf "$control"
  dpkg-deb --control "$(deb $library)" "$control"
  [ "$(cat "$control/triggers")" = "activate-noawait ldconfig" ] || fail "$library lacks the ldconfig trigger"
  [ ! -e "$control/postinst" ] && [ ! -e "$control/postrm" ] || fail "$library has maintainer scripts"
  [ "$(cat "$control/shlibs")" = "libzifrol 1 $library (>= $version)" ] || fail "shlibs: $(cat "$control/shlibs")"
  [ "$(dpkg-deb --field "$(deb $development)" Depends)" = "$library (= $version)" ] ||
    fail "$development does not depend on $library (= $version)"
  echo "$library: SONAME $soname, ldconfig trigger, shlibs; $development depends on it"
}

# lintian on every package: no error and no warning (an override would have
# to say why it is right).
check_lintian() {
  local output
  output=$(lintian --fail-on error,warning --display-info "$scratch"/out/*.deb 2>&1) ||
    { echo "$output"; fail "lintian"; }
  echo "${output:-lintian: no remarks}"
}

# The program and the library carry what Debian's hardening flags give: full
# RELRO (read-only relocations, bound at start), position independence, the
# stack protector, and for the program the fortified C functions.
check_hardening() {
  local file headers dynamic symbols
  for file in "$root/usr/bin/tgxeditor" "$scratch/unpacked/$library$libdir/libzifrol.so.1.0.0"; do
    headers=$(readelf --program-headers --wide "$file")
    dynamic=$(readelf --dynamic --wide "$file")
    symbols=$(readelf --dyn-syms --wide "$file")
    grep -q GNU_RELRO <<<"$headers" || fail "$file: no RELRO"
    grep -Eq "BIND_NOW|FLAGS_1.* NOW" <<<"$dynamic" || fail "$file: not bound at start (BIND_NOW)"
    grep -q "__stack_chk_fail" <<<"$symbols" || fail "$file: no stack protector"
  done
  grep -Eq "FLAGS_1.* PIE" <<<"$(readelf --dynamic "$root/usr/bin/tgxeditor")" || fail "tgxeditor is not a PIE"
  grep -Eq "__[a-z]+_chk@" <<<"$(readelf --dyn-syms --wide "$root/usr/bin/tgxeditor")" ||
    fail "tgxeditor calls no fortified function"
  echo "tgxeditor and libzifrol.so.1: RELRO, BIND_NOW, stack protector; tgxeditor: PIE, fortified"
}

check_desktop_entry() {
  local entry=$root/usr/share/applications/$app_id.desktop output
  output=$(desktop-file-validate "$entry" 2>&1) || { echo "$output"; fail "desktop-file-validate"; }
  echo "$output"
  if grep -Eq "(error|warning):" <<<"$output"; then fail "desktop-file-validate reported the above"; fi
  for line in "Name=TGX editor" "GenericName=Editor grafikonů" \
              "Comment=Tvorba grafikonů pro simulátory Zelto Edice 246" "Exec=tgxeditor %f" \
              "Icon=$app_id" "MimeType=application/x-tgx-grafikon;"; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks the line $line"
  done
  echo "desktop-file-validate: $entry is valid"
}

# The metainfo on its own, and the unpacked tree: metainfo, desktop entry and
# icon found together as a software centre looks for them.
check_metainfo() {
  appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/$app_id.metainfo.xml"
  local tree
  tree=$(appstreamcli validate-tree --no-net --pedantic "$root" 2>&1) || { echo "$tree"; fail "appstreamcli validate-tree"; }
  echo "$tree"
  if grep -q "dir-no-metadata-found" <<<"$tree"; then fail "validate-tree found no metainfo in $root"; fi
}

# The shared MIME database built from the package's file names *.46g, in
# upper case too, as a grafikon with the comment "Grafikon TGX".
check_mime_type() {
  local mime=$scratch/mime
  rm -rf "$mime"
  mkdir -p "$mime/packages"
  cp "$root/usr/share/mime/packages/$app_id.xml" "$mime/packages/"
  # With the folder among the data folders, any output is a complaint.
  local status=0
  XDG_DATA_DIRS=$scratch update-mime-database "$mime" >"$scratch/mime.log" 2>&1 || status=$?
  if [ $status -ne 0 ] || [ -s "$scratch/mime.log" ]; then
    cat "$scratch/mime.log"
    fail "update-mime-database ended with status $status"
  fi
  grep -qxF "50:application/x-tgx-grafikon:*.46g" "$mime/globs2" || fail "no glob *.46g in $mime/globs2"
  grep -qF "<comment>Grafikon TGX</comment>" "$mime/application/x-tgx-grafikon.xml" ||
    fail "the type's comment is not \"Grafikon TGX\""
  echo "*.46g is application/x-tgx-grafikon, \"Grafikon TGX\""
}

# The unpacked program runs from where it lies, on the system's libraries
# alone: it must come up (the offscreen platform plugin loaded, then asleep
# in its event loop, using no processor time for a second) and stay up until
# it is told to end. It may print nothing but the offscreen plugin's own
# notice that it cannot pass on size hints.
check_program_starts() {
  local program=$root/usr/bin/tgxeditor
  if readelf -d "$program" | grep -Eq "RPATH|RUNPATH"; then fail "$program carries a library path"; fi
  local runtime=$scratch/runtime
  rm -rf "$runtime"
  mkdir -m 700 "$runtime"
  env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    "$program" >"$scratch/program.log" 2>&1 &
  local pid=$! previous="" now waited=0
  trap 'kill -KILL $pid 2>/dev/null || true' EXIT
  while :; do
    sleep 1
    waited=$((waited + 1))
    kill -0 "$pid" 2>/dev/null || { cat "$scratch/program.log"; fail "the program ended by itself"; }
    [ "$(readlink "/proc/$pid/exe")" = "$program" ] || fail "process $pid is not $program"
    # State and processor time used so far (user and system ticks).
    now=$(awk '{print $3, $14 + $15}' "/proc/$pid/stat")
    if grep -q "libqoffscreen.so" "/proc/$pid/maps" && [ "${now%% *}" = S ] && [ "$now" = "$previous" ]; then
      break
    fi
    previous=$now
    [ $waited -lt 30 ] || fail "the program did not settle in its event loop within 30 s"
  done
  kill -TERM "$pid"
  local status=0
  wait "$pid" || status=$?
  trap - EXIT
  [ $status -eq 143 ] || fail "the program ended with status $status on SIGTERM, not 143"
  if grep -vqxF "This plugin does not support propagateSizeHints()" "$scratch/program.log"; then
    cat "$scratch/program.log"
    fail "the program printed the above"
  fi
  echo "the unpacked program came up in ${waited} s, waited idle, and ended on SIGTERM"
}

# A caller built against the packaged zifrol.h and libzifrol.so, found through
# the packaged pkg-config file, which names the plain prefix /usr (here taken
# below the unpacked packages as a system root).
check_zifrol_development() {
  local flags sysroot=$scratch/sysroot
  rm -rf "$sysroot"
  cp -a "$scratch/unpacked/$library/." "$sysroot"
  cp -a "$scratch/unpacked/$development/." "$sysroot"
  export PKG_CONFIG_LIBDIR=$sysroot$libdir/pkgconfig PKG_CONFIG_SYSROOT_DIR=$sysroot
  grep -qx "prefix=/usr" "$sysroot$libdir/pkgconfig/zifrol.pc" || fail "zifrol.pc does not name the prefix /usr"
  [ "$(pkg-config --modversion zifrol)" = "16.3.2006" ] || fail "pkg-config zifrol has the wrong version"
  flags=$(pkg-config --cflags --libs zifrol)
  cat >"$scratch/caller.cpp" <<'CPP'
#include <zifrol.h>
#include <cstdio>
#include <stdexcept>
int main()
{
    const char text[] = "\x05\0\0\0" "12399";
    std::printf("%s\n", A(text + 4));
    try {
        A(nullptr);
    } catch (const std::runtime_error &error) {
        std::printf("%s\n", error.what());
    }
}
CPP
  # shellcheck disable=SC2086 # the flags are words
  g++ -std=c++20 -o "$scratch/caller" "$scratch/caller.cpp" $flags
  local output
  output=$(LD_LIBRARY_PATH=$sysroot$libdir "$scratch/caller")
  [ "$output" = $'12400\nInvalid variant type conversion' ] || fail "the caller printed: $output"
  echo "a caller built with $flags calls A: $output" | tr '\n' ' '
  echo
}

case $check in
  build) build_package ;;
  contents) check_contents ;;
  control) check_control ;;
  desktop-entry) check_desktop_entry ;;
  metainfo) check_metainfo ;;
  mime-type) check_mime_type ;;
  program-starts) check_program_starts ;;
  zifrol-development) check_zifrol_development ;;
  zifrol-split) check_zifrol_split ;;
  lintian) check_lintian ;;
  hardening) check_hardening ;;
  *) fail "no check named $check" ;;
esac
