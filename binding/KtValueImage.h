#pragma once

#include "KtSNMPVarDef.h"

#include <QByteArray>
#include <QString>

// Raw byte images of values, the common ground between a variable's value
// text and the controls that show all of it or a part of it. Images use the
// layouts of their type code (multi-octet numbers little-endian unless the
// code says network order); they never travel on the wire.
//
// Failures raise KtException: -511 an unknown type code, -518 an image too
// short for its type or a text that is not a value of its type
// (KtValueError), -519 a part past the end of the image.

// The image of a value text; "(NULL)" gives an empty image for every code.
// The whole text must be one value of the type code, within its range (the
// readers of KtTextForm); anything else raises KtValueError saying what the
// text is not.
QByteArray EncodeValue(const QString &text, int syntax);

// The image of a value read from the agent or from a list row, for showing:
// a text that is no value of the type code (one the agent sent out of its
// syntax) gives an empty image instead of an error.
QByteArray ImageOfShownValue(const QString &text, int syntax);

// The value text of an image; an empty image gives "(NULL)" (an empty text
// for SyntaxDisplayString).
QString DecodeValue(const QByteArray &image, int syntax);

// The octets of the part at offset; variable-length codes take everything
// from the offset on (nothing when the offset is past the end).
QByteArray ExtractPart(const QByteArray &image, int offset, int syntax);

// The image with the part written at offset, zero-extended as needed.
QByteArray PatchPart(QByteArray image, int offset, const QByteArray &part);

// Octets a part of this type code occupies; -1 for the variable-length codes,
// 0 for SyntaxNull. Raises -511 for an unknown code.
int PartSize(int syntax);
