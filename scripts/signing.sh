# shellcheck shell=bash
# Checking Authenticode signatures. Sourced by scripts/windows and scripts/check-windows-install;
# defines functions only.

# Writes the certificates signatures are checked against into the folder $1 and prints the
# file's name: ZEL_SIGN_CA when given, else the certificates of ZEL_SIGN_PFX (all a self-signed
# one needs) and the system's authorities (for one a public authority issued).
zel_signing_authorities() {
    local authorities="$1/signing-authorities.pem"
    if [[ -n "${ZEL_SIGN_CA:-}" ]]; then
        cp "$ZEL_SIGN_CA" "$authorities"
    else
        openssl pkcs12 -in "$ZEL_SIGN_PFX" -nokeys -passin fd:3 -out "$authorities" \
            3< <(printf '%s' "${ZEL_SIGN_PASSWORD:-}")
        if [[ -f /etc/ssl/certs/ca-certificates.crt ]]; then
            cat /etc/ssl/certs/ca-certificates.crt >>"$authorities"
        fi
    fi
    echo "$authorities"
}

# Fails unless the program $1 carries a valid SHA-256 Authenticode signature by one of the
# certificates in ZEL_SIGN_CA.
zel_verify_signature() {
    local output
    if ! output="$(osslsigncode verify -CAfile "$ZEL_SIGN_CA" -TSA-CAfile "$ZEL_SIGN_CA" -in "$1" 2>&1)"; then
        echo "$output" >&2
        echo "Not validly signed: $1" >&2
        return 1
    fi
    grep -q "Message digest algorithm *: SHA256" <<<"$output" || {
        echo "$output" >&2
        echo "Not signed with SHA-256: $1" >&2
        return 1
    }
    echo "signed: $(basename "$1")"
}
