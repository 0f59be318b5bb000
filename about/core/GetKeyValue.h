#pragma once

#include <QString>

class Registry;

// Reads the value SubKeyRef of the key Keyname under KeyRoot into KeyVal.
// A value is read into 1024 bytes: a larger one counts as missing, and a
// zero in its last stored byte (a text's terminator) is dropped. A text
// (type 1) becomes KeyVal; a 32-bit number (type 4) its decimal digits; any
// other type leaves KeyVal as it came in. False, with KeyVal empty, when the
// key or the value cannot be read.
bool GetKeyValue(Registry &registry, quint32 KeyRoot, const QString &Keyname, const QString &SubKeyRef,
                 QString &KeyVal);
