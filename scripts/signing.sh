# shellcheck shell=bash
# Signing Windows files and checking their Authenticode signatures. Sourced by scripts/windows
# and scripts/check-windows-install; defines functions only. scripts/windows-sign signs.

# Says which key scripts/windows-sign signs with, or fails when none is given.
zel_signing_key() {
    if [[ -n "${ZEL_SIGN_COMMAND:-}" ]]; then
        echo "the signing command ZEL_SIGN_COMMAND"
    elif [[ -n "${ZEL_SIGN_PKCS11_KEY:-}" ]]; then
        echo "the PKCS#11 key $ZEL_SIGN_PKCS11_KEY"
    elif [[ -n "${ZEL_SIGN_PFX:-}" ]]; then
        echo "the PKCS#12 file $ZEL_SIGN_PFX"
    else
        return 1
    fi
}

# Forgets the key to sign with and the certificates to check against.
zel_signing_forget() {
    unset ZEL_SIGN_COMMAND ZEL_SIGN_PKCS11_KEY ZEL_SIGN_PKCS11_MODULE ZEL_SIGN_CERT ZEL_SIGN_PFX \
        ZEL_SIGN_PASSWORD ZEL_SIGN_CA
}

# Makes a self-signed code-signing certificate, valid for two days, with the common name $2 in
# the folder $1: its key $1/key.pem and the certificate $1/certificate.pem, which is also all a
# signature needs to be checked against.
zel_throw_away_certificate() {
    mkdir -p "$1"
    openssl req -x509 -newkey rsa:3072 -sha256 -days 2 -nodes -subj "/CN=$2" \
        -addext "extendedKeyUsage=codeSigning" \
        -keyout "$1/key.pem" -out "$1/certificate.pem" 2>/dev/null
}

# Signing as a publisher with a PKCS#12 file does, with a throw-away certificate in the folder $1:
# exports ZEL_SIGN_PFX, ZEL_SIGN_PASSWORD and ZEL_SIGN_CA.
zel_throw_away_pkcs12() {
    zel_signing_forget
    zel_throw_away_certificate "$1" "Zel throw-away (PKCS#12)"
    ZEL_SIGN_PASSWORD="$(openssl rand -hex 16)"
    export ZEL_SIGN_PASSWORD ZEL_SIGN_PFX="$1/zel.pfx" ZEL_SIGN_CA="$1/certificate.pem"
    openssl pkcs12 -export -inkey "$1/key.pem" -in "$ZEL_SIGN_CA" -out "$ZEL_SIGN_PFX" \
        -passout env:ZEL_SIGN_PASSWORD
    rm "$1/key.pem"
}

# Signing as a publisher with a key on a token does, with a throw-away certificate whose key is
# moved onto a software token (SoftHSM) in the folder $1: exports ZEL_SIGN_PKCS11_MODULE,
# ZEL_SIGN_PKCS11_KEY, ZEL_SIGN_CERT, ZEL_SIGN_PASSWORD (the PIN), ZEL_SIGN_CA, and SOFTHSM2_CONF,
# which tells the module where the token is.
zel_throw_away_pkcs11() {
    zel_signing_forget
    zel_throw_away_certificate "$1" "Zel throw-away (PKCS#11)"
    mkdir -p "$1/tokens"
    export SOFTHSM2_CONF="$1/softhsm2.conf"
    printf 'directories.tokendir = %s\nobjectstore.backend = file\nlog.level = ERROR\n' \
        "$1/tokens" >"$SOFTHSM2_CONF"
    ZEL_SIGN_PASSWORD="$(openssl rand -hex 8)"
    export ZEL_SIGN_PASSWORD ZEL_SIGN_CERT="$1/certificate.pem" ZEL_SIGN_CA="$1/certificate.pem"
    export ZEL_SIGN_PKCS11_MODULE ZEL_SIGN_PKCS11_KEY="pkcs11:token=zel;object=zel-signing;type=private"
    ZEL_SIGN_PKCS11_MODULE="$(dpkg -L libsofthsm2 | grep -m 1 '/libsofthsm2\.so$')"
    softhsm2-util --init-token --free --label zel --pin "$ZEL_SIGN_PASSWORD" \
        --so-pin "$(openssl rand -hex 8)" >/dev/null
    openssl pkcs8 -topk8 -nocrypt -in "$1/key.pem" -out "$1/key.p8"
    softhsm2-util --import "$1/key.p8" --token zel --label zel-signing --id 01 \
        --pin "$ZEL_SIGN_PASSWORD" >/dev/null
    rm "$1/key.pem" "$1/key.p8"
}

# Writes the certificates signatures are checked against into the folder $1 and prints the
# file's name: ZEL_SIGN_CA when given, else the system's authorities (for a certificate a public
# authority issued) with the certificates of ZEL_SIGN_CERT or ZEL_SIGN_PFX (all a self-signed
# one needs).
zel_signing_authorities() {
    local authorities="$1/signing-authorities.pem"
    if [[ -n "${ZEL_SIGN_CA:-}" ]]; then
        cp "$ZEL_SIGN_CA" "$authorities"
        echo "$authorities"
        return 0
    fi
    : >"$authorities"
    if [[ -z "${ZEL_SIGN_COMMAND:-}" && -n "${ZEL_SIGN_PKCS11_KEY:-}" ]]; then
        cat "$ZEL_SIGN_CERT" >>"$authorities"
    elif [[ -z "${ZEL_SIGN_COMMAND:-}" && -n "${ZEL_SIGN_PFX:-}" ]]; then
        openssl pkcs12 -in "$ZEL_SIGN_PFX" -nokeys -passin fd:3 -out "$authorities" \
            3< <(printf '%s' "${ZEL_SIGN_PASSWORD:-}")
    fi
    if [[ -f /etc/ssl/certs/ca-certificates.crt ]]; then
        cat /etc/ssl/certs/ca-certificates.crt >>"$authorities"
    fi
    echo "$authorities"
}

# Fails unless the file $1 carries a valid SHA-256 Authenticode signature by one of the
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
}

# Prints every Windows program, DLL and plug-in in the folder $1 and below: every file that
# starts as one does ("MZ"), whatever its name.
zel_pe_files() {
    local file
    while IFS= read -r -d '' file; do
        if [[ "$(head -c 2 "$file")" == MZ ]]; then
            printf '%s\n' "$file"
        fi
    done < <(find "$1" -type f -print0 | sort -z)
}

# Verifies the signature of every Windows program, DLL and plug-in in the folder $1 and below
# (zel_verify_signature), and says how many there were, as $2 names them.
zel_verify_signatures_in() {
    local file count=0
    while IFS= read -r file; do
        zel_verify_signature "$file" || return 1
        count=$((count + 1))
    done < <(zel_pe_files "$1")
    ((count > 0)) || {
        echo "No Windows program in $1" >&2
        return 1
    }
    echo "signed: all $count programs, DLLs and plug-ins of $2"
}
