#pragma once
// Checks the next value of a QDataStream before Qt reads it. Qt trusts the
// lengths and counts inside a stream: a damaged stored node could make it
// reserve gigabytes for a list or chase a length far past the data. These
// checks walk the encoding of one value without allocating and accept it
// only when every length fits in the bytes that are left, so a reader
// allocates no more than a small multiple of its input.
//
// The encodings are those of Qt 6 data streams (nodes never set an older
// stream version). Accepted values are those a stored node holds: numbers, booleans,
// characters, texts, byte arrays, URLs, dates, times, colours, Qt geometry
// types, lists and maps of these, and the store's own GType and log level.
// Anything else is refused as unreadable.

#include <QByteArrayView>
#include <QDataStream>
#include <QVariant>

namespace gen::store::stream_check {

// Lists nested deeper than this are refused.
constexpr int MAX_NESTING = 32;

// Encoded size of the value at the start of `data` in the stream format of
// `stream` (byte order, floating-point precision), or -1 when it is damaged,
// longer than `data` or of a kind not accepted.
qsizetype qstring_size(QByteArrayView data, QDataStream const& stream);
qsizetype variant_size(QByteArrayView data, QDataStream const& stream);

// Whether a value is of a kind the checks above accept, so that writing it
// cannot spoil the read of a stored node.
bool storable(QVariant const& value);

// True when the stream's next value is a complete, acceptable QString /
// QVariant. Otherwise false, and the stream's status becomes ReadPastEnd
// (data missing) or ReadCorruptData (damaged or unacceptable); a stream whose
// status is not Ok already gives false.
bool next_qstring(QDataStream& stream);
bool next_variant(QDataStream& stream);

}  // namespace gen::store::stream_check
