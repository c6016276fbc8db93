#pragma once
// MD5 digest (RFC 1321) of a text taken one byte per character: the low
// byte of each UTF-16 code unit, so Latin-1 texts hash as their ISO 8859-1
// bytes. The export prints this checksum on the declaration.

#include <QString>

class CMD5 {
public:
    // 32 lower-case hexadecimal characters; keeps no state between calls.
    QString MD5(const QString& sMessage);
};
