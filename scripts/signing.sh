# shellcheck shell=bash
# Checking Authenticode signatures. Sourced by scripts/windows and scripts/check-windows-install;
# defines functions only.

# Makes a self-signed code-signing certificate, valid for two days, in the folder $1 and exports
# ZEL_SIGN_PFX, ZEL_SIGN_PASSWORD and ZEL_SIGN_CA for it: signing and the check of every signature
# then run where no real certificate is at hand.
zel_throw_away_signing() {
    ZEL_SIGN_PASSWORD="$(openssl rand -hex 16)"
    export ZEL_SIGN_PASSWORD ZEL_SIGN_PFX="$1/zel.pfx" ZEL_SIGN_CA="$1/certificate.pem"
    openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -nodes -subj "/CN=Zel throw-away" \
        -addext "extendedKeyUsage=codeSigning" \
        -keyout "$1/key.pem" -out "$ZEL_SIGN_CA" 2>/dev/null
    openssl pkcs12 -export -inkey "$1/key.pem" -in "$ZEL_SIGN_CA" -out "$ZEL_SIGN_PFX" \
        -passout env:ZEL_SIGN_PASSWORD
}

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
