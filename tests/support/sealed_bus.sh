# shellcheck shell=bash
# Shared by the shell tests (sourced, not run): a private session bus that
# offers only the services a test names.

_sealed_bus_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# sealed_bus_config FOLDER [SERVICE...]: writes FOLDER/session.conf, a session
# bus configuration whose only services are the machine's SERVICE.service
# files named (org.a11y.Bus, say), copied to FOLDER/bus-services; prints its
# path. Fails when a named service is not installed.
sealed_bus_config() {
    local folder=$1 service
    shift
    mkdir -p "$folder/bus-services"
    for service in "$@"; do
        cp "/usr/share/dbus-1/services/$service.service" "$folder/bus-services/" || return 1
    done
    sed "s#</busconfig>#<servicedir>$folder/bus-services</servicedir></busconfig>#" \
        "$_sealed_bus_here/sealed_bus.conf" >"$folder/session.conf" || return 1
    echo "$folder/session.conf"
}
