#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Makes keys to sign a test release with, in DIR, and prints the settings
# that scripts/release.sh and the release tests take them from:
#   DIR/varnel.p12, DIR/password  a code-signing certificate and its key
#   DIR/certificate.pem           the certificate alone, to verify against
#   DIR/gnupg                     a GnuPG home holding an OpenPGP key
#   eval "$(release/tests/throwaway_keys.sh DIR)"
set -euo pipefail
dir=$1
rm -rf "$dir"
mkdir -p "$dir/gnupg"
chmod 700 "$dir/gnupg"
head -c 18 /dev/urandom | base64 > "$dir/password"
# Valid from long before any commit, since a release is signed at its
# commit's time.
faketime '2000-01-01 00:00:00' openssl req -x509 -newkey rsa:3072 -nodes -days 36500 -subj "/CN=Varnel release test" \
    -addext keyUsage=critical,digitalSignature -addext extendedKeyUsage=codeSigning \
    -keyout "$dir/key.pem" -out "$dir/certificate.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$dir/key.pem" -in "$dir/certificate.pem" -passout "file:$dir/password" \
    -out "$dir/varnel.p12"
rm "$dir/key.pem"
email=release-test@varnel.invalid
GNUPGHOME=$dir/gnupg gpg --batch --quiet --passphrase '' --quick-gen-key "Varnel release test <$email>" ed25519 sign never
GNUPGHOME=$dir/gnupg gpgconf --kill gpg-agent
echo "export VARNEL_SIGN_P12=$dir/varnel.p12 VARNEL_SIGN_PASS_FILE=$dir/password"
echo "export VARNEL_SIGN_CERTIFICATE=$dir/certificate.pem GNUPGHOME=$dir/gnupg VARNEL_SIGN_GPG_KEY=$email"
