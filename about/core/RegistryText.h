#pragma once

#include <QString>
#include <optional>

class Registry;

// The value valueName of the key keyPath under root, as text. A value is read
// into 1024 bytes: a larger one counts as missing, and a zero in its last
// stored byte (a text's terminator) is dropped. A text (type 1) is taken as
// it is; a 32-bit number (type 4) gives its decimal digits; any other type an
// empty text. None when the key or the value cannot be read.
std::optional<QString> readRegistryText(Registry &registry, quint32 root, const QString &keyPath,
                                        const QString &valueName);
