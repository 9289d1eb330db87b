# Shared by demo.sh and test.sh: packages, privileges and the build.

ROOT_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TEST_USER=${VELLUMARK_TEST_USER:-vmtest}

BUILD_PACKAGES="cmake g++ make pkg-config python3 qtbase5-dev qttools5-dev qttools5-dev-tools
libcups2-dev libssl-dev zlib1g-dev libbenchmark-dev lld cups-daemon cups-client cups-bsd openssl util-linux passwd
qttranslations5-l10n xvfb openbox x11-utils"
# The sanitizer build and the fuzz targets: clang and its libFuzzer runtime.
SANITIZER_PACKAGES="clang-14 libclang-rt-14-dev"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for p in $*; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

# The driver package creates this folder for every user's files. The
# language tests run under each shipped language's locale.
TEST_LOCALES="en_US de_DE fr_FR it_IT pt_PT es_ES"
prepare_system() {
    as_root mkdir -p /usr/share/tolvane
    as_root chmod 1777 /usr/share/tolvane
    install_packages locales
    local l missing=0
    for l in $TEST_LOCALES; do
        locale -a 2>/dev/null | grep -qx "$l.utf8" && continue
        as_root sed -i "s/^# *\($l.UTF-8 UTF-8\)/\1/" /etc/locale.gen
        grep -qx "$l.UTF-8 UTF-8" /etc/locale.gen || echo "$l.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
        missing=1
    done
    if [ "$missing" -ne 0 ]; then as_root locale-gen >/dev/null; fi
}

# The program refuses root, so as root everything runs as an ordinary user.
ensure_test_user() {
    if ! id "$TEST_USER" >/dev/null 2>&1; then
        useradd -m -s /bin/bash "$TEST_USER"
    fi
}

build_tree() { # SOURCE BUILD
    cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$2" -j "$(nproc)"
}

# Copies the source to a folder the test user can read, whatever the clone's
# location and permissions. The copies are new files: a build folder kept
# from another checkout's copy must not take an older file for built.
copy_source() { # DEST
    rm -rf "$1"
    mkdir -p "$1"
    (cd "$ROOT_DIR" && tar --exclude='./build*' --exclude='./.git' -cf - .) | tar -xmf - -C "$1"
}
