#pragma once

#include <QByteArray>
#include <QStringList>

// Ed25519 signatures over the exact bytes of "update.json". The publisher keeps the private key;
// deployments carry the public keys (raw 32 bytes, base64) and the launcher accepts a manifest
// only when one of them made its detached signature, so a mirror cannot change what gets
// installed. The signature file holds the 64 signature bytes as one line of base64.
namespace ManifestSignature {

// The name of the signature beside the manifest: "update.json" -> "update.json.sig".
QString signatureName(const QString &manifestName);

// A new key pair: the private key as PKCS#8 PEM, the public key as base64 of its raw bytes.
bool generateKeyPair(QByteArray *privatePem, QByteArray *publicKeyBase64);
// The base64 public key of a PEM private key; empty when it is not an Ed25519 key.
QByteArray publicKeyOf(const QByteArray &privatePem);
// The signature file's text for data; empty when the key is not an Ed25519 private key.
QByteArray sign(const QByteArray &data, const QByteArray &privatePem);
// Whether signatureText (as sign writes it, blanks around it ignored) is a valid signature of
// data by one of the base64 public keys. Malformed keys and signatures never verify.
bool verify(const QByteArray &data, const QByteArray &signatureText, const QStringList &publicKeys);

} // namespace ManifestSignature
