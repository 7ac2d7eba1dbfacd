# Shared by the scripts that install what they need; sourced, never run.

# apt_get ARGUMENT...: apt-get without questions, through sudo when not root.
apt_get() {
    local as_root=()
    [ "$(id -u)" -eq 0 ] || as_root=(sudo)
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"
}

# install_packages PACKAGE...: installs those of Debian's packages that are missing, and says which.
install_packages() {
    local p missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    apt_get update -qq
    apt_get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
