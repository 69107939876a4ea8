#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// The publisher's Ed25519 key: made by "keygen", given to every command that writes update.json
// with --key so that the manifest is signed again each time it changes.
namespace SigningKey {

void addOption(QCommandLineParser &parser);
// The PEM private key named by --key; empty pem when the option is not set. False, with error,
// when the file cannot be read or holds no Ed25519 private key.
bool readOption(const QCommandLineParser &parser, QByteArray &pem, QString &error);

// Writes a new private key to keyFile (owner-only, never over an existing file) and its public
// key to keyFile + ".pub"; publicKey gets the base64 public key.
bool generate(const QString &keyFile, QByteArray &publicKey, QString &error);

// Public keys given as base64 text or as the path of a ".pub" file; false, with error, for
// anything else.
bool readPublicKeys(const QStringList &values, QStringList &keys, QString &error);

} // namespace SigningKey

// gd7-publish keygen KEYFILE: a new key pair; prints the public key for the deployment's
// "manifest_keys".
int runKeygenCommand(const QStringList &args);
// gd7-publish sign RELEASE --key KEYFILE: gives update.json the next serial and signs it.
int runSignCommand(const QStringList &args);
